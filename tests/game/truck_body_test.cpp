#include <gtest/gtest.h>

#include <array>

#include "game_state.h"

namespace game_test {
namespace {

void ExpectRow(NumArray& t, double i, std::array<double, 5> row) {
    for (int j = 0; j < 5; ++j)
        EXPECT_NEAR(t(i, j), row[j], 1e-12) << "segment " << i << " column " << j;
}

TEST(AddHinge, EachSegmentIsCoupledToTheRearHitchOfTheOneBefore) {
    ForgetTable(truck);
    AddHinge(4, 2);
    ExpectRow(truck, 0, {4, 2, 30, 30, 180});  // the first stands at 30 whatever its length
    BuildGameTruck();
    ASSERT_EQ(BOUNDS(truck, 0), 2);
    ExpectRow(truck, 0, {1.75, -0.3, 30, 30, 180});
    ExpectRow(truck, 1, {6.45, 1.25, 36.15, 30, 180});
    EXPECT_NEAR(FrontHitch(1).x, RearHitch(0).x, 1e-9);
    EXPECT_NEAR(FrontHitch(1).y, RearHitch(0).y, 1e-8);  // SIN(180) is not exactly 0
}

TEST(CheckTruckState, JackknifeBeyondNinetyDegreesWithoutWrappingAndNoneForOneSegment) {
    for (const auto& [cab, trailer, ok] : {std::array{180.0, 270.0, 1.0}, {180, 270.5, 0}, {540, 180, 0}}) {
        BuildGameTruck();
        truck(0, 4) = cab;
        truck(1, 4) = trailer;
        EXPECT_EQ(CheckTruckState(), ok) << cab << " " << trailer;
    }
    BuildGameTruck();
    AddHinge(3, 0.5);
    truck(2, 4) = 300;
    EXPECT_EQ(CheckTruckState(), 0);  // every coupled pair is tested, not only the first
    ForgetTable(truck);
    AddHinge(1, 0);
    truck(0, 4) = 1000;
    EXPECT_EQ(CheckTruckState(), 1);
}

TEST(CopyTruck, RedimensionsAShapeThatDiffersAndOverwritesTheSameShapeInPlace) {
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

}  // namespace
}  // namespace game_test
