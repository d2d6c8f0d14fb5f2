// The game's drawing, rendered for real and read back.
#include <gtest/gtest.h>

#include <string>

#include "game_state.h"
#include "support/drawing_test.h"

namespace {

using namespace game_test;

bool IsGrass(Rgb c) {
    return c[1] > c[0] + 15 && c[1] > c[2] + 15;
}
bool IsAsphalt(Rgb c) {
    return std::abs(c[0] - c[1]) < 20 && std::abs(c[1] - c[2]) < 20 && c[1] < 140;
}

// The colour of ground point (x, z) as the game's camera shows it.
Rgb GroundColour(double x, double z) {
    double sx = 0, sy = 0, sz = 0;
    X_WORLD2SCREEN(x, 0, z, sx, sy, sz);
    return PixelAt(static_cast<int>(sx), static_cast<int>(sy));
}

class GameDrawing : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        TileSize = 7;
        LoadTextures();  // from the generated files beside the test
    }

    // One road tile with its corner at the origin, seen as in the game.
    void DrawTileWithMask(double mask) {
        X_MAKE3D(10, 150, 35);
        X_CAMERA(3.5 - 25, 20, 3.5 + 25, 3.5, 0, 3.5);
        X_CULLMODE(1);
        X_SETTEXTURE(mask, -1);
        X_MOVEMENT(0, 0, 0);
        X_DRAWOBJ(0, 0);
    }
};

TEST_F(GameDrawing, RoadKerbsLieOnTheSidesTheirMaskNames) {
    struct Side {
        double mask;
        double x, z;  // a ground point just inside the tile near that side
    };
    const Side sides[] = {{1, 3.5, 0.3}, {2, 0.3, 3.5}, {4, 6.7, 3.5}, {8, 3.5, 6.7}};
    for (const Side& side : sides) {
        SCOPED_TRACE(testing::Message() << "mask " << side.mask);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawTileWithMask(side.mask);
        EXPECT_TRUE(IsGrass(GroundColour(side.x, side.z)));
        EXPECT_TRUE(IsAsphalt(GroundColour(7 - side.x, 7 - side.z)));  // the opposite side stays road
        EXPECT_TRUE(IsAsphalt(GroundColour(3.5, 3.5)));
    }
}

TEST_F(GameDrawing, TheGroundQuadIsALittleLargerThanATile) {
    X_MAKE3D(10, 150, 35);
    X_CAMERA(3.5 - 25, 20, 3.5 + 25, 3.5, 0, 3.5);
    X_CULLMODE(1);
    X_SETTEXTURE(16, -1);
    X_MOVEMENT(0, 0, 0);
    X_DRAWOBJ(0, 0);
    EXPECT_TRUE(IsGrass(GroundColour(7.05, 3.5)));  // 7 * 64.75 / 64 = 7.08
    EXPECT_EQ(GroundColour(7.2, 3.5), kBlack);
}

}  // namespace
