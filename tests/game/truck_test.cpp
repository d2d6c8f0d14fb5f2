// The truck's segments: coupling, the jackknife check, copies and pulling; the 2D vectors it uses.
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

TEST(TruckBody, SegmentsAreCoupledJackknifeBeyondNinetyDegreesAndCopyInPlaceWhenTheShapeIsTheSame) {
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

TEST(PullTruck, StraightPullsMoveEverySegmentAheadSteeringTurnsTheCabOnItsLeverAndTheTrailerFollows) {
    BuildGameTruck();
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

    // One segment whose hitch moves from (1, 0) to (0, 1): it turns half way and slides onto the target.
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

NumArray& Vec(NumArray& v, double x, double y) {
    DIM(v, 2);
    v(0) = x;
    v(1) = y;
    return v;
}

TEST(Vector2D, LengthDotCrossAngleUnifyScaleAndSplit) {
    NumArray a, b;
    EXPECT_EQ(VecLen2D(Vec(a, 3, 4)), 5);
    EXPECT_EQ(Dot2D(a, Vec(b, -2, 1)), -2);
    EXPECT_EQ(Cross2D(a, b), 11);  // b counter-clockwise of a
    EXPECT_EQ(Cross2D(b, a), -11);
    for (const auto& [bx, by, angle] : {std::array{1.0, -1.0, 45.0}, {-2, 0, 180}, {0, 0, 0}})
        EXPECT_NEAR(Angle2D(Vec(a, 1, 0), Vec(b, bx, by)), angle, 1e-7) << bx << ", " << by;
    // Parallel vectors whose cosine rounds past 1 still give an angle.
    EXPECT_NEAR(Angle2D(Vec(a, 0.1, 0.3), Vec(b, 0.3, 0.9)), 0, 1e-5);

    NumArray v, c;
    UnifyVertex2D(Vec(v, 3, -4));
    EXPECT_DOUBLE_EQ(v(0) - v(1), 1.4);
    UnifyVertex2D(Vec(v, 0, 0));  // no length: (1, 0)
    EXPECT_EQ(v(0) * 10 + v(1), 10);
    ScaleVec2D(Vec(v, 2, -3), 0);  // a factor of 0 leaves the vector as it was
    ScaleVec2D(v, -1.5);
    EXPECT_EQ(v(0) * 10 + v(1), -25.5);
    Vec(c, 99, -99);  // the entry value of c is ignored
    SplitVertex2D(Vec(v, 3, 4), Vec(b, 1, 0), c);
    const double parts[] = {b(0), b(1), c(0), c(1), v(0), v(1)};
    const double expected[] = {3, 0, 0, 4, 3, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(parts[i], expected[i], 1e-8) << i;
}

}  // namespace
}  // namespace game_test
