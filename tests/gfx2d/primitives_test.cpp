#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "morvane.h"
#include "support/drawing_test.h"

namespace {

constexpr double kWhiteColour = 0xFFFFFF;

using Primitives = DrawingTest;

TEST_F(Primitives, RectanglesPixelsAndLinesHitThePixelsTheyNameInTheirChannels) {
    for (const auto& [x1, y1, x2, y2] : std::array<std::array<double, 4>, 3>{
             {{0, 0, 10, 10}, {10, 10, 0, 0}, {10, 0, 0, 10}}}) {  // whichever corners come first
        glClear(GL_COLOR_BUFFER_BIT);
        FILLRECT(x1, y1, x2, y2, kWhiteColour);
        EXPECT_EQ(LitPixels(0, 0, 12, 12), 100) << x1 << ", " << y1;
        ExpectPixels({{0, 0, kWhite}, {9, 9, kWhite}});
    }
    glClear(GL_COLOR_BUFFER_BIT);
    SETPIXEL(7, 9, kWhiteColour);
    DRAWLINE(5, 5, 5, 5, kWhiteColour);
    ExpectPixels({{7, 9, kWhite}, {5, 5, kWhite}});
    EXPECT_EQ(LitPixels(0, 0, 20, 20), 2);
    DRAWLINE(20, 30, 40, 30, kWhiteColour);
    EXPECT_EQ(LitPixels(0, 29, 100, 32), 21);  // on row 30, both ends included
    DRAWLINE(60, 70, 50, 50, kWhiteColour);
    ExpectPixels({{40, 30, kWhite}, {50, 50, kWhite}});
    EXPECT_EQ(LitPixels(45, 45, 65, 75), 21);  // one pixel per row

    FILLRECT(0, 100, 4, 104, 0x204060);                         // red in the low byte
    DRAWLINE(20, 120, 30, 120, 4294967296.0 * 3 + 0xFF0000FF);  // modulo 2^32, bits 24 to 31 ignored
    SETPIXEL(40, 110, -1);
    ExpectPixels({{1, 101, {0x60, 0x40, 0x20}}, {25, 120, kRed}, {40, 110, kWhite}});
    SETPIXEL(1e300, -1e300, 1e300);  // far out of range: narrowed, never undefined
}

TEST_F(Primitives, BlendModesAddOrMultiplyAtTheirIntensityAndTheKeyColourHasAlphaZero) {
    const auto draw_over = [](double background, double mode, double colour) {
        ALPHAMODE(0);
        FILLRECT(0, 0, 10, 10, background);
        ALPHAMODE(mode);
        FILLRECT(0, 0, 10, 10, colour);
        return PixelAt(5, 5);
    };
    EXPECT_PRED2(Near, draw_over(0x64, 0.5, kWhiteColour), (Rgb{228, 128, 128}));  // half white added
    float colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);  // what sprites are modulated with now
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    // The picture times half white, plus half white.
    EXPECT_PRED2(Near, draw_over(0x64, -0.5, kWhiteColour), (Rgb{178, 128, 128}));
    EXPECT_PRED2(Near, draw_over(0x64, 3, 0x000040), (Rgb{164, 0, 0}));   // as 1
    EXPECT_PRED2(Near, draw_over(0x64, -3, 0x000080), (Rgb{178, 0, 0}));  // as -1
    // Multiplying, alpha 0 leaves only the picture times the colour; alpha 1 adds the colour.
    EXPECT_PRED2(Near, draw_over(kWhiteColour, -1, 0x8000FF), (Rgb{255, 0, 128}));
    EXPECT_PRED2(Near, draw_over(kWhiteColour, -1, 0x8000FE), (Rgb{255, 0, 255}));
    EXPECT_EQ(draw_over(0x64, 0, kWhiteColour), kWhite);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// The square from (10, 10) to (50, 50), wound so that the fan faces the
// viewer: down the left side, then along the bottom.
const std::array<std::array<double, 4>, 4> kSquare{
    {{10, 10, 0, 0}, {10, 50, 0, 1}, {50, 50, 1, 1}, {50, 10, 1, 0}}};

void DrawSquare(double sprite, double colour) {
    STARTPOLY(sprite);
    for (const auto& [x, y, s, t] : kSquare)
        POLYVECTOR(x, y, s, t, colour);
    ENDPOLY();
}

TEST_F(Primitives, PolygonsAddATriangleFromTheThirdPointAndKeepTheirPoints) {
    STARTPOLY(-1);
    for (int point = 0; point < 4; ++point) {  // a triangle from the third point, the lower-left half
        POLYVECTOR(kSquare[point][0], kSquare[point][1], 0, 0, kWhiteColour);
        ENDPOLY();
        ExpectPixels({{15, 45, point >= 2 ? kWhite : kBlack}, {45, 15, point == 3 ? kWhite : kBlack}});
    }
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 40 * 40);

    glClear(GL_COLOR_BUFFER_BIT);
    ALPHAMODE(0.25);  // the intensity is taken when each point is given
    STARTPOLY(-1);
    for (const auto& [x, y, s, t] : kSquare)
        POLYVECTOR(x, y, s, t, kWhiteColour);
    ALPHAMODE(1);
    ENDPOLY();
    EXPECT_PRED2(Near, PixelAt(30, 30), (Rgb{64, 64, 64}));
    ENDPOLY();  // drawn twice
    EXPECT_PRED2(Near, PixelAt(30, 30), (Rgb{128, 128, 128}));
}

TEST_F(Primitives, PolygonCornersBlendTheirColoursOrModulateASpriteWithTCountedFromTheTop) {
    STARTPOLY(-1);
    for (int point = 0; point < 3; ++point)
        POLYVECTOR(kSquare[point][0], kSquare[point][1], 0, 0,
                   std::array{0x0000FF, 0x00FF00, 0xFF0000}[point]);
    ENDPOLY();
    EXPECT_GT(PixelAt(11, 13)[0], 200);  // near the red corner
    const Rgb middle = PixelAt(23, 37);
    EXPECT_TRUE(middle[0] > 50 && middle[1] > 50 && middle[2] > 50);
    GLint shading = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shading);
    EXPECT_EQ(shading, GL_FLAT);
    glClear(GL_COLOR_BUFFER_BIT);
    DrawSquare(-1, 0x8000FF);  // alpha 0, removed by the alpha test
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 0);
    DrawSquare(-1, 0x8000FE);
    EXPECT_EQ(PixelAt(30, 30), (Rgb{254, 0, 128}));

    LoadBitmapSprite(5, {8, 8, 24, false, {}, [](int, int y) {
                             return y < 4 ? TestRgb{255, 0, 0} : TestRgb{0, 0, 255};
                         }});
    DrawSquare(5, 0x808080);
    EXPECT_PRED2(Near, PixelAt(30, 15), (Rgb{128, 0, 0}));
    EXPECT_PRED2(Near, PixelAt(30, 45), (Rgb{0, 0, 128}));
    pPrism->FreeSprite(5);
    for (const double sprite : {-7.0, 4095.0}) {  // outside the table: untextured
        glClear(GL_COLOR_BUFFER_BIT);
        DrawSquare(sprite, kWhiteColour);
        EXPECT_EQ(PixelAt(30, 30), kWhite) << sprite;
    }
}

TEST_F(Primitives, ParticlesScatterMoveAtHalfBrightnessDieOutsideAndWrapTheirPool) {
    // Records of count, -, life, velocity, acceleration, damping, position and colour.
    const auto emit = [](OPENGL_PARTICLE particle, std::uint32_t colour = 0x0000FF) {
        pPrism->Particles(particle, colour);
    };
    const auto frame = [] {
        glClear(GL_COLOR_BUFFER_BIT);
        pPrism->DrawParticles();
    };
    const OPENGL_PARTICLE dead{OpenGLPrism::kParticles, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    emit(dead);
    LIMITFPS(10);  // 100 ms per frame: at most 100 pixels at a speed of 1
    emit({300, 0, 1000, 1, 1, 0, 0, 1, 1, 320, 240, 1, 1, 1}, 0);
    frame();
    const int reach = 100 + 12;  // the speed and the size of a particle
    EXPECT_EQ(LitPixels(0, 0, 640, 480), LitPixels(320 - reach, 240 - reach, 320 + reach, 240 + reach));
    for (const auto& [x0, y0, x1, y1] : std::array<std::array<int, 4>, 4>{
             {{0, 0, 300, 480}, {340, 0, 640, 480}, {0, 0, 640, 220}, {0, 260, 640, 480}}})
        EXPECT_GT(LitPixels(x0, y0, x1, y1), 0) << x0 << ", " << y0;  // in every direction

    LIMITFPS(1000);
    emit(dead);
    emit({1, 0, 1000, 0, 0, 10, 0, -2, 1, 15, 100, 0, 0,
          0});  // swings out past the left edge, then back to x = 15
    frame();
    EXPECT_PRED2(Near, PixelAt(15, 100), (Rgb{128, 0, 0}));
    frame();
    frame();
    EXPECT_EQ(LitPixels(0, 80, 40, 120), 0);

    emit({1, 0, 1000, 0, 0, 0, 0, 1, 1, 100, 100, 0, 0, 0});
    emit({OpenGLPrism::kParticles - 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    frame();
    EXPECT_PRED2(Near, PixelAt(100, 100), (Rgb{128, 0, 0}));
    emit({1, 0, 1000, 0, 0, 0, 0, 1, 1, 200, 100, 0, 0, 0});  // takes the first one's record after 1024
    frame();
    EXPECT_EQ(PixelAt(100, 100), kBlack);
    EXPECT_PRED2(Near, PixelAt(200, 100), (Rgb{128, 0, 0}));
    emit(dead);
    LIMITFPS(0);
}

}  // namespace
