// Drawing sprites and testing them for collision, in window pixels from the
// top left. Sprite numbers outside 0 to 4094 draw nothing and collide with nothing.
#pragma once

// Draws sprite n with its top-left pixel at (x, y).
void SPRITE(double n, double x, double y);
// Sprite n stretched to width x height pixels with its top-left corner at (x, y).
void STRETCHSPRITE(double n, double x, double y, double width, double height);
// Draws sprite n placed at (x, y) and zoomed about its centre by fx across and fy down.
void ZOOMSPRITE(double n, double x, double y, double fx, double fy);
// Draws sprite n placed at (x, y) and rotated about its centre by `angle` whole degrees, counter-clockwise.
void ROTOSPRITE(double n, double x, double y, double angle);
// Sprite n rotated about its centre by `angle` degrees, counter-clockwise, and zoomed by `zoom`.
void ROTOZOOMSPRITE(double n, double x, double y, double angle, double zoom);
// Sprite n becomes a copy of the width x height pixels of the picture from (x, y).
void GRABSPRITE(double n, double x, double y, double width, double height);
// 1 when opaque pixels of sprites a and b, placed at their positions, overlap.
double SPRCOLL(double a, double xa, double ya, double b, double xb, double yb);
// result = 1 when the two boxes (corner, width and height, either may be
// negative) overlap or touch.
void BOXCOLL(double& result, double x1, double y1, double w1, double h1, double x2, double y2, double w2,
             double h2);
