#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "morvane.h"
#include "support/drawing_test.h"

namespace {

constexpr double kWhiteColour = 0xFFFFFF;

using Primitives = DrawingTest;

TEST_F(Primitives, RectanglesFillTheSamePixelsWhicheverCornersComeFirst) {
    const std::array<std::array<double, 4>, 3> corners{{{0, 0, 10, 10}, {10, 10, 0, 0}, {10, 0, 0, 10}}};
    for (const auto& [x1, y1, x2, y2] : corners) {
        glClear(GL_COLOR_BUFFER_BIT);
        FILLRECT(x1, y1, x2, y2, kWhiteColour);
        EXPECT_EQ(LitPixels(0, 0, 12, 12), 100) << x1 << ", " << y1;
        ExpectPixels({{0, 0, kWhite}, {9, 9, kWhite}});
    }
}

TEST_F(Primitives, PixelsAndLinesHitThePixelsTheyName) {
    SETPIXEL(7, 9, kWhiteColour);
    EXPECT_EQ(PixelAt(7, 9), kWhite);
    EXPECT_EQ(LitPixels(0, 0, 20, 20), 1);
    DRAWLINE(5, 5, 5, 5, kWhiteColour);
    EXPECT_EQ(PixelAt(5, 5), kWhite);
    EXPECT_EQ(LitPixels(0, 0, 20, 20), 2);

    DRAWLINE(20, 30, 40, 30, kWhiteColour);
    EXPECT_EQ(LitPixels(0, 29, 100, 32), 21);  // on row 30, both ends included
    EXPECT_EQ(PixelAt(40, 30), kWhite);
    DRAWLINE(60, 70, 50, 50, kWhiteColour);
    EXPECT_EQ(PixelAt(50, 50), kWhite);
    EXPECT_EQ(LitPixels(45, 45, 65, 75), 21);  // one pixel per row
}

TEST_F(Primitives, ColourValuesGoToTheirChannels) {
    FILLRECT(0, 0, 4, 4, 0x204060);  // red in the low byte
    EXPECT_EQ(PixelAt(1, 1), (Rgb{0x60, 0x40, 0x20}));
    DRAWLINE(20, 20, 30, 20, 4294967296.0 * 3 + 0xFF0000FF);  // modulo 2^32, bits 24 to 31 ignored
    EXPECT_EQ(PixelAt(25, 20), (Rgb{255, 0, 0}));
    SETPIXEL(40, 10, -1);
    EXPECT_EQ(PixelAt(40, 10), kWhite);
    SETPIXEL(1e300, -1e300, 1e300);  // far out of range: narrowed, never undefined
}

TEST_F(Primitives, BlendModesAddOrMultiplyAtTheirIntensity) {
    const auto draw_over_red_100 = [](double mode, double colour) {
        ALPHAMODE(0);
        FILLRECT(0, 0, 10, 10, 0x000064);
        ALPHAMODE(mode);
        FILLRECT(0, 0, 10, 10, colour);
        return PixelAt(5, 5);
    };
    EXPECT_PRED2(Near, draw_over_red_100(0.5, kWhiteColour), (Rgb{228, 128, 128}));  // half white added
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);  // what sprites are modulated with now
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    // The picture times half white, plus half white.
    EXPECT_PRED2(Near, draw_over_red_100(-0.5, kWhiteColour), (Rgb{178, 128, 128}));
    EXPECT_PRED2(Near, draw_over_red_100(3, 0x000040), (Rgb{164, 0, 0}));   // as 1
    EXPECT_PRED2(Near, draw_over_red_100(-3, 0x000080), (Rgb{178, 0, 0}));  // as -1
    EXPECT_EQ(draw_over_red_100(0, kWhiteColour), kWhite);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(Primitives, TheKeyColourDrawsWithAlphaZero) {
    // In multiplying mode alpha 0 leaves only the picture times the colour;
    // alpha 1 adds the colour as well.
    const auto draw_over_white = [](double colour) {
        ALPHAMODE(0);
        FILLRECT(0, 0, 10, 10, kWhiteColour);
        ALPHAMODE(-1);
        FILLRECT(0, 0, 10, 10, colour);
        return PixelAt(5, 5);
    };
    EXPECT_PRED2(Near, draw_over_white(0x8000FF), (Rgb{255, 0, 128}));
    EXPECT_PRED2(Near, draw_over_white(0x8000FE), (Rgb{255, 0, 255}));
}

}  // namespace
