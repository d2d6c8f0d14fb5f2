#include <gtest/gtest.h>

#include <array>

#include "game_state.h"

namespace game_test {
namespace {

// A one-segment table at (x, y) with heading h.
void OneSegment(NumArray& t, double front, double rear, double x, double y, double h) {
    DIM(t, 1, 5);
    SetSegment(t, 0, front, rear, x, y, h);
}

TEST(GetCityCollision, AFootprintSamplesItsOwnTilesOffTheMapSetsTheOutsideBitAndCodesCombine) {
    BuildGameTruck();
    DIM(city, kCityTiles, kCityTiles);
    // Tiles next to those under the footprint, (3..5, 4), do not count.
    city(2, 4) = city(6, 4) = city(4, 3) = city(4, 5) = 16;
    EXPECT_EQ(GetCityCollision(truck), 0);
    city(5, 4) = 16;  // reached by the trailer only
    EXPECT_EQ(GetCityCollision(truck), 2);
    city(5, 4) = 0;
    city(3, 4) = 50;  // reached by the cab's front corners only
    EXPECT_EQ(GetCityCollision(truck), 4);
    city(3, 4) = 0;
    NumArray t;
    // One side at x = -0.5; the front corners exactly on the far edge, and just inside it.
    for (const auto& [x, heading, code] : {std::array{0.5, 90.0, 1.0}, {278.5, 0, 1}, {278.4, 0, 0}}) {
        OneSegment(t, 1, 0, x, 30, heading);
        EXPECT_EQ(GetCityCollision(t), code) << x;
    }

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
