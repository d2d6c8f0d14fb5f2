// Reading the picture back in tests.
#pragma once

#include <GL/gl.h>

#include <array>

#include "morvane.h"

using Rgb = std::array<int, 3>;

inline const Rgb kBlack{0, 0, 0};
inline const Rgb kWhite{255, 255, 255};
inline const Rgb kRed{255, 0, 0};

// The colour of window pixel (x, y) of the back buffer, counted from the top left.
inline Rgb PixelAt(int x, int y) {
    unsigned char rgba[4];
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, pPrism->Height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

// How many pixels of row y, from x0 up to (not including) x1, have the colour.
inline int CountInRow(int y, int x0, int x1, Rgb colour) {
    int count = 0;
    for (int x = x0; x < x1; ++x)
        count += PixelAt(x, y) == colour ? 1 : 0;
    return count;
}
