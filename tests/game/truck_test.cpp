// The truck's segments: coupling, the jackknife check, copies, and pulling.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "game_state.h"

namespace game_test {
namespace {

void ExpectRow(NumArray& t, double i, std::array<double, 5> row, double tolerance = 1e-12) {
    for (int j = 0; j < 5; ++j)
        EXPECT_NEAR(t(i, j), row[j], tolerance) << "segment " << i << " column " << j;
}

void ExpectCoupled() {
    EXPECT_NEAR(FrontHitch(1).x, RearHitch(0).x, 1e-9);
    EXPECT_NEAR(FrontHitch(1).y, RearHitch(0).y, 1e-8);  // SIN(180) is not exactly 0
}

TEST(TruckBody, EachSegmentIsCoupledToTheOneBeforeAndJackknifesBeyondNinetyDegrees) {
    ForgetTable(truck);
    AddHinge(4, 2);
    ExpectRow(truck, 0, {4, 2, 30, 30, 180});  // the first stands at 30 whatever its length
    BuildGameTruck();
    ASSERT_EQ(BOUNDS(truck, 0), 2);
    ExpectRow(truck, 0, {1.75, -0.3, 30, 30, 180});
    ExpectRow(truck, 1, {6.45, 1.25, 36.15, 30, 180});
    ExpectCoupled();
    for (const auto& [cab, trailer, ok] : {std::array{180.0, 270.0, 1.0}, {180, 270.5, 0}, {540, 180, 0}}) {
        BuildGameTruck();
        truck(0, 4) = cab;
        truck(1, 4) = trailer;
        EXPECT_EQ(CheckTruckState(), ok) << cab << " " << trailer;  // without wrapping the angles
    }
    BuildGameTruck();
    AddHinge(3, 0.5);
    truck(2, 4) = 300;
    EXPECT_EQ(CheckTruckState(), 0);  // every coupled pair is tested, not only the first
    ForgetTable(truck);
    AddHinge(1, 0);
    truck(0, 4) = 1000;
    EXPECT_EQ(CheckTruckState(), 1);  // none for one segment
}

TEST(TruckBody, CopiesRedimensionAShapeThatDiffersAndOverwriteTheSameShapeInPlace) {
    BuildGameTruck();
    truck(1, 4) = 14.5;
    NumArray single, same;
    DIM(single, 0);
    DIM(same, 2, 5);
    const double* storage = &same(0, 0);
    for (NumArray* copy : {&single, &same}) {
        CopyTruck(truck, *copy);
        ASSERT_EQ(BOUNDS(*copy, 0) * 10 + BOUNDS(*copy, 1), 25);
        ExpectRow(*copy, 1, {6.45, 1.25, 36.15, 30, 14.5});
    }
    EXPECT_EQ(&same(0, 0), storage);
    AddHinge(3, 0.5);  // more rows, the same columns
    CopyTruck(truck, same);
    EXPECT_EQ(same(2, 0), 3);
}

TEST(PullTruck, StraightPullsMoveEverySegmentAheadAndNoPullPutsEachBackWhereItWas) {
    BuildGameTruck();
    PullTruck(0, 0);
    ExpectRow(truck, 0, {1.75, -0.3, 30, 30, 180}, 1e-8);
    ExpectRow(truck, 1, {6.45, 1.25, 36.15, 30, 180}, 1e-8);
    PullTruck(1, 0);
    ExpectRow(truck, 0, {1.75, -0.3, 29, 30, 180}, 1e-8);
    ExpectRow(truck, 1, {6.45, 1.25, 35.15, 30, 180}, 1e-8);  // the lengths are never written
    ExpectCoupled();
    for (int frame = 0; frame < 3; ++frame)  // a bent chain stays bent
        PullTruck(1, 10);
    NumArray before;
    CopyTruck(truck, before);
    PullTruck(0, 0);
    for (double i = 0; i < 2; ++i)
        ExpectRow(truck, i, {before(i, 0), before(i, 1), before(i, 2), before(i, 3), before(i, 4)});
}

TEST(PullTruck, SteeringTurnsTheCabOnItsLeverAndTheTrailerFollowsSlowlyAlsoAtRest) {
    // One segment: its hitch moves from (1, 0) to (0, 1); it turns half way and
    // slides so that its hitch sits on the target.
    ForgetTable(truck);
    DIM(truck, 1, 5);
    SetSegment(truck, 0, 1, 0, 0, 0, 0);
    PullTruck(0, 90);
    ExpectRow(truck, 0, {1, 0, -std::sqrt(0.5), 1 - std::sqrt(0.5), 45}, 1e-7);
    BuildGameTruck();
    PullTruck(1, 10);
    const double cab_turn = truck(0, 4) - 180, trailer_turn = truck(1, 4) - 180;
    EXPECT_TRUE(cab_turn > 15 && cab_turn < 16 && trailer_turn > 0 && trailer_turn < 1)
        << cab_turn << " " << trailer_turn;
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
