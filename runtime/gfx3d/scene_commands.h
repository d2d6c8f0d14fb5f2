// The 3D scene commands: projection and camera, the object transform,
// culling, textures, lights, axes, billboards and screen positions. They draw
// between the start of a frame and SHOWSCREEN.
#pragma once

// The 3D projection (field of view in degrees) in the current viewport; culling off.
void X_MAKE3D(double near_plane, double far_plane, double field_of_view);
// Back to 2D drawing over the whole window.
void X_MAKE2D();
// The camera at (x, y, z) looking at (tx, ty, tz). Call once per frame after
// X_MAKE3D: it switches depth testing on and resets the object transform.
void X_CAMERA(double x, double y, double z, double tx, double ty, double tz);
// Moves the following objects to (x, y, z), clearing the rotations (the object
// transform of every following draw: set movement and scaling first, rotations after).
void X_MOVEMENT(double x, double y, double z);
// Scales the following objects by x, y and z along the axes, clearing the rotations.
void X_SCALING(double x, double y, double z);
// Adds a rotation by `angle` degrees about (x, y, z); at most 16 are kept.
void X_ROTATION(double angle, double x, double y, double z);
// 0 no culling; above 0 clockwise faces are the front; below 0 counter-clockwise ones.
void X_CULLMODE(double mode);
// Non-zero: textures chosen by X_SETTEXTURE from now on are mipmapped.
void X_MIPMAPPING(double mode);
// The textures of sprites a and b (-1: none); b is the normal map of bump mapping.
void X_SETTEXTURE(double a, double b);
// Light n (0 to 7) gives ambient light of the colour.
void X_AMBIENT_LT(double n, double colour);
// Light n at (x, y, z) shining along (dx, dy, dz) within `cut_off` degrees
// (0 off, 180 from far away along the direction, 360 every way). Light -1 is
// the bump light. In debug mode the light is marked in the picture.
void X_SPOT_LT(double n, double colour, double x, double y, double z, double dx, double dy, double dz,
               double cut_off);
// Arrows 100 units long along the three axes from (x, y, z).
void X_DRAWAXES(double x, double y, double z);
// Sprite n as a camera-facing picture standing on (x, y, z).
void X_SPRITE(double n, double x, double y, double z, double scale);
// The window position (y from the top) and depth (0 to 1) of (x, y, z); left
// unchanged for a point in the camera's own plane.
void X_WORLD2SCREEN(double x, double y, double z, double& screen_x, double& screen_y, double& screen_z);
// How built objects get their normals: 0 none, 1 per vertex, 2 smoothed over
// vertices at the same place. Taken modulo 3.
void X_AUTONORMALS(double mode);
