#include <gtest/gtest.h>

#include <array>
#include <string>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"

namespace {

// Red in the top half, white in the bottom half.
TestBitmap TopRed(int size, bool top_down = false) {
    return {size, size,
            24,   top_down,
            {},   [size](int, int y) {
                return y < size / 2 ? TestRgb{255, 0, 0} : TestRgb{255, 255, 255}; }};
}

using Sprites = DrawingTest;

TEST_F(Sprites, CoverTheirImageFromTheTopLeftUpsideDownWhenTopDownWithoutTheKeyColour) {
    LoadBitmapSprite(1, SolidBitmap(32, 32, {255, 0, 0}));
    SPRITE(1, 0, 0);
    SPRITE(1, 100.9, 50);
    ExpectPixels({{0, 0, kRed}, {31, 31, kRed}, {32, 31, kBlack}, {31, 32, kBlack}});
    ExpectPixels({{100, 50, kRed}, {99, 50, kBlack}});
    LoadBitmapSprite(2, SolidBitmap(100, 50, {0, 0, 255}));
    LoadBitmapSprite(3, SolidBitmap(1, 1, {0, 255, 0}));
    EXPECT_EQ(SpriteSize(2), std::pair(100, 50));
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
    const std::string image = PrivateTempFolder() + "sprite1.bmp";
    EXPECT_FALSE(pPrism->LoadSprite(4095, image.c_str(), 0, false));
    EXPECT_FALSE(pPrism->LoadSprite(9, (PrivateTempFolder() + "missing.bmp").c_str(), 0, false));
}

TEST_F(Sprites, ZoomsAndRotationsKeepTheCentreAndGrabbedSpritesTheRightWayUp) {
    LoadBitmapSprite(8, SolidBitmap(32, 32, {255, 0, 0}));
    for (const double factor : {2.0, -2.0}) {
        SCOPED_TRACE(factor);
        glClear(GL_COLOR_BUFFER_BIT);
        ZOOMSPRITE(8, 100, 100, factor, factor);
        ExpectPixels({{84, 84, kRed}, {147, 147, kRed}, {83, 84, kBlack}, {148, 147, kBlack}});
    }
    LoadBitmapSprite(10, TopRed(20));
    glClear(GL_COLOR_BUFFER_BIT);
    ROTOSPRITE(10, 100, 100, 90);  // counter-clockwise: the top goes to the left
    ExpectPixels({{103, 110, kRed}, {116, 110, kWhite}});
    glClear(GL_COLOR_BUFFER_BIT);
    ROTOZOOMSPRITE(10, 100, 100, -90, 1);  // as 270: the top goes to the right
    ExpectPixels({{116, 110, kRed}, {103, 110, kWhite}});
    glClear(GL_COLOR_BUFFER_BIT);
    ROTOZOOMSPRITE(10, 100, 100, 0, 0);  // a zoom of 0 draws at the normal size
    EXPECT_EQ(CountInRow(115, 80, 140, kWhite), 20);

    glClear(GL_COLOR_BUFFER_BIT);
    LoadBitmapSprite(11, TopRed(16));
    SPRITE(11, 10, 10);
    GRABSPRITE(12, 10, 10, 16, 16);
    glClear(GL_COLOR_BUFFER_BIT);
    SPRITE(12, 200, 100);
    ExpectPixels({{205, 102, kRed}, {205, 113, kWhite}, {216, 102, kBlack}});
}

TEST_F(Sprites, CollisionOfOpaquePixelsAndOfClosedBoxes) {
    LoadBitmapSprite(13, SolidBitmap(10, 10, {1, 1, 1}));
    // Only the top rows of 14 are opaque: sprites overlapping in its bottom rows do not collide.
    LoadBitmapSprite(14, {10, 10, 24, false, {}, [](int, int y) {
                              return y < 3 ? TestRgb{1, 1, 1} : TestRgb{255, 0, 128};
                          }});
    // The second sprite and its place, against the first at (0, 0); side by
    // side, touching, is no collision, and an empty slot collides with nothing.
    for (const auto& [first, second, x, y, expected] : std::array<std::array<int, 5>, 6>{{{13, 13, 9, 9, 1},
                                                                                          {13, 13, 10, 0, 0},
                                                                                          {13, 13, 0, 10, 0},
                                                                                          {13, 700, 0, 0, 0},
                                                                                          {14, 13, 0, 2, 1},
                                                                                          {14, 13, 0, 3, 0}}})
        EXPECT_EQ(SPRCOLL(first, 0, 0, second, x, y), expected)
            << first << ", " << second << " at " << x << ", " << y;
    // Boxes as x, y, width, height; a negative size reaches back from the corner.
    for (const auto& [x1, y1, w1, h1, x2, y2, w2, h2, expected] :
         std::array<std::array<double, 9>, 4>{{{0, 0, 10, 10, 10, 10, 5, 5, 1},
                                               {0, 0, 10, 10, 11, 0, 5, 5, 0},
                                               {10, 10, -10, -10, 11, 0, 5, 5, 0},
                                               {10, 10, -10, -10, 2, 3, 1, 1, 1}}}) {
        double result = -1;
        BOXCOLL(result, x1, y1, w1, h1, x2, y2, w2, h2);
        EXPECT_EQ(result, expected) << x1 << ", " << y1 << ", " << w1 << ", " << h1 << " with " << x2 << ", "
                                    << y2;
    }
}

}  // namespace
