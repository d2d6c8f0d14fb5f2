// Reading the picture back in tests.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "morvane.h"

using Rgb = std::array<int, 3>;

inline const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0};

// The colour of window pixel (x, y) of the back buffer, counted from the top left.
inline Rgb PixelAt(int x, int y) {
    FinishBatchedDrawing();
    unsigned char rgba[4];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, pPrism->Height() - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

struct PixelIs {
    int x, y;
    Rgb colour;
};

// Expects each pixel to have its colour; a failure names the pixel.
inline void ExpectPixels(std::initializer_list<PixelIs> pixels) {
    for (const PixelIs& p : pixels)
        EXPECT_EQ(PixelAt(p.x, p.y), p.colour) << "at (" << p.x << ", " << p.y << ")";
}

// How many pixels of row y, from x0 up to (not including) x1, have the colour.
inline int CountInRow(int y, int x0, int x1, Rgb colour) {
    int count = 0;
    for (int x = x0; x < x1; ++x)
        count += PixelAt(x, y) == colour;
    return count;
}

// Fills window pixels x0 to x1 - 1 and y0 to y1 - 1 of the 2D viewport with raw
// OpenGL, independent of the runtime's own drawing.
inline void FillPixels(int x0, int y0, int x1, int y1, Rgb colour) {
    FinishBatchedDrawing();
    glDisable(GL_TEXTURE_2D);
    glColor3ub(static_cast<GLubyte>(colour[0]), static_cast<GLubyte>(colour[1]),
               static_cast<GLubyte>(colour[2]));
    glRecti(x0, -y1, x1, -y0);
    glColor3ub(255, 255, 255);
}
