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
    city(2, 4) = city(6, 4) = city(4, 3) = city(4, 5) = 16;
    EXPECT_EQ(GetCityCollision(truck), 0);
    city(5, 4) = 16;  // reached by the trailer only
    EXPECT_EQ(GetCityCollision(truck), 2);
    city(5, 4) = 0;
    city(3, 4) = 50;  // reached by the cab's front corners only
    EXPECT_EQ(GetCityCollision(truck), 4);
}

TEST(GetCityCollision, FootprintOffTheMapSetsTheOutsideBitAndCodesCombine) {
    LoadRoadCity();
    NumArray t;
    OneSegment(t, 1, 0, 0.5, 30, 90);  // one side at x = -0.5
    EXPECT_EQ(GetCityCollision(t), 1);
    OneSegment(t, 1, 0, 278.5, 30, 0);  // front corners exactly on the far edge
    EXPECT_EQ(GetCityCollision(t), 1);
    OneSegment(t, 1, 0, 278.4, 30, 0);
    EXPECT_EQ(GetCityCollision(t), 0);

    OneSegment(t, 5, 0, 10.5, 14, 0);  // corners on tiles (1, 1), (1, 2), (2, 1), (2, 2)
    city(1, 1) = 16;
    city(2, 2) = 50;
    EXPECT_EQ(GetCityCollision(t), 6);   // grass and a shop floor
    OneSegment(t, 3, 0, 0.5, 10.5, 90);  // one side off the map, the other on tiles (0, 1) and (0, 2)
    city(0, 1) = 16;
    city(0, 2) = 50;
    EXPECT_EQ(GetCityCollision(t), 7);
}

}  // namespace
}  // namespace game_test
