// The mesh object commands: loading, saving, drawing, building and sphere
// collision. Objects live in slots 0 to 4094; a command given any other
// object number does nothing (X_COLLISION answers 0).
#pragma once

#include "core/dynstr.h"

// Loads a .ddd file (beside the program or in its container) into slot n. A
// name found nowhere leaves the slot as it was; a file that does not load
// leaves it empty.
void X_LOADOBJ(DynStr file, double n);
// Writes slot n as a .ddd file under exactly this name.
void X_SAVEOBJ(DynStr file, double n);
// Draws one frame of object n under the object transform; a frame the
// object lacks draws nothing, a negative one draws frame 0.
void X_DRAWOBJ(double n, double frame);
// Draws object n between frames `from` and `to`. With `interpolate` non-zero,
// t from 0 to 1 moves from `from` to `to`; otherwise t is the weight of `from`
// against `to`. Frames are held within the object.
void X_DRAWANIM(double n, double from, double to, double t, double interpolate);
// Starts building object n, with a first triangle strip.
void X_OBJSTART(double n);
// Adds a vertex at (x, y, z) with texture coordinates (u, v) and a colour
// (red + green * 256 + blue * 65536).
void X_OBJADDVERTEX(double x, double y, double z, double u, double v, double colour);
// Starts a new triangle strip, not joined to the one before.
void X_OBJNEWGROUP();
// Finishes the object: packs it, gives it normals and makes it drawable. An
// object of fewer than three entries leaves its slot empty.
void X_OBJEND();
// 1 when a sphere of the radius at (x, y, z) touches the given frame of
// object n, placed by the current object transform; else 0.
double X_COLLISION(double n, double frame, double radius, double x, double y, double z);
