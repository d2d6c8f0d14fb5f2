// One frame of the game at a time on the real runtime, with scripted input and the stepping clock.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "game_state.h"
#include "support/drawing_test.h"

namespace {

using namespace game_test;

// The screen pixel of ground point (x, y) as the camera shows it.
std::pair<int, int> SeenAt(double x, double y) {
    double sx = 0, sy = 0, sz = 0;
    X_WORLD2SCREEN(x, 0, y, sx, sy, sz);
    return {static_cast<int>(sx), static_cast<int>(sy)};
}
Rgb ColourSeenAt(double x, double y) {
    return PixelAt(SeenAt(x, y).first, SeenAt(x, y).second);
}
bool IsGrass(Rgb c) {
    return c[1] > c[0] + 15 && c[1] > c[2] + 15;
}
bool IsAsphalt(Rgb c) {
    return std::abs(c[0] - c[1]) < 20 && std::abs(c[1] - c[2]) < 20 && c[1] < 140;
}

// A camera straight above (x, y) on a black frame.
void LookDownAt(double x, double y, double height) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_MAKE3D(10, 1000, 45);
    X_CAMERA(x, height, y + 0.01, x, 0, y);
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
    void ExpectTruck(NumArray& expected, NumArray& seen = truck) {
        for (double i = 0; i < 2; ++i) {
            for (double j = 0; j < 5; ++j)
                EXPECT_EQ(seen(i, j), expected(i, j)) << "segment " << i << " column " << j;
        }
    }
    NumArray start_;
};

TEST_F(GameFrame, TheMouseSteersTheButtonsDriveWithinTheLimitsBadMovesRollBackAndTheTextShowsSpeedAndDamage) {
    DriveWith(100, false, false);  // the mouse's x before it is first moved: the wheels start turned
    EXPECT_DOUBLE_EQ(delta, -4.4);
    EXPECT_EQ(std::pair(vel(0), vel(1)), std::pair(0.0, 0.0));
    ExpectTruck(start_);  // at speed 0 the truck is not pulled
    vel(0) = 2;
    R = 123;
    DriveWith(320, false, false);  // centred: no steering, no yaw, R kept
    EXPECT_EQ(std::tuple(delta, vel(1), R, truck(0, 4)), std::tuple(0.0, 0.0, 123.0, 180.0));
    EXPECT_LT(truck(0, 2), 30);
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

    DIM(city, kCityTiles, kCityTiles);
    // Off the map, a jackknife past 90 degrees, and a move onto grass, which is kept.
    for (const auto& [segment, column, value, kept] :
         {std::tuple{0, 2, 1.5, false}, {1, 4, 270.5, false}, {0, 3, 10.0, true}}) {
        SCOPED_TRACE(value);
        CopyTruck(start_, truck);
        CopyTruck(start_, last_good_truck);
        city(3, 1) = city(4, 1) = 16;
        truck(segment, column) = value;
        NumArray moved;
        CopyTruck(truck, moved);
        dtime = 0.25;
        damage = 1;
        vel(0) = 3;
        vel(1) = 7;
        AcceptOrRollBack();
        ExpectTruck(kept ? moved : start_);
        ExpectTruck(kept ? moved : start_, last_good_truck);
        EXPECT_EQ(std::tuple(damage, vel(0), vel(1)),
                  kept ? std::tuple(1.0, 3.0, 7.0) : std::tuple(1.25, 1.5, 7.0));
    }

    for (const auto& [speed, damage_now, speed_text, damage_text] :
         {std::tuple{0.0, 0.0, "Speed: 0.0", "Damage: 0%"},
          {4, 100.0 / 360, "Speed: 80.0", "Damage: 0.2777777778%"}}) {
        X_MAKE2D();
        glClear(GL_COLOR_BUFFER_BIT);
        PRINT(DynStr(speed_text), 0, 50);
        PRINT(DynStr(damage_text), 0, 100);
        const std::vector<unsigned char> expected = FramePixels(0, 0, 640, 160);
        glClear(GL_COLOR_BUFFER_BIT);
        vel(0) = speed;
        damage = damage_now;
        DrawHeadUpText();
        EXPECT_EQ(FramePixels(0, 0, 640, 160), expected) << speed_text;
    }
}

TEST_F(GameFrame, FarAndNearViewsCityTilesWithinTheRadiusTheCabTheArrowAndTheParkedTrucks) {
    const auto matrices = [] {
        std::vector<double> m(32);
        glGetDoublev(GL_PROJECTION_MATRIX, m.data());
        glGetDoublev(GL_MODELVIEW_MATRIX, m.data() + 16);
        return m;
    };
    for (const auto& [shift, fov, far, back, up] :
         {std::array{1.0, 45.0, 1000.0, 70.0, 110.0}, {0, 35, 150, 25, 20}}) {
        runtime_.input->SetKey(42, shift != 0);  // left Shift
        SHOWSCREEN();
        InitViewport();
        const std::vector<double> seen = matrices();
        X_MAKE3D(10, far, fov);
        X_CAMERA(30 - back, up, 30 + back, 30, 0, 30);
        const std::vector<double> expected = matrices();
        for (std::size_t k = 0; k < 32; ++k)
            EXPECT_NEAR(seen[k], expected[k], 1e-9)
                << (shift != 0 ? "far" : "near") << " view, element " << k;
    }

    // A ground tile of each mask: grass on the named side, road opposite and in the middle.
    for (const auto& [mask, x, y] :
         {std::array{1.0, 3.5, 0.3}, {2, 0.3, 3.5}, {4, 6.7, 3.5}, {8, 3.5, 6.7}}) {
        SCOPED_TRACE(testing::Message() << "mask " << mask);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        X_MAKE3D(10, 150, 35);
        X_CAMERA(3.5 - 25, 20, 3.5 + 25, 3.5, 0, 3.5);
        X_CULLMODE(1);
        X_SETTEXTURE(mask, -1);
        X_MOVEMENT(0, 0, 0);
        X_DRAWOBJ(0, 0);  // the ground tile, its corner at the origin
        EXPECT_TRUE(IsGrass(ColourSeenAt(x, y)));
        EXPECT_TRUE(IsAsphalt(ColourSeenAt(7 - x, 7 - y)) && IsAsphalt(ColourSeenAt(3.5, 3.5)));
    }
    DIM(city, kCityTiles, kCityTiles);
    // Tiles whose corners lie within radius / 7 of the cab's tile: (3, 5) exactly at it.
    for (const auto& [px, py, radius, x, y, drawn] : {std::tuple{30, 30, 100, 0, 0, true},
                                                      {30, 30, 100, 19, 4, false},
                                                      {0, 7, 35, 3, 5, true},
                                                      {0, 7, 35, 4, 5, false}}) {
        SCOPED_TRACE(testing::Message() << "tile " << x << ", " << y << " around " << px << ", " << py);
        LookDownAt(70, 70, 250);
        DrawCity(px, py, radius);
        const Rgb colour = ColourSeenAt((x + 0.5) * 7, (y + 0.5) * 7);
        EXPECT_TRUE(IsAsphalt(colour) == drawn &&
                    IsGrass(colour) == !drawn);  // road, or the grass plane below
    }
    city(2, 2) = 56;  // a shop stands above the ground around it
    LookDownAt(20, 20, 100);
    DrawCity(20, 20, 100);
    std::array<float, 2> depth{};
    for (int i = 0; i < 2; ++i) {
        const auto [sx, sy] = SeenAt((2 + 2 * i + 0.5) * 7, 2.5 * 7);
        glReadPixels(sx, 479 - sy, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth[static_cast<std::size_t>(i)]);
    }
    EXPECT_LT(depth[0], depth[1]);

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

    // The cab facing +y: the arrow's tip 3.3 ahead turned 24 degrees a step; nothing beside or behind.
    SetSegment(truck, 0, 1.75, -0.3, 100, 100, 90);
    LookDownAt(100, 100, 40);
    DrawTruck(0);
    EXPECT_NE(ColourSeenAt(100, 101.5), kBlack);
    for (const auto& [x, y] : {std::pair{98.5, 100.0}, {101.5, 100}, {100, 98.5}})
        EXPECT_EQ(ColourSeenAt(x, y), kBlack) << x << ", " << y;
    const std::array<std::array<double, 3>, 4> tips{
        {{0, 100, 103.3}, {3.75, 96.7, 100}, {-3.75, 103.3, 100}, {7.5, 100, 96.7}}};
    for (const auto& [steer, tip_x, tip_y] : tips) {
        LookDownAt(100, 100, 40);
        DrawTruck(steer);
        for (const auto& [other, x, y] : tips)
            EXPECT_EQ(ColourSeenAt(x, y) != kBlack, other == steer)
                << "steer " << steer << ", tip of " << other;
    }
}

}  // namespace
