// One frame of the game at a time on the real runtime: the mouse and buttons
// scripted, the frame time from the stepping clock, the picture read back.
#include <gtest/gtest.h>

#include <vector>

#include "game_state.h"
#include "support/drawing_test.h"

namespace {

using namespace game_test;

constexpr std::uint8_t kLeftShift = 42;

// The colour of world point (x, height, y) as the camera shows it.
Rgb ColourSeenAt(double x, double y, double height = 0) {
    double sx = 0, sy = 0, sz = 0;
    X_WORLD2SCREEN(x, height, y, sx, sy, sz);
    return PixelAt(static_cast<int>(sx), static_cast<int>(sy));
}
bool IsGrass(Rgb c) {
    return c[1] > c[0] + 15 && c[1] > c[2] + 15;
}
bool IsAsphalt(Rgb c) {
    return std::abs(c[0] - c[1]) < 20 && std::abs(c[1] - c[2]) < 20 && c[1] < 140;
}

class GameFrame : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ForgetTable(truck);
        damage = 0;
        GameStartUp();
        CopyTruck(truck, start_);
        SHOWSCREEN();
        SHOWSCREEN();  // the frame time is now one frame at 10 per second
        ASSERT_GT(GETTIMER(), 50);
    }
    // Drives `frames` frames with the mouse at x and the buttons as given.
    void DriveWith(double x, bool left, bool right, int frames = 1) {
        runtime_.input->SetButtons(left, right);
        for (int i = 0; i < frames; ++i) {
            SETMOUSE(x, 100);
            Drive();
        }
    }
    void ExpectTruck(NumArray& expected) {
        for (double i = 0; i < 2; ++i) {
            for (double j = 0; j < 5; ++j)
                EXPECT_EQ(truck(i, j), expected(i, j)) << "segment " << i << " column " << j;
        }
    }
    // A camera straight above (x, y), high enough to see the whole city, on a black frame.
    void LookDownAt(double x, double y, double height) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        X_MAKE3D(10, 1000, 45);
        X_CAMERA(x, height, y + 0.01, x, 0, y);
    }
    // The near view of one tile with its corner at the origin and the texture given.
    void DrawOneTile(double texture) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        X_MAKE3D(10, 150, 35);
        X_CAMERA(3.5 - 25, 20, 3.5 + 25, 3.5, 0, 3.5);
        X_CULLMODE(1);
        X_SETTEXTURE(texture, -1);
        X_MOVEMENT(0, 0, 0);
        X_DRAWOBJ(0, 0);
    }
    NumArray start_;
};

TEST_F(GameFrame, RoadKerbsLieOnTheSidesTheirMaskNames) {
    const struct {
        double mask;
        double x, y;  // a ground point just inside the tile near that side
    } sides[] = {{1, 3.5, 0.3}, {2, 0.3, 3.5}, {4, 6.7, 3.5}, {8, 3.5, 6.7}};
    for (const auto& side : sides) {
        SCOPED_TRACE(testing::Message() << "mask " << side.mask);
        DrawOneTile(side.mask);
        EXPECT_TRUE(IsGrass(ColourSeenAt(side.x, side.y)));
        EXPECT_TRUE(IsAsphalt(ColourSeenAt(7 - side.x, 7 - side.y)));  // the opposite side stays road
        EXPECT_TRUE(IsAsphalt(ColourSeenAt(3.5, 3.5)));
    }
}

TEST_F(GameFrame, TheGroundQuadIsALittleLargerThanATile) {
    DrawOneTile(16);
    EXPECT_TRUE(IsGrass(ColourSeenAt(7.05, 3.5)));  // 7 * 64.75 / 64 = 7.08
    EXPECT_EQ(ColourSeenAt(7.2, 3.5), kBlack);
}

TEST_F(GameFrame, AtRestTheWheelsStartTurnedAndTheTruckStaysPut) {
    DriveWith(100, false, false);  // the mouse's x before it is first moved
    EXPECT_DOUBLE_EQ(delta, -4.4);
    EXPECT_EQ(std::pair(vel(0), vel(1)), std::pair(0.0, 0.0));
    ExpectTruck(start_);

    vel(0) = 2;
    R = 123;
    DriveWith(320, false, false);  // centred: no steering, no yaw, R kept
    EXPECT_EQ(delta, 0);
    EXPECT_EQ(vel(1), 0);
    EXPECT_EQ(R, 123);
    EXPECT_LT(truck(0, 2), 30);
    EXPECT_EQ(truck(0, 4), 180);
}

TEST_F(GameFrame, ThrottleAndBrakeStopAtTheSpeedLimits) {
    DriveWith(320, false, true);
    EXPECT_NEAR(vel(0), -0.6 * dtime, 1e-12);  // braking from rest reverses
    DriveWith(320, false, true, 60);
    EXPECT_EQ(vel(0), -1);
    DriveWith(320, true, false);
    EXPECT_NEAR(vel(0), -1 + (0.4 + 0.07) * dtime, 1e-12);  // the drag helps while reversing
    DriveWith(320, true, false, 80);
    EXPECT_EQ(vel(0), 4);
    DriveWith(320, false, false);
    EXPECT_NEAR(vel(0), 4 - 0.28 * dtime, 1e-12);
}

TEST_F(GameFrame, TheYawRateIsLimitedToFifteenEitherWay) {
    const struct { double x, yaw; } cases[] = {{640, 15}, {0, -15}, {321, 0.2052}, {319, -0.2052}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse x " << c.x);
        vel(0) = 4;
        DriveWith(c.x, true, false);
        EXPECT_NEAR(vel(1), c.yaw, 1e-4);
    }
}

TEST_F(GameFrame, AMoveOffTheMapOrAJackknifeIsRolledBackWithDamage) {
    LoadRoadCity();
    const struct {
        const char* name;
        int segment, column;
        double value;
        bool kept;
    } cases[] = {{"off the map", 0, 2, 1.5, false},
                 {"jackknife past 90 degrees", 1, 4, 270.5, false},
                 {"bent by 90 degrees", 1, 4, 270, true},
                 {"on grass", 0, 3, 10, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CopyTruck(start_, truck);
        CopyTruck(start_, last_good_truck);
        city(3, 1) = city(4, 1) = 16;
        truck(c.segment, c.column) = c.value;
        NumArray moved;
        CopyTruck(truck, moved);
        dtime = 0.25;
        damage = 1;
        vel(0) = 3;
        vel(1) = 7;
        AcceptOrRollBack();
        NumArray& expected = c.kept ? moved : start_;
        ExpectTruck(expected);
        for (double j = 0; j < 5; ++j)
            EXPECT_EQ(last_good_truck(1, j), expected(1, j));
        EXPECT_EQ(damage, c.kept ? 1 : 1.25);
        EXPECT_EQ(vel(0), c.kept ? 3 : 1.5);
        EXPECT_EQ(vel(1), 7);
    }
}

TEST_F(GameFrame, TheHeadUpTextShowsSpeedTimesTwentyAndDamageAsItsText) {
    const struct {
        double speed, damage;
        const char *speed_text, *damage_text;
    } cases[] = {{0, 0, "Speed: 0.0", "Damage: 0%"},
                 {4, 100.0 / 360, "Speed: 80.0", "Damage: 0.2777777778%"},
                 {-1, 12, "Speed: -20.0", "Damage: 12%"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed_text);
        X_MAKE2D();
        glClear(GL_COLOR_BUFFER_BIT);
        PRINT(DynStr(c.speed_text), 0, 50);
        PRINT(DynStr(c.damage_text), 0, 100);
        const std::vector<unsigned char> expected = FramePixels(0, 0, 640, 160);
        glClear(GL_COLOR_BUFFER_BIT);
        vel(0) = c.speed;
        damage = c.damage;
        DrawHeadUpText();
        EXPECT_EQ(FramePixels(0, 0, 640, 160), expected);
    }
}

TEST_F(GameFrame, LeftShiftSwitchesToTheFarViewForTheFramesItIsHeld) {
    const struct {
        bool shift;
        double fov, far, back, up;
    } cases[] = {{true, 45, 1000, 70, 110}, {false, 35, 150, 25, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift ? "far" : "near");
        runtime_.input->SetKey(kLeftShift, c.shift);
        SHOWSCREEN();
        const double points[][3] = {{30, 0, 30}, {20, 5, 40}, {45, 0, 25}};
        double seen[3][3], expected[3][3];
        InitViewport();
        for (int p = 0; p < 3; ++p)
            X_WORLD2SCREEN(points[p][0], points[p][1], points[p][2], seen[p][0], seen[p][1], seen[p][2]);
        X_MAKE3D(10, c.far, c.fov);
        X_CAMERA(30 - c.back, c.up, 30 + c.back, 30, 0, 30);
        for (int p = 0; p < 3; ++p) {
            X_WORLD2SCREEN(points[p][0], points[p][1], points[p][2], expected[p][0], expected[p][1],
                           expected[p][2]);
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(seen[p][k], expected[p][k], 1e-6) << "point " << p << " coordinate " << k;
        }
    }
}

TEST_F(GameFrame, TilesAreDrawnUpToTheRadiusAroundTheCab) {
    LoadRoadCity();
    const struct {
        double px, py, radius;
        int x, y;
        bool drawn;
    } cases[] = {{30, 30, 100, 0, 0, true}, {30, 30, 100, 19, 4, false}, {0, 7, 35, 3, 5, true},
                 {0, 7, 35, 4, 4, true},    {0, 7, 35, 5, 1, true},      {0, 7, 35, 1, 6, false},
                 {0, 7, 35, 4, 5, false},   {0, 7, 35, 6, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "tile " << c.x << ", " << c.y << " around " << c.px << ", " << c.py);
        LookDownAt(70, 70, 250);
        DrawCity(c.px, c.py, c.radius);
        const Rgb colour = ColourSeenAt((c.x + 0.5) * 7, (c.y + 0.5) * 7);
        EXPECT_EQ(IsAsphalt(colour), c.drawn);  // the road tile, or the grass plane below
        EXPECT_EQ(IsGrass(colour), !c.drawn);
    }
}

TEST_F(GameFrame, TheArrowPointsAlongTheCabTurnedByTheSteering) {
    const struct {
        double steer;
        double tip_x, tip_y;  // a point near the arrow's tip
    } cases[] = {{0, 26.7, 30}, {3.75, 30, 26.7}, {-3.75, 30, 33.3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "steer " << c.steer);
        LookDownAt(30, 30, 40);
        DrawTruck(c.steer);
        EXPECT_NE(ColourSeenAt(c.tip_x, c.tip_y), kBlack);
        for (const auto& other : cases) {
            if (&other == &c) continue;
            EXPECT_EQ(ColourSeenAt(other.tip_x, other.tip_y), kBlack) << "steer " << other.steer;
        }
    }
}

TEST_F(GameFrame, TheCabStandsOnTheGroundAtItsReferencePointFacingItsHeading) {
    ForgetTable(truck);
    DIM(truck, 1, 5);
    SetSegment(truck, 0, 1.75, -0.3, 100, 100, 90);  // facing +y
    LookDownAt(100, 100, 40);
    DrawTruck(0);
    EXPECT_NE(ColourSeenAt(100, 101.5), kBlack);  // the cabin, ahead of the reference point
    for (const auto& [x, y] : {std::pair{98.5, 100.0}, {101.5, 100}, {100, 98.5}})
        EXPECT_EQ(ColourSeenAt(x, y), kBlack) << x << ", " << y;
    // Seen from the side, a front wheel reaches down to the ground.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_CAMERA(130, 0.5, 100, 100, 0.5, 100);
    DrawTruck(0);
    EXPECT_NE(ColourSeenAt(101, 101.75, 0.2), kBlack);
}

TEST_F(GameFrame, TwoParkedTrucksStandUnturnedBesideTheStart) {
    for (double i = 0; i < 2; ++i)
        truck(i, 2) = truck(i, 2) + 200;  // the game's own truck out of sight
    LookDownAt(35, 40, 40);
    DrawTruck(0);
    const std::vector<unsigned char> drawn = FramePixels(0, 0, 640, 480);
    LookDownAt(35, 40, 40);
    X_SETTEXTURE(100, -1);
    for (double x : {30, 40}) {
        X_MOVEMENT(x, 0, 40);
        X_DRAWOBJ(100, 0);
    }
    EXPECT_EQ(FramePixels(0, 0, 640, 480), drawn);
}

}  // namespace
