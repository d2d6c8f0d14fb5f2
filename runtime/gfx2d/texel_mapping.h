// Where linear texture filtering gives exactly what nearest filtering gives:
// each pixel centre of a quad falls on a texel centre when the quad maps one
// texel to one pixel, starts on a texel corner and lies on whole pixels. Then
// both filters read the one texel alone, and the cheaper nearest filter may
// draw it.
#pragma once

#include "gfx2d/draw_batch.h"

// Whether a quad of corners counter-clockwise from the bottom left, axis
// aligned in texture space as in position, covers one texel per unit in each
// direction from a texel corner of a texture of the given size, with its
// corners on whole units.
bool QuadSamplesTexelCentres(const Vertex2D (&corners)[4], int texture_width, int texture_height);

// Whether the projection and model-view matrices (column-major, as OpenGL
// keeps them) with the viewport (x, y, width, height) move a 2D point by whole
// pixels without scaling, turning or mirroring it: one unit is one pixel and
// whole units land on pixel corners.
bool UnitsArePixels(const float (&projection)[16], const float (&modelview)[16], const int (&viewport)[4]);
