#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"

namespace {

constexpr double kWhiteColour = 0xFFFFFF;

// The corners of the square from (10, 10) to (50, 50), wound so that the fan
// faces the viewer: down the left side, then along the bottom.
struct Corner {
    double x, y, s, t;
};
const Corner kSquare[4] = {{10, 10, 0, 0}, {10, 50, 0, 1}, {50, 50, 1, 1}, {50, 10, 1, 0}};
// A pixel inside the lower-left half of the square and one inside the upper-right half.
constexpr int kLowerLeftX = 15, kLowerLeftY = 45;
constexpr int kUpperRightX = 45, kUpperRightY = 15;

void Point(const Corner& corner, double colour) {
    POLYVECTOR(corner.x, corner.y, corner.s, corner.t, colour);
}

using Polygons = DrawingTest;

TEST_F(Polygons, EachPointFromTheThirdAddsATriangleAroundTheFirst) {
    STARTPOLY(-1);
    Point(kSquare[0], kWhiteColour);
    Point(kSquare[1], kWhiteColour);
    ENDPOLY();
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 0);  // two points draw nothing

    Point(kSquare[2], kWhiteColour);
    ENDPOLY();
    EXPECT_EQ(PixelAt(kLowerLeftX, kLowerLeftY), kWhite);
    EXPECT_EQ(PixelAt(kUpperRightX, kUpperRightY), kBlack);

    glClear(GL_COLOR_BUFFER_BIT);
    Point(kSquare[3], kWhiteColour);
    ENDPOLY();
    EXPECT_EQ(PixelAt(kLowerLeftX, kLowerLeftY), kWhite);
    EXPECT_EQ(PixelAt(kUpperRightX, kUpperRightY), kWhite);
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 40 * 40);

    // The records: p0 p1 p2 p0 p2 p3 p0 p3, y negated, t counted from the bottom.
    const std::vector<OpenGLPrism::PolygonVertex>& vertices = pPrism->PolygonVertices();
    ASSERT_EQ(vertices.size(), 8u);
    const int order[8] = {0, 1, 2, 0, 2, 3, 0, 3};
    for (int i = 0; i < 8; ++i) {
        const Corner& corner = kSquare[order[i]];
        EXPECT_EQ(vertices[i].x, corner.x) << i;
        EXPECT_EQ(vertices[i].y, -corner.y) << i;
        EXPECT_EQ(vertices[i].s, corner.s) << i;
        EXPECT_EQ(vertices[i].t, 1 - corner.t) << i;
        EXPECT_EQ(vertices[i].alpha, 1.0f) << i;
    }

    STARTPOLY(-1);
    EXPECT_TRUE(pPrism->PolygonVertices().empty());
}

TEST_F(Polygons, TheirPointsStaySoThatEndPolyTwiceDrawsTwice) {
    ALPHAMODE(0.25);  // added at a quarter, taken when each point is given
    STARTPOLY(-1);
    for (const Corner& corner : kSquare)
        Point(corner, kWhiteColour);
    ALPHAMODE(1);
    ENDPOLY();
    EXPECT_NEAR(PixelAt(30, 30)[0], 64, 1);
    ENDPOLY();
    EXPECT_NEAR(PixelAt(30, 30)[0], 128, 1);
    EXPECT_FLOAT_EQ(pPrism->ColorIntensity(), 1.0f);
}

TEST_F(Polygons, UntexturedCornersBlendTheirColoursAndTheKeyColourIsCutOut) {
    STARTPOLY(-1);
    Point(kSquare[0], 0x0000FF);
    Point(kSquare[1], 0x00FF00);
    Point(kSquare[2], 0xFF0000);
    ENDPOLY();
    const Rgb near_first = PixelAt(11, 13);
    EXPECT_GT(near_first[0], 200);
    EXPECT_LT(near_first[1], 60);
    const Rgb middle = PixelAt(23, 37);  // smooth shading mixes all three
    EXPECT_GT(middle[0], 50);
    EXPECT_GT(middle[1], 50);
    EXPECT_GT(middle[2], 50);
    GLint shading = 0;
    glGetIntegerv(GL_SHADE_MODEL, &shading);
    EXPECT_EQ(shading, GL_FLAT);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    // Key-coloured corners get alpha 0, which the alpha test removes.
    glClear(GL_COLOR_BUFFER_BIT);
    STARTPOLY(-1);
    for (const Corner& corner : kSquare)
        Point(corner, 0x8000FF);
    ENDPOLY();
    EXPECT_EQ(LitPixels(0, 0, 60, 60), 0);
    STARTPOLY(-1);
    for (const Corner& corner : kSquare)
        Point(corner, 0x8000FE);
    ENDPOLY();
    EXPECT_EQ(PixelAt(30, 30), (Rgb{254, 0, 128}));
}

TEST_F(Polygons, ASpriteTexturesThemWithTCountedFromTheTop) {
    // Top half red, bottom half blue.
    const std::string path = PrivateTempFolder() + "halves.bmp";
    WriteBitmap(path, {8, 8, 24, false, {}, [](int, int y) {
                           return y < 4 ? TestRgb{255, 0, 0} : TestRgb{0, 0, 255};
                       }});
    ASSERT_TRUE(pPrism->LoadSprite(5, path.c_str(), OpenGLPrism::kSpriteKey, false));
    STARTPOLY(5);
    for (const Corner& corner : kSquare)
        Point(corner, 0x808080);  // modulates the texture
    ENDPOLY();
    EXPECT_TRUE(Near(PixelAt(30, 15), {128, 0, 0}));
    EXPECT_TRUE(Near(PixelAt(30, 45), {0, 0, 128}));
    pPrism->FreeSprite(5);
}

TEST_F(Polygons, SpriteNumbersOutsideTheTableDrawUntextured) {
    for (const double sprite : {-7.0, 4095.0, 1e12}) {
        glClear(GL_COLOR_BUFFER_BIT);
        STARTPOLY(sprite);
        for (const Corner& corner : kSquare)
            Point(corner, kWhiteColour);
        ENDPOLY();
        EXPECT_EQ(PixelAt(30, 30), kWhite) << sprite;
    }
}

}  // namespace
