// One frame of the game at a time on the real runtime: the mouse and buttons
// scripted, the frame time from the stepping clock, the picture read back.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game_state.h"
#include "support/drawing_test.h"

namespace {

using namespace game_test;

constexpr std::uint8_t kLeftShift = 42;

// The colour of ground point (x, y) as the camera shows it.
Rgb ColourSeenAt(double x, double y) {
    double sx = 0, sy = 0, sz = 0;
    X_WORLD2SCREEN(x, 0, y, sx, sy, sz);
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
    NumArray start_;
};

TEST_F(GameFrame, RoadKerbsLieOnTheSidesTheirMaskNames) {
    const struct {
        double mask;
        double x, y;  // a ground point just inside the tile near that side
    } sides[] = {{1, 3.5, 0.3}, {2, 0.3, 3.5}, {4, 6.7, 3.5}, {8, 3.5, 6.7}};
    for (const auto& side : sides) {
        SCOPED_TRACE(testing::Message() << "mask " << side.mask);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        X_MAKE3D(10, 150, 35);
        X_CAMERA(3.5 - 25, 20, 3.5 + 25, 3.5, 0, 3.5);
        X_CULLMODE(1);
        X_SETTEXTURE(side.mask, -1);
        X_MOVEMENT(0, 0, 0);
        X_DRAWOBJ(0, 0);  // the ground tile, its corner at the origin
        EXPECT_TRUE(IsGrass(ColourSeenAt(side.x, side.y)));
        EXPECT_TRUE(IsAsphalt(ColourSeenAt(7 - side.x, 7 - side.y)));  // the opposite side stays road
        EXPECT_TRUE(IsAsphalt(ColourSeenAt(3.5, 3.5)));
    }
}

TEST_F(GameFrame, TheMouseSteersAndTheButtonsDriveWithinTheLimits) {
    DriveWith(100, false, false);  // the mouse's x before it is first moved: the wheels start turned
    EXPECT_DOUBLE_EQ(delta, -4.4);
    EXPECT_EQ(std::pair(vel(0), vel(1)), std::pair(0.0, 0.0));
    ExpectTruck(start_);  // at speed 0 the truck is not pulled

    vel(0) = 2;
    R = 123;
    DriveWith(320, false, false);  // centred: no steering, no yaw, R kept
    EXPECT_EQ(std::pair(delta, vel(1)), std::pair(0.0, 0.0));
    EXPECT_EQ(R, 123);
    EXPECT_LT(truck(0, 2), 30);
    EXPECT_EQ(truck(0, 4), 180);

    vel(0) = 0;
    DriveWith(320, false, true);
    EXPECT_NEAR(vel(0), -0.6 * dtime, 1e-12);  // braking from rest reverses
    DriveWith(320, false, true, 60);
    EXPECT_EQ(vel(0), -1);
    DriveWith(320, true, false);
    EXPECT_NEAR(vel(0), -1 + (0.4 + 0.07) * dtime, 1e-12);  // the drag helps while reversing
    DriveWith(320, true, false, 80);
    EXPECT_EQ(vel(0), 4);
    for (const auto& [x, yaw] : {std::pair{640.0, 15.0}, {0, -15}, {321, 0.2052}}) {
        vel(0) = 4;
        DriveWith(x, true, false);
        EXPECT_NEAR(vel(1), yaw, 1e-4) << "mouse x " << x;
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
                 {4, 100.0 / 360, "Speed: 80.0", "Damage: 0.2777777778%"}};
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

// The projection and model-view matrices in force.
std::vector<double> Matrices() {
    std::vector<double> m(32);
    glGetDoublev(GL_PROJECTION_MATRIX, m.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data() + 16);
    return m;
}

TEST_F(GameFrame, LeftShiftSwitchesToTheFarViewForTheFramesItIsHeld) {
    for (const auto& [shift, fov, far, back, up] :
         {std::array{1.0, 45.0, 1000.0, 70.0, 110.0}, {0, 35, 150, 25, 20}}) {
        runtime_.input->SetKey(kLeftShift, shift != 0);
        SHOWSCREEN();
        InitViewport();
        const std::vector<double> seen = Matrices();
        X_MAKE3D(10, far, fov);
        X_CAMERA(30 - back, up, 30 + back, 30, 0, 30);
        const std::vector<double> expected = Matrices();
        for (std::size_t k = 0; k < 32; ++k)
            EXPECT_NEAR(seen[k], expected[k], 1e-9)
                << (shift != 0 ? "far" : "near") << " view, element " << k;
    }
}

TEST_F(GameFrame, TilesAreDrawnUpToTheRadiusAroundTheCab) {
    LoadRoadCity();
    const struct {
        double px, py, radius;
        int x, y;
        bool drawn;
    } cases[] = {{30, 30, 100, 0, 0, true},
                 {30, 30, 100, 19, 4, false},  // corners at (x, y) within 100/7
                 {0, 7, 35, 3, 5, true},
                 {0, 7, 35, 4, 5, false}};  // (3, 5) exactly at the radius
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

TEST_F(GameFrame, TheCabStandsAtItsReferencePointFacingItsHeading) {
    ForgetTable(truck);
    DIM(truck, 1, 5);
    SetSegment(truck, 0, 1.75, -0.3, 100, 100, 90);  // facing +y
    LookDownAt(100, 100, 40);
    DrawTruck(0);
    EXPECT_NE(ColourSeenAt(100, 101.5), kBlack);  // the cabin, ahead of the reference point
    for (const auto& [x, y] : {std::pair{98.5, 100.0}, {101.5, 100}, {100, 98.5}})
        EXPECT_EQ(ColourSeenAt(x, y), kBlack) << x << ", " << y;
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
