#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/drawing_test.h"

namespace {

constexpr double kWhiteColour = 0xFFFFFF;

using Primitives = DrawingTest;
using Sprites = DrawingTest;

TEST_F(Primitives, RectanglesPixelsAndLinesHitTheirPixelsAndBlendModesAddOrMultiply) {
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
    EXPECT_PRED2(Near, draw_over(0x64, -0.5, kWhiteColour), (Rgb{178, 128, 128}));
    EXPECT_PRED2(Near, draw_over(0x64, 3, 0x000040), (Rgb{164, 0, 0}));   // as 1
    EXPECT_PRED2(Near, draw_over(0x64, -3, 0x000080), (Rgb{178, 0, 0}));  // as -1
    // Multiplying, alpha 0 leaves only the picture times the colour; alpha 1 adds the colour.
    EXPECT_PRED2(Near, draw_over(kWhiteColour, -1, 0x8000FF), (Rgb{255, 0, 128}));
    EXPECT_PRED2(Near, draw_over(kWhiteColour, -1, 0x8000FE), (Rgb{255, 0, 255}));
    EXPECT_EQ(draw_over(0x64, 0, kWhiteColour), kWhite);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// The square from (10, 10) to (50, 50), wound so that the fan faces the viewer.
const std::array<std::array<double, 4>, 4> kSquare{
    {{10, 10, 0, 0}, {10, 50, 0, 1}, {50, 50, 1, 1}, {50, 10, 1, 0}}};

void DrawSquare(double sprite, double colour) {
    STARTPOLY(sprite);
    for (const auto& [x, y, s, t] : kSquare)
        POLYVECTOR(x, y, s, t, colour);
    ENDPOLY();
}

TEST_F(Primitives, PolygonsAddTrianglesFromTheThirdPointBlendTheirCornersAndModulateSprites) {
    STARTPOLY(-1);
    for (int point = 0; point < 4; ++point) {  // a triangle from the third point, the lower-left half
        POLYVECTOR(kSquare[point][0], kSquare[point][1], 0, 0, kWhiteColour);
        ENDPOLY();
        ExpectPixels({{15, 45, point >= 2 ? kWhite : kBlack}, {45, 15, point == 3 ? kWhite : kBlack}});
    }
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 40 * 40);

    glClear(GL_COLOR_BUFFER_BIT);
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

TEST_F(Primitives, APolygonBeforeAnyStartPolyTakesSprite0) {
    ExpectInChildProcess([] {  // where no earlier test has chosen a polygon's sprite
        LoadBitmapSprite(0, SolidBitmap(8, 8, {255, 0, 0}));
        for (const auto& [x, y, s, t] : kSquare)
            POLYVECTOR(x, y, s, t, kWhiteColour);
        ENDPOLY();
        return PixelAt(30, 30) == kRed;
    });
}

TEST_F(Primitives, ParticlesDrawAtHalfBrightnessAndWrapTheirPool) {
    const auto emit = [](OPENGL_PARTICLE particle) { pPrism->Particles(particle, 0x0000FF); };
    LIMITFPS(1000);
    emit({OpenGLPrism::kParticles, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    emit({1, 0, 1000, 0, 0, 0, 0, 1, 1, 100, 100, 0, 0, 0});
    emit({OpenGLPrism::kParticles - 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    emit({1, 0, 1000, 0, 0, 0, 0, 1, 1, 200, 100, 0, 0, 0});  // takes the first one's record after 1024
    glClear(GL_COLOR_BUFFER_BIT);
    pPrism->DrawParticles();
    EXPECT_EQ(PixelAt(100, 100), kBlack);
    EXPECT_PRED2(Near, PixelAt(200, 100), (Rgb{128, 0, 0}));
    emit({OpenGLPrism::kParticles, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    LIMITFPS(0);
}

TestBitmap TopRed(int size, bool top_down = false) {
    const auto pixel = [size](int, int y) {
        return y < size / 2 ? TestRgb{255, 0, 0} : TestRgb{255, 255, 255};
    };
    return {size, size, 24, top_down, {}, pixel};
}

TEST_F(Sprites, CoverTheirImageZoomAndRotateAboutTheCentreWithoutTheKeyColour) {
    LoadBitmapSprite(1, SolidBitmap(32, 32, {255, 0, 0}));
    SPRITE(1, 0, 0);
    SPRITE(1, 100.9, 50);
    ExpectPixels({{0, 0, kRed}, {31, 31, kRed}, {32, 31, kBlack}, {31, 32, kBlack}});
    ExpectPixels({{100, 50, kRed}, {99, 50, kBlack}});
    LoadBitmapSprite(2, SolidBitmap(100, 50, {0, 0, 255}));
    LoadBitmapSprite(3, SolidBitmap(1, 1, {0, 255, 0}));
    EXPECT_EQ(SizesOf(&OpenGLPrism::GetSpriteSize, 2), std::pair(100, 50));
    for (const auto& [slot, width] : {std::pair{2, 128}, {1, 32}, {3, 1}}) {  // on a power-of-two texture
        pPrism->SetTexture3D(slot, -1, 0);
        GLint size = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size);
        EXPECT_EQ(size, width);
    }
    SPRITE(2, 0, 100);  // only the image part of the texture is drawn
    EXPECT_EQ(CountInRow(110, 0, 200, Rgb{0, 0, 255}), 100);

    LoadBitmapSprite(5, TopRed(8));
    LoadBitmapSprite(6, TopRed(8, true));
    LoadBitmapSprite(4, {3, 1, 24, false, {}, [](int x, int) {
                             return x == 0 ? TestRgb{255, 0, 128} : TestRgb{255, 0, 127};
                         }});
    SPRITE(5, 200, 0);
    SPRITE(6, 220, 0);
    STRETCHSPRITE(4, 200, 100, 30, 10);  // ten pixels a texel
    ExpectPixels(
        {{203, 1, kRed}, {223, 1, kWhite}, {223, 6, kRed}, {202, 105, kBlack}, {215, 105, {255, 0, 127}}});

    glClear(GL_COLOR_BUFFER_BIT);
    SPRITE(700, 0, 0);  // unloaded or out of range: nothing
    SPRITE(-1, 0, 0);
    STRETCHSPRITE(1e9, 0, 0, 50, 50);
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 0);
    EXPECT_FALSE(pPrism->LoadSprite(4095, (PrivateTempFolder() + "sprite1.bmp").c_str(), 0, false));
    EXPECT_FALSE(pPrism->LoadSprite(9, (PrivateTempFolder() + "missing.bmp").c_str(), 0, false));

    glClear(GL_COLOR_BUFFER_BIT);
    ZOOMSPRITE(1, 100, 100, 2, 2);
    ZOOMSPRITE(1, 300, 100, -2, -2);
    ExpectPixels({{84, 84, kRed}, {147, 147, kRed}, {83, 84, kBlack}, {148, 147, kBlack}});
    ExpectPixels({{284, 84, kRed}, {347, 147, kRed}, {283, 84, kBlack}, {348, 147, kBlack}});
    LoadBitmapSprite(10, TopRed(20));
    ROTOSPRITE(10, 100, 300, 90);          // counter-clockwise: the top goes to the left
    ROTOZOOMSPRITE(10, 200, 300, -90, 1);  // as 270: the top goes to the right
    ROTOZOOMSPRITE(10, 300, 300, 0, 0);    // a zoom of 0 draws at the normal size
    ExpectPixels({{103, 310, kRed}, {116, 310, kWhite}, {216, 310, kRed}, {203, 310, kWhite}});
    EXPECT_EQ(CountInRow(315, 280, 340, kWhite), 20);
    GRABSPRITE(12, 300, 300, 20, 20);
    SPRITE(12, 400, 300);
    ExpectPixels({{405, 302, kRed}, {405, 317, kWhite}, {421, 302, kBlack}});
}

TEST_F(Sprites, CollisionOfOpaquePixelsAndOfClosedBoxes) {
    LoadBitmapSprite(13, SolidBitmap(10, 10, {1, 1, 1}));
    // Only the top rows of 14 are opaque: sprites overlapping in its bottom rows do not collide.
    LoadBitmapSprite(14, {10, 10, 24, false, {}, [](int, int y) {
                              return y < 3 ? TestRgb{1, 1, 1} : TestRgb{255, 0, 128};
                          }});
    // The second sprite and its place against the first at (0, 0): touching is no collision.
    const int sprites[6][5] = {{13, 13, 9, 9, 1},  {13, 13, 10, 0, 0}, {13, 13, 0, 10, 0},
                               {13, 700, 0, 0, 0}, {14, 13, 0, 2, 1},  {14, 13, 0, 3, 0}};
    for (const auto& [first, second, x, y, expected] : sprites)
        EXPECT_EQ(SPRCOLL(first, 0, 0, second, x, y), expected) << "at " << x << ", " << y;
    // Boxes as x, y, width, height; a negative size reaches back from the corner.
    const double boxes[4][9] = {{0, 0, 10, 10, 10, 10, 5, 5, 1},
                                {0, 0, 10, 10, 11, 0, 5, 5, 0},
                                {10, 10, -10, -10, 11, 0, 5, 5, 0},
                                {10, 10, -10, -10, 2, 3, 1, 1, 1}};
    for (const auto& [x1, y1, w1, h1, x2, y2, w2, h2, expected] : boxes) {
        double result = -1;
        BOXCOLL(result, x1, y1, w1, h1, x2, y2, w2, h2);
        EXPECT_EQ(result, expected) << x1 << " with " << x2 << ", " << y2;
    }
}

}  // namespace
