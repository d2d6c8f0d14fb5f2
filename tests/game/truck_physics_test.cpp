#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "game_state.h"

namespace game_test {
namespace {

void ExpectCoupled(double tolerance) {
    for (double i = 0; i + 1 < BOUNDS(truck, 0); ++i) {
        EXPECT_NEAR(FrontHitch(i + 1).x, RearHitch(i).x, tolerance) << "segment " << i;
        EXPECT_NEAR(FrontHitch(i + 1).y, RearHitch(i).y, tolerance) << "segment " << i;
    }
}

// Reference points and headings of the cab and the trailer.
void ExpectPose(std::array<double, 6> pose, double tolerance) {
    const double seen[] = {truck(0, 2), truck(0, 3), truck(0, 4), truck(1, 2), truck(1, 3), truck(1, 4)};
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(seen[k], pose[k], tolerance) << "value " << k;
}

TEST(PullTruck, StraightPullMovesEverySegmentStraightAheadAndNoPullNothing) {
    BuildGameTruck();
    EXPECT_EQ(PullTruck(0, 0), 0);
    ExpectPose({30, 30, 180, 36.15, 30, 180}, 1e-8);  // SIN(180) is not exactly 0
    PullTruck(1, 0);
    ExpectPose({29, 30, 180, 35.15, 30, 180}, 1e-8);
    ExpectCoupled(1e-9);
    EXPECT_EQ(truck(0, 1), -0.3);  // the lengths are never written
    EXPECT_EQ(truck(1, 0), 6.45);

    // A bent chain stays bent, each segment put back where it was.
    for (int frame = 0; frame < 3; ++frame)
        PullTruck(1, 10);
    NumArray before;
    CopyTruck(truck, before);
    PullTruck(0, 0);
    ExpectPose({before(0, 2), before(0, 3), before(0, 4), before(1, 2), before(1, 3), before(1, 4)}, 1e-12);
}

TEST(PullTruck, SingleSegmentSwungAQuarterTurnOnItsLever) {
    ForgetTable(truck);
    DIM(truck, 1, 5);
    SetSegment(truck, 0, 1, 0, 0, 0, 0);
    PullTruck(0, 90);
    // The hitch moves from (1, 0) to (0, 1); the segment turns half way and
    // slides so that its hitch sits on the target.
    EXPECT_NEAR(truck(0, 4), 45, 1e-7);
    EXPECT_NEAR(truck(0, 2), -std::sqrt(0.5), 1e-7);
    EXPECT_NEAR(truck(0, 3), 1 - std::sqrt(0.5), 1e-7);
}

TEST(PullTruck, SteeringTurnsTheCabAndTheTrailerFollowsSlowlyMirroredForTheOtherWay) {
    BuildGameTruck();
    PullTruck(1, 10);
    const double cab_turn = truck(0, 4) - 180;
    const double trailer_turn = truck(1, 4) - 180;
    EXPECT_TRUE(cab_turn > 15 && cab_turn < 16) << cab_turn;
    EXPECT_TRUE(trailer_turn > 0 && trailer_turn < 1) << trailer_turn;
    EXPECT_NEAR(truck(0, 2), 29, 0.1);
    ExpectCoupled(1e-9);
    const std::array<double, 6> mirrored = {truck(0, 2), 60 - truck(0, 3), 180 - cab_turn,
                                            truck(1, 2), 60 - truck(1, 3), 180 - trailer_turn};
    BuildGameTruck();
    PullTruck(1, -10);
    ExpectPose(mirrored, 1e-6);
}

TEST(PullTruck, TurningAtRestSwingsTheSteeringPointOnItsLever) {
    BuildGameTruck();
    PullTruck(0, 10);
    // The steering point lies on the lever's end, 1.75 from the old reference point at 190 degrees.
    EXPECT_NEAR(FrontHitch(0).x, 30 + 1.75 * std::cos(190 * M_PI / 180), 1e-6);
    EXPECT_NEAR(FrontHitch(0).y, 30 + 1.75 * std::sin(190 * M_PI / 180), 1e-6);
    EXPECT_GT(truck(0, 4), 180);
    ExpectCoupled(1e-9);
}

TEST(PullTruck, HingesStayCoupledOverManyRandomPulls) {
    BuildGameTruck();
    AddHinge(3, 0.5);
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> dist(-0.4, 1.2);
    std::uniform_real_distribution<double> turn(-6, 6);
    for (int frame = 0; frame < 2000; ++frame) {
        PullTruck(dist(random), turn(random));
        ExpectCoupled(1e-7);
        if (HasFailure()) FAIL() << "after frame " << frame;
    }
}

}  // namespace
}  // namespace game_test
