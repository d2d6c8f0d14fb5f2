#include <gtest/gtest.h>

#include "game_state.h"

namespace game_test {
namespace {

// A one-segment table at (x, y) with heading h.
void OneSegment(NumArray& t, double front, double rear, double x, double y, double h) {
    DIM(t, 1, 5);
    SetSegment(t, 0, front, rear, x, y, h);
}

TEST(GetCityCollision, StartPoseSamplesOnlyItsOwnTiles) {
    BuildGameTruck();
    LoadRoadCity();
    // Tiles next to those under the footprint, (3..5, 4), do not count.
    city(2, 4) = 16;
    city(6, 4) = 16;
    city(4, 3) = 16;
    city(4, 5) = 16;
    EXPECT_EQ(GetCityCollision(truck), 0);
    city(5, 4) = 16;  // reached by the trailer only
    EXPECT_EQ(GetCityCollision(truck), 2);
    city(5, 4) = 0;
    city(3, 4) = 50;  // reached by the cab's front corners only
    EXPECT_EQ(GetCityCollision(truck), 4);
}

TEST(GetCityCollision, FrontReachesHalfAUnitPastTheHitchAndRearToTheRearHitch) {
    LoadRoadCity();
    NumArray t;
    OneSegment(t, 3, 0, 10.5, 10.5, 0);  // front corners at x = 14, on tile 2
    city(2, 1) = 16;
    EXPECT_EQ(GetCityCollision(t), 2);
    OneSegment(t, 2.9, 0, 10.5, 10.5, 0);
    EXPECT_EQ(GetCityCollision(t), 0);

    city(2, 1) = 0;
    city(0, 1) = 50;
    OneSegment(t, 0, 3.6, 10.5, 10.5, 0);  // rear corners at x = 6.9, on tile 0
    EXPECT_EQ(GetCityCollision(t), 4);
    OneSegment(t, 0, 3.4, 10.5, 10.5, 0);
    EXPECT_EQ(GetCityCollision(t), 0);
}

TEST(GetCityCollision, FootprintOffTheMapSetsTheOutsideBit) {
    LoadRoadCity();
    NumArray t;
    OneSegment(t, 1, 0, 0.5, 30, 90);  // one side at x = -0.5
    EXPECT_EQ(GetCityCollision(t), 1);

    OneSegment(t, 1, 0, 278.5, 30, 0);  // front corners exactly on the far edge
    EXPECT_EQ(GetCityCollision(t), 1);
    OneSegment(t, 1, 0, 278.4, 30, 0);
    EXPECT_EQ(GetCityCollision(t), 0);

    // Every segment is sampled: here only the trailer leaves the map.
    BuildGameTruck();
    truck(0, 2) = 275;  // the cab reaches 275, the trailer 282.4
    truck(1, 2) = 275 + 6.15;
    EXPECT_EQ(GetCityCollision(truck), 1);
}

TEST(GetCityCollision, CodesOfAllSamplesCombine) {
    LoadRoadCity();
    NumArray t;
    OneSegment(t, 5, 0, 10.5, 14, 0);  // corners on tiles (1, 1), (1, 2), (2, 1), (2, 2)
    city(1, 1) = 16;
    city(2, 2) = 50;
    EXPECT_EQ(GetCityCollision(t), 6);
    city(2, 2) = 55;
    EXPECT_EQ(GetCityCollision(t), 2);
    OneSegment(t, 3, 0, 0.5, 10.5, 90);  // one side off the map, the other on tiles (0, 1) and (0, 2)
    city(0, 1) = 16;
    city(0, 2) = 50;
    EXPECT_EQ(GetCityCollision(t), 7);
}

}  // namespace
}  // namespace game_test
