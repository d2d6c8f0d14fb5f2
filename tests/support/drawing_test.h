// A test that draws with the real runtime and reads the pixels back.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/pixels.h"
#include "support/test_runtime.h"

// Each case starts on a cleared frame in the full-window 2D projection, drawing opaque, with no background.
class DrawingTest : public testing::Test {
protected:
    void SetUp() override {
        runtime_ = StartTestRuntime();
        pPrism->FreeSurface(0);
        pPrism->DoAlpha(0);
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

inline std::pair<int, int> SpriteSize(int slot) {
    std::pair<int, int> size{-1, -1};
    pPrism->GetSpriteSize(slot, size.first, size.second);
    return size;
}

// The columns and rows of tiles of a surface (0: the background).
inline std::pair<int, int> SurfaceGrid(int surface) {
    std::pair<int, int> grid{-1, -1};
    pPrism->GetSurfaceGrid(surface, grid.first, grid.second);
    return grid;
}

// Whether every channel is within one step of the expected value (for EXPECT_PRED2).
inline bool Near(const Rgb& actual, const Rgb& expected) {
    for (int i = 0; i < 3; ++i)
        if (std::abs(actual[i] - expected[i]) > 1) return false;
    return true;
}
