// Blending, untextured drawing, polygons and the cross-fade to a new
// background. Coordinates are window pixels from the top left; a colour is
// red + green * 256 + blue * 65536, and 0x8000FF (the key colour) draws with
// alpha 0.
#pragma once

#include "core/dynstr.h"

// The blend mode of later drawing: 0 draws opaque; a positive mode adds the
// drawing to the picture at that intensity; a negative one multiplies the
// picture by the drawing and adds the drawing, at minus that intensity.
// Intensities above 1 count as 1.
void ALPHAMODE(double mode);
// Sets the pixel at (x, y) to the colour.
void SETPIXEL(double x, double y, double colour);
// Draws a line from (x1, y1) to (x2, y2) in the colour, both end pixels included.
void DRAWLINE(double x1, double y1, double x2, double y2, double colour);
// Fills the rectangle between two corners given in any order, the right
// column and the bottom row left out.
void FILLRECT(double x1, double y1, double x2, double y2, double colour);

// Starts a polygon textured with sprite n (a negative n: untextured).
void STARTPOLY(double n);
// Adds a point with texture coordinates s and t (over the whole texture, t
// from the top) and a colour that modulates the texture.
void POLYVECTOR(double x, double y, double s, double t, double colour);
// Draws the polygon as a fan of triangles around its first point; its points
// stay until the next STARTPOLY.
void ENDPOLY();

// Fades from the picture drawn so far to a bitmap over 52 frames; the bitmap
// becomes the background of the frames that follow. A file that is not there
// does nothing; one that cannot be read as a bitmap ends the program with
// runtime error 3.
void BLENDSCREEN(DynStr file);
