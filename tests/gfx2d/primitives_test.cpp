#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "morvane.h"
#include "support/drawing_test.h"

namespace {

constexpr double kWhiteColour = 0xFFFFFF;

using Primitives = DrawingTest;

TEST_F(Primitives, RectanglesFillTheSamePixelsWhicheverCornersComeFirst) {
    const std::array<std::array<double, 4>, 4> corners{
        {{0, 0, 10, 10}, {10, 10, 0, 0}, {10, 0, 0, 10}, {0, 10, 10, 0}}};
    for (const auto& [x1, y1, x2, y2] : corners) {
        glClear(GL_COLOR_BUFFER_BIT);
        FILLRECT(x1, y1, x2, y2, kWhiteColour);
        EXPECT_EQ(LitPixels(0, 0, 12, 12), 100) << x1 << ", " << y1 << ", " << x2 << ", " << y2;
        EXPECT_EQ(PixelAt(0, 0), kWhite);
        EXPECT_EQ(PixelAt(9, 9), kWhite);
        EXPECT_EQ(PixelAt(10, 9), kBlack);
        EXPECT_EQ(PixelAt(9, 10), kBlack);
    }
    // Coordinates are truncated: columns 2 to 4, rows 3 to 5.
    glClear(GL_COLOR_BUFFER_BIT);
    FILLRECT(5.9, 6.7, 2.2, 3.99, kWhiteColour);
    EXPECT_EQ(LitPixels(0, 0, 12, 12), 9);
    EXPECT_EQ(PixelAt(2, 3), kWhite);
    EXPECT_EQ(PixelAt(4, 5), kWhite);
}

TEST_F(Primitives, PixelsAndLinesHitThePixelsTheyName) {
    SETPIXEL(7, 9, kWhiteColour);
    EXPECT_EQ(PixelAt(7, 9), kWhite);
    EXPECT_EQ(LitPixels(0, 0, 20, 20), 1);

    glClear(GL_COLOR_BUFFER_BIT);
    DRAWLINE(5, 5, 5, 5, kWhiteColour);
    EXPECT_EQ(PixelAt(5, 5), kWhite);
    EXPECT_EQ(LitPixels(0, 0, 20, 20), 1);

    glClear(GL_COLOR_BUFFER_BIT);
    DRAWLINE(20, 30, 40, 30, kWhiteColour);
    EXPECT_EQ(LitPixels(0, 30, 100, 31), 21);  // both ends included
    EXPECT_EQ(PixelAt(20, 30), kWhite);
    EXPECT_EQ(PixelAt(40, 30), kWhite);
    EXPECT_EQ(LitPixels(0, 29, 100, 30) + LitPixels(0, 31, 100, 32), 0);

    glClear(GL_COLOR_BUFFER_BIT);
    DRAWLINE(60, 70, 50, 50, kWhiteColour);
    EXPECT_EQ(PixelAt(50, 50), kWhite);  // the end pixel
    EXPECT_EQ(PixelAt(60, 70), kWhite);
    EXPECT_EQ(LitPixels(45, 45, 65, 75), 21);  // one pixel per row
}

TEST_F(Primitives, ColourValuesGoToTheirChannels) {
    FILLRECT(0, 0, 4, 4, 0x204060);  // red in the low byte
    EXPECT_EQ(PixelAt(1, 1), (Rgb{0x60, 0x40, 0x20}));
    SETPIXEL(10, 10, 0x00FF00);
    EXPECT_EQ(PixelAt(10, 10), (Rgb{0, 255, 0}));
    DRAWLINE(20, 20, 30, 20, 0x00FF0000 + 0xFF000000);  // bits 24 to 31 are ignored
    EXPECT_EQ(PixelAt(25, 20), (Rgb{0, 0, 255}));

    // Truncated toward zero to 64 bits, then taken modulo 2^32.
    SETPIXEL(40, 10, 255.9);
    EXPECT_EQ(PixelAt(40, 10), (Rgb{255, 0, 0}));
    SETPIXEL(41, 10, 4294967296.0 + 0x80);
    EXPECT_EQ(PixelAt(41, 10), (Rgb{128, 0, 0}));
    SETPIXEL(42, 10, -1);
    EXPECT_EQ(PixelAt(42, 10), kWhite);
    SETPIXEL(43, 10, 1e300);
    EXPECT_EQ(PixelAt(43, 10), kWhite);
    SETPIXEL(44, 10, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(PixelAt(44, 10), kBlack);
    // Coordinates far outside the 16-bit range are narrowed, not undefined.
    SETPIXEL(1e300, -1e300, kWhiteColour);
    DRAWLINE(-1e10, 5, 1e10, 5, kWhiteColour);
}

TEST_F(Primitives, BlendModesAddOrMultiplyAtTheirIntensity) {
    const auto background = [] {
        ALPHAMODE(0);
        FILLRECT(0, 0, 10, 10, 0x000064);  // red 100
    };
    background();
    ALPHAMODE(0.5);
    FILLRECT(0, 0, 10, 10, kWhiteColour);
    EXPECT_TRUE(Near(PixelAt(5, 5), {228, 128, 128}));  // half white added
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);  // what sprites are drawn with now
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    EXPECT_FLOAT_EQ(colour[3], 1.0f);

    background();
    ALPHAMODE(-0.5);
    FILLRECT(0, 0, 10, 10, kWhiteColour);
    EXPECT_TRUE(Near(PixelAt(5, 5), {178, 128, 128}));  // half white + the picture times half white

    background();
    ALPHAMODE(3);  // as 1
    FILLRECT(0, 0, 10, 10, 0x000040);
    EXPECT_TRUE(Near(PixelAt(5, 5), {164, 0, 0}));

    background();
    ALPHAMODE(-3);  // as -1
    FILLRECT(0, 0, 10, 10, 0x000080);
    EXPECT_TRUE(Near(PixelAt(5, 5), {178, 0, 0}));

    ALPHAMODE(0);
    FILLRECT(0, 0, 10, 10, kWhiteColour);
    EXPECT_EQ(PixelAt(5, 5), kWhite);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(Primitives, TheKeyColourDrawsWithAlphaZero) {
    // Multiplying mode: alpha 0 leaves only the picture times the colour.
    FILLRECT(0, 0, 10, 10, kWhiteColour);
    ALPHAMODE(-1);
    FILLRECT(0, 0, 10, 10, 0x8000FF);
    EXPECT_TRUE(Near(PixelAt(5, 5), {255, 0, 128}));
    ALPHAMODE(0);
    FILLRECT(0, 0, 10, 10, 0);
    ALPHAMODE(-1);
    FILLRECT(0, 0, 10, 10, 0x8000FE);  // not the key: alpha 1 adds the colour itself
    EXPECT_TRUE(Near(PixelAt(5, 5), {254, 0, 128}));
}

TEST_F(Primitives, PixelsAndLinesKeepTheTextureSelectionAndRectanglesDoNot) {
    GLuint names[2];
    glGenTextures(2, names);
    pPrism->SpriteTextures(7) = {names[0], names[1]};
    pPrism->SetTexture3D(7, -1, 0);
    SETPIXEL(1, 1, kWhiteColour);
    DRAWLINE(1, 1, 5, 5, kWhiteColour);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), names[0]);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    FILLRECT(0, 0, 2, 2, kWhiteColour);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    pPrism->SpriteTextures(7) = {0, 0};
    glDeleteTextures(2, names);
}

}  // namespace
