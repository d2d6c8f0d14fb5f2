#include <gtest/gtest.h>

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

TEST(PullTruck, StraightPullMovesEverySegmentStraightAhead) {
    BuildGameTruck();
    EXPECT_EQ(PullTruck(1, 0), 0);
    // SIN(180) is not exactly 0, so y may move by a few billionths.
    EXPECT_NEAR(truck(0, 2), 29, 1e-9);
    EXPECT_NEAR(truck(0, 3), 30, 1e-8);
    EXPECT_NEAR(truck(1, 2), 35.15, 1e-9);
    EXPECT_NEAR(truck(1, 3), 30, 1e-8);
    EXPECT_NEAR(truck(0, 4), 180, 1e-6);
    EXPECT_NEAR(truck(1, 4), 180, 1e-6);
    EXPECT_NEAR(RearHitch(0).x, 28.7, 1e-9);
    ExpectCoupled(1e-9);
    // The lengths are never written.
    EXPECT_EQ(truck(0, 0), 1.75);
    EXPECT_EQ(truck(0, 1), -0.3);
    EXPECT_EQ(truck(1, 0), 6.45);
    EXPECT_EQ(truck(1, 1), 1.25);
}

TEST(PullTruck, NoPullChangesNothing) {
    BuildGameTruck();
    PullTruck(0, 0);
    EXPECT_EQ(truck(0, 4), 180);
    EXPECT_EQ(truck(1, 4), 180);
    EXPECT_NEAR(truck(0, 2), 30, 1e-12);
    EXPECT_NEAR(truck(1, 2), 36.15, 1e-12);
    EXPECT_NEAR(truck(1, 3), 30, 1e-8);  // SIN(180) is not exactly 0

    // A bent chain stays bent, each segment put back where it was.
    for (int frame = 0; frame < 3; ++frame)
        PullTruck(1, 10);
    NumArray before;
    CopyTruck(truck, before);
    PullTruck(0, 0);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(truck(i, 4), before(i, 4));
        EXPECT_NEAR(truck(i, 2), before(i, 2), 1e-12);
        EXPECT_NEAR(truck(i, 3), before(i, 3), 1e-12);
    }
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
    EXPECT_NEAR(FrontHitch(0).x, 0, 1e-7);
    EXPECT_NEAR(FrontHitch(0).y, 1, 1e-7);
}

TEST(PullTruck, SteeringTurnsTheCabAndTheTrailerFollowsSlowly) {
    BuildGameTruck();
    PullTruck(1, 10);
    const double cab_turn = truck(0, 4) - 180;
    const double trailer_turn = truck(1, 4) - 180;
    EXPECT_GT(cab_turn, 15);
    EXPECT_LT(cab_turn, 16);
    EXPECT_NEAR(truck(0, 2), 29, 0.1);
    EXPECT_GT(trailer_turn, 0);
    EXPECT_LT(trailer_turn, 1);
    ExpectCoupled(1e-9);

    // Steering the other way is the mirror image.
    const double cab_x = truck(0, 2), cab_y = truck(0, 3);
    const double trailer_y = truck(1, 3);
    BuildGameTruck();
    PullTruck(1, -10);
    EXPECT_NEAR(truck(0, 4) - 180, -cab_turn, 1e-6);
    EXPECT_NEAR(truck(1, 4) - 180, -trailer_turn, 1e-6);
    EXPECT_NEAR(truck(0, 2), cab_x, 1e-6);
    EXPECT_NEAR(truck(0, 3) - 30, 30 - cab_y, 1e-6);
    EXPECT_NEAR(truck(1, 3) - 30, 30 - trailer_y, 1e-6);
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
    EXPECT_EQ(truck(0, 0), 1.75);
    EXPECT_EQ(truck(2, 1), 0.5);
}

}  // namespace
}  // namespace game_test
