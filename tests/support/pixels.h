// Reading drawn pixels back in tests.
#pragma once

#include <GL/gl.h>

#include <array>

#include "morvane.h"

using Rgb = std::array<int, 3>;

// The colour of window pixel (x, y) in the frame being drawn, counted from the top left.
inline Rgb PixelAt(int x, int y) {
    unsigned char rgba[4];
    glReadBuffer(GL_BACK);
    glReadPixels(x, pPrism->Height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}
