#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "game_state.h"

namespace game_test {
namespace {

void ExpectCoupled() {
    EXPECT_NEAR(FrontHitch(1).x, RearHitch(0).x, 1e-9);
    EXPECT_NEAR(FrontHitch(1).y, RearHitch(0).y, 1e-9);
}

// Reference points and headings of the cab and the trailer.
void ExpectPose(std::array<double, 6> pose, double tolerance) {
    const double seen[] = {truck(0, 2), truck(0, 3), truck(0, 4), truck(1, 2), truck(1, 3), truck(1, 4)};
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(seen[k], pose[k], tolerance) << "value " << k;
}

TEST(PullTruck, StraightPullMovesEverySegmentStraightAheadAndNoPullNothing) {
    BuildGameTruck();
    PullTruck(0, 0);
    ExpectPose({30, 30, 180, 36.15, 30, 180}, 1e-8);  // SIN(180) is not exactly 0
    PullTruck(1, 0);
    ExpectPose({29, 30, 180, 35.15, 30, 180}, 1e-8);
    ExpectCoupled();
    EXPECT_EQ(truck(1, 0), 6.45);  // the lengths are never written
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

TEST(PullTruck, SteeringTurnsTheCabAndTheTrailerFollowsSlowlyAlsoAtRest) {
    BuildGameTruck();
    PullTruck(1, 10);
    const double cab_turn = truck(0, 4) - 180;
    const double trailer_turn = truck(1, 4) - 180;
    EXPECT_TRUE(cab_turn > 15 && cab_turn < 16) << cab_turn;
    EXPECT_TRUE(trailer_turn > 0 && trailer_turn < 1) << trailer_turn;
    EXPECT_NEAR(truck(0, 2), 29, 0.1);
    ExpectCoupled();
    // At rest, turning swings the steering point on the lever's end, 1.75 from the old reference point.
    BuildGameTruck();
    PullTruck(0, 10);
    EXPECT_NEAR(FrontHitch(0).x, 30 + 1.75 * std::cos(190 * M_PI / 180), 1e-6);
    EXPECT_NEAR(FrontHitch(0).y, 30 + 1.75 * std::sin(190 * M_PI / 180), 1e-6);
    ExpectCoupled();
}

}  // namespace
}  // namespace game_test
