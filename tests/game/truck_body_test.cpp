#include <gtest/gtest.h>

#include "game_state.h"

namespace game_test {
namespace {

void ExpectRow(NumArray& t, double i, double front, double rear, double x, double y, double h) {
    EXPECT_EQ(t(i, 0), front);
    EXPECT_EQ(t(i, 1), rear);
    EXPECT_DOUBLE_EQ(t(i, 2), x);
    EXPECT_EQ(t(i, 3), y);
    EXPECT_EQ(t(i, 4), h);
}

TEST(AddHinge, FirstSegmentStandsAtThirtyWhateverItsLength) {
    ForgetTable(truck);
    EXPECT_EQ(AddHinge(4, 2), 0);
    EXPECT_EQ(BOUNDS(truck, 0), 1);
    EXPECT_EQ(BOUNDS(truck, 1), 5);
    ExpectRow(truck, 0, 4, 2, 30, 30, 180);
}

TEST(AddHinge, EachNewSegmentIsCoupledToTheRearHitchAndKeepsTheRowsBefore) {
    BuildGameTruck();
    EXPECT_EQ(BOUNDS(truck, 0), 2);
    ExpectRow(truck, 0, 1.75, -0.3, 30, 30, 180);
    ExpectRow(truck, 1, 6.45, 1.25, 36.15, 30, 180);
    EXPECT_NEAR(RearHitch(0).x, 29.7, 1e-9);
    EXPECT_NEAR(FrontHitch(1).x, 29.7, 1e-9);
    EXPECT_NEAR(FrontHitch(1).y, 30, 1e-8);  // SIN(180) is not exactly 0

    AddHinge(3, 0.5);
    ASSERT_EQ(BOUNDS(truck, 0), 3);
    ExpectRow(truck, 1, 6.45, 1.25, 36.15, 30, 180);
    ExpectRow(truck, 2, 3, 0.5, 36.15 + 1.25 + 3, 30, 180);
    EXPECT_NEAR(FrontHitch(2).x, RearHitch(1).x, 1e-9);
}

TEST(CheckTruckState, JackknifeBeyondNinetyDegreesWithoutWrapping) {
    BuildGameTruck();
    truck(1, 4) = 270;
    EXPECT_EQ(CheckTruckState(), 1);  // exactly 90 passes
    truck(1, 4) = 270.5;
    EXPECT_EQ(CheckTruckState(), 0);
    truck(1, 4) = 89.5;
    EXPECT_EQ(CheckTruckState(), 0);
    truck(0, 4) = 540;  // one full turn more than 180 is not reduced
    truck(1, 4) = 180;
    EXPECT_EQ(CheckTruckState(), 0);

    // Every coupled pair is tested, not only the first.
    BuildGameTruck();
    AddHinge(3, 0.5);
    truck(2, 4) = 300;
    EXPECT_EQ(CheckTruckState(), 0);

    ForgetTable(truck);
    AddHinge(1, 0);
    truck(0, 4) = 1000;
    EXPECT_EQ(CheckTruckState(), 1);  // a single segment cannot jackknife
}

TEST(CopyTruck, RedimensionsAShapeThatDiffersAndCopiesEveryValue) {
    BuildGameTruck();
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 5; ++j)
            truck(i, j) = 10 * i + j + 0.5;
    }
    NumArray snapshot;
    DIM(snapshot, 0);
    snapshot(0) = 0;
    EXPECT_EQ(CopyTruck(truck, snapshot), 0);
    ASSERT_EQ(BOUNDS(snapshot, 0), 2);
    ASSERT_EQ(BOUNDS(snapshot, 1), 5);
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 5; ++j)
            EXPECT_EQ(snapshot(i, j), 10 * i + j + 0.5);
    }

    // Same number of rows, fewer columns: still re-dimensioned.
    NumArray narrow;
    DIM(narrow, 2, 3);
    CopyTruck(truck, narrow);
    EXPECT_EQ(BOUNDS(narrow, 1), 5);
    EXPECT_EQ(narrow(1, 4), 14.5);

    // More rows, same columns: re-dimensioned too.
    AddHinge(3, 0.5);
    CopyTruck(truck, snapshot);
    ASSERT_EQ(BOUNDS(snapshot, 0), 3);
    EXPECT_EQ(snapshot(2, 0), 3);
}

TEST(CopyTruck, SameShapeIsOverwrittenInPlaceForSnapshotAndRollBack) {
    BuildGameTruck();
    NumArray snapshot;
    DIM(snapshot, 2, 5);
    const double* storage = &snapshot(0, 0);
    CopyTruck(truck, snapshot);
    EXPECT_EQ(&snapshot(0, 0), storage);

    truck(0, 2) = -5;
    truck(1, 4) = 99;
    const double* truck_storage = &truck(0, 0);
    CopyTruck(snapshot, truck);
    EXPECT_EQ(&truck(0, 0), truck_storage);
    ExpectRow(truck, 0, 1.75, -0.3, 30, 30, 180);
    ExpectRow(truck, 1, 6.45, 1.25, 36.15, 30, 180);
}

}  // namespace
}  // namespace game_test
