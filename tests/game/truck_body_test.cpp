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
    EXPECT_EQ(AddHinge(4, 2), 0);
    EXPECT_EQ(BOUNDS(truck, 1), 5);
    ExpectRow(truck, 0, {4, 2, 30, 30, 180});  // the first stands at 30 whatever its length

    BuildGameTruck();
    AddHinge(3, 0.5);
    ASSERT_EQ(BOUNDS(truck, 0), 3);
    ExpectRow(truck, 0, {1.75, -0.3, 30, 30, 180});
    ExpectRow(truck, 1, {6.45, 1.25, 36.15, 30, 180});
    ExpectRow(truck, 2, {3, 0.5, 36.15 + 1.25 + 3, 30, 180});
    for (double i = 0; i < 2; ++i) {
        EXPECT_NEAR(FrontHitch(i + 1).x, RearHitch(i).x, 1e-9);
        EXPECT_NEAR(FrontHitch(i + 1).y, RearHitch(i).y, 1e-8);  // SIN(180) is not exactly 0
    }
}

TEST(CheckTruckState, JackknifeBeyondNinetyDegreesWithoutWrapping) {
    const struct {
        double cab, trailer, ok;
    } cases[] = {{180, 270, 1}, {180, 270.5, 0}, {180, 89.5, 0}, {540, 180, 0}};  // no wrapping at 360
    for (const auto& c : cases) {
        BuildGameTruck();
        truck(0, 4) = c.cab;
        truck(1, 4) = c.trailer;
        EXPECT_EQ(CheckTruckState(), c.ok) << c.cab << " " << c.trailer;
    }
    BuildGameTruck();
    AddHinge(3, 0.5);
    truck(2, 4) = 300;
    EXPECT_EQ(CheckTruckState(), 0);  // every coupled pair is tested, not only the first
    ForgetTable(truck);
    AddHinge(1, 0);
    truck(0, 4) = 1000;
    EXPECT_EQ(CheckTruckState(), 1);  // a single segment cannot jackknife
}

TEST(CopyTruck, RedimensionsAShapeThatDiffersAndOverwritesTheSameShapeInPlace) {
    BuildGameTruck();
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 5; ++j)
            truck(i, j) = 10 * i + j + 0.5;
    }
    NumArray single, narrow, same;
    DIM(single, 0);
    DIM(narrow, 2, 3);
    DIM(same, 2, 5);
    const double* storage = &same(0, 0);
    for (NumArray* copy : {&single, &narrow, &same}) {
        EXPECT_EQ(CopyTruck(truck, *copy), 0);
        ASSERT_EQ(BOUNDS(*copy, 0), 2);
        ASSERT_EQ(BOUNDS(*copy, 1), 5);
        ExpectRow(*copy, 0, {0.5, 1.5, 2.5, 3.5, 4.5});
        ExpectRow(*copy, 1, {10.5, 11.5, 12.5, 13.5, 14.5});
    }
    EXPECT_EQ(&same(0, 0), storage);
    AddHinge(3, 0.5);  // more rows, same columns
    CopyTruck(truck, same);
    ASSERT_EQ(BOUNDS(same, 0), 3);
    EXPECT_EQ(same(2, 0), 3);
}

}  // namespace
}  // namespace game_test
