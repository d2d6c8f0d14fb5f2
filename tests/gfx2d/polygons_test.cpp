#include <GL/gl.h>
#include <gtest/gtest.h>

#include "morvane.h"
#include "support/drawing_test.h"

namespace {

constexpr double kWhiteColour = 0xFFFFFF;

// The square from (10, 10) to (50, 50), wound so that the fan faces the
// viewer: down the left side, then along the bottom.
struct Corner {
    double x, y, s, t;
};
const Corner kSquare[4] = {{10, 10, 0, 0}, {10, 50, 0, 1}, {50, 50, 1, 1}, {50, 10, 1, 0}};

void Point(const Corner& corner, double colour) {
    POLYVECTOR(corner.x, corner.y, corner.s, corner.t, colour);
}

void DrawSquare(double sprite, double colour) {
    STARTPOLY(sprite);
    for (const Corner& corner : kSquare)
        Point(corner, colour);
    ENDPOLY();
}

using Polygons = DrawingTest;

TEST_F(Polygons, EachPointFromTheThirdAddsATriangleAroundTheFirst) {
    STARTPOLY(-1);
    Point(kSquare[0], kWhiteColour);
    Point(kSquare[1], kWhiteColour);
    ENDPOLY();
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 0);
    Point(kSquare[2], kWhiteColour);
    ENDPOLY();
    EXPECT_EQ(PixelAt(15, 45), kWhite);  // the lower-left half
    EXPECT_EQ(PixelAt(45, 15), kBlack);
    Point(kSquare[3], kWhiteColour);
    ENDPOLY();
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 40 * 40);
}

TEST_F(Polygons, TheirPointsStaySoThatEndPolyTwiceDrawsTwice) {
    ALPHAMODE(0.25);  // the intensity is taken when each point is given
    STARTPOLY(-1);
    for (const Corner& corner : kSquare)
        Point(corner, kWhiteColour);
    ALPHAMODE(1);
    ENDPOLY();
    EXPECT_PRED2(Near, PixelAt(30, 30), (Rgb{64, 64, 64}));
    ENDPOLY();
    EXPECT_PRED2(Near, PixelAt(30, 30), (Rgb{128, 128, 128}));
}

TEST_F(Polygons, UntexturedCornersBlendTheirColoursAndTheKeyColourIsCutOut) {
    STARTPOLY(-1);
    Point(kSquare[0], 0x0000FF);
    Point(kSquare[1], 0x00FF00);
    Point(kSquare[2], 0xFF0000);
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
}

TEST_F(Polygons, ASpriteTexturesThemWithTCountedFromTheTopAndNoneOutsideTheTable) {
    LoadBitmapSprite(5, {8, 8, 24, false, {}, [](int, int y) {
                             return y < 4 ? TestRgb{255, 0, 0} : TestRgb{0, 0, 255};
                         }});
    DrawSquare(5, 0x808080);  // the corners' colour modulates the texture
    EXPECT_PRED2(Near, PixelAt(30, 15), (Rgb{128, 0, 0}));
    EXPECT_PRED2(Near, PixelAt(30, 45), (Rgb{0, 0, 128}));
    pPrism->FreeSprite(5);
    // Sprite numbers outside the table draw untextured.
    for (const double sprite : {-7.0, 4095.0}) {
        glClear(GL_COLOR_BUFFER_BIT);
        DrawSquare(sprite, kWhiteColour);
        EXPECT_EQ(PixelAt(30, 30), kWhite) << sprite;
    }
}

}  // namespace
