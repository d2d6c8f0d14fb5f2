// Drawing with the real runtime in tests and reading the picture back.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/test_runtime.h"

using Rgb = std::array<int, 3>;

inline const Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kRed{255, 0, 0};

// Each case starts on a cleared frame in the full-window 2D projection: opaque, font 0, no background.
class DrawingTest : public testing::Test {
protected:
    void SetUp() override {
        runtime_ = StartTestRuntime();
        pPrism->FreeSurface(0);
        pPrism->DoAlpha(0);
        SETFONT(0);
        pPrism->Make2DViewport(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    TestRuntime runtime_;
};

// The RGBA bytes of the rectangle from (x0, y0) to (x1 - 1, y1 - 1), bottom row first.
inline std::vector<unsigned char> FramePixels(int x0, int y0, int x1, int y1) {
    std::vector<unsigned char> rgba(static_cast<std::size_t>((x1 - x0) * (y1 - y0) * 4));
    FinishBatchedDrawing();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x0, pPrism->Height() - y1, x1 - x0, y1 - y0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

// How many pixels of that rectangle are not black.
inline int LitPixels(int x0, int y0, int x1, int y1) {
    const std::vector<unsigned char> rgba = FramePixels(x0, y0, x1, y1);
    int lit = 0;
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        lit += rgba[i] != 0 || rgba[i + 1] != 0 || rgba[i + 2] != 0;
    return lit;
}

// Loads the bitmap into a sprite slot through a file, as LOADSPRITE does once the name is resolved.
inline void LoadBitmapSprite(int slot, const TestBitmap& bitmap) {
    const std::string path = PrivateTempFolder() + "sprite" + std::to_string(slot) + ".bmp";
    WriteBitmap(path, bitmap);
    ASSERT_TRUE(pPrism->LoadSprite(slot, path.c_str(), OpenGLPrism::kSpriteKey, false));
}

// What a getter of two sizes (GetSpriteSize, GetSurfaceGrid) gives for a sprite or a surface.
inline std::pair<int, int> SizesOf(void (OpenGLPrism::*get)(int, int&, int&) const, int which) {
    std::pair<int, int> sizes{-1, -1};
    (pPrism->*get)(which, sizes.first, sizes.second);
    return sizes;
}

// Whether every channel is within one step of the expected value (for EXPECT_PRED2).
inline bool Near(const Rgb& actual, const Rgb& expected) {
    return std::ranges::equal(actual, expected, [](int a, int e) { return std::abs(a - e) <= 1; });
}

// The colour of window pixel (x, y) of the back buffer, counted from the top left.
inline Rgb PixelAt(int x, int y) {
    const std::vector<unsigned char> rgba = FramePixels(x, y, x + 1, y + 1);
    return {rgba[0], rgba[1], rgba[2]};
}

// Expects each pixel (x, y) to have its colour; a failure names the pixel.
inline void ExpectPixels(std::initializer_list<std::tuple<int, int, Rgb>> pixels) {
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(PixelAt(x, y), colour) << "at (" << x << ", " << y << ")";
}

// How many pixels of row y, from x0 up to (not including) x1, have the colour.
inline int CountInRow(int y, int x0, int x1, Rgb colour) {
    int count = 0;
    for (int x = x0; x < x1; ++x)
        count += PixelAt(x, y) == colour;
    return count;
}

// Fills window pixels x0 to x1 - 1 and y0 to y1 - 1 of the 2D viewport with OpenGL, not the runtime.
inline void FillPixels(int x0, int y0, int x1, int y1, Rgb colour) {
    FinishBatchedDrawing();
    glDisable(GL_TEXTURE_2D);
    glColor3f(colour[0] / 255.0f, colour[1] / 255.0f, colour[2] / 255.0f);
    glRecti(x0, -y1, x1, -y0);
    glColor3ub(255, 255, 255);
}
