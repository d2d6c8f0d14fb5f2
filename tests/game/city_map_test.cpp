// The city map: level rows read into tile codes and road edge masks, the shipped level, and
// what the map and a truck's footprint hold.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

#include "game_state.h"

namespace game_test {
namespace {

TEST(CityMap, RowsAndLevelFilesGiveTileCodesAndAMissingFileReadsItsMarkers) {
    DIM(city, kCityTiles, kCityTiles);
    ReadLevelRow(DynStr("# ASLa.sl\t#"), 3);
    const double expected[] = {16, 0, 55, 50, 56, 0, 0, 0, 0, 0, 16};
    for (int x = 0; x < kCityTiles; ++x)  // a short row is road to its end
        EXPECT_EQ(city(x, 3), x < 11 ? expected[x] : 0) << "column " << x;
    EXPECT_EQ(Tiles({{0, 2}, {0, 4}}), (std::vector<double>{0, 0}));  // other rows untouched
    ReadLevelRow(DynStr((std::string(39, ' ') + "##").c_str()), 39);  // forty columns, the rest ignored
    EXPECT_EQ(Tiles({{38, 39}, {39, 39}}), (std::vector<double>{0, 16}));
    // Masks name the sides that border non-road: a wall, its four neighbours, and a diagonal one.
    std::vector<std::string> rows(kCityTiles, std::string(kCityTiles, ' '));
    rows[10][10] = '#';
    LoadCityRows(rows);
    EXPECT_EQ(Tiles({{10, 10}, {10, 9}, {9, 10}, {11, 10}, {10, 11}, {9, 9}}),
              (std::vector<double>{16, 8, 4, 2, 1, 0}));

    char* previous = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(std::getenv("TMPDIR")), 0);
    std::ofstream("city5.txt", std::ios::binary) << "#a?S\r\n L\nA";  // a last line without its end
    LoadLevel(5);
    // Lower-case "a" is road; "?" is road beside the shop floor; (0, 1) road among grass, a building, a tree.
    EXPECT_EQ(Tiles({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 1}, {0, 1}, {0, 2}, {39, 39}}),
              (std::vector<double>{16, 2 + 8, 4, 50, 56, 1 + 4 + 8, 55, 0}));
    LoadLevel(8);
    // Row 0 is "NO_FILE" (its L a building), the rest "NO_DATA" (two trees each).
    EXPECT_EQ(city(5, 0), 56);
    for (int y = 1; y < 40; ++y)  // road between the trees, under the building
        EXPECT_EQ(Tiles({{4, y}, {6, y}, {5, y}}), (std::vector<double>{55, 55, 2 + 4 + (y == 1 ? 1.0 : 0)}))
            << y;
    ASSERT_EQ(chdir(previous), 0);
    std::free(previous);
}

TEST(CityMap, ShippedLevelIsFortyByFortyAndTheTruckStartsOnRoad) {
    std::ifstream file(GRAVELRIDER_DATA_DIR "/city0.txt");
    std::vector<std::string> rows;
    for (std::string row; std::getline(file, row);)
        rows.push_back(row);
    ASSERT_EQ(rows.size(), 40u);
    for (const std::string& row : rows)
        EXPECT_EQ(row.size(), 40u);
    LoadCityRows(rows);
    BuildGameTruck();
    EXPECT_EQ(GetCityCollision(truck), 0);
    for (int frame = 0; frame < 20; ++frame)
        PullTruck(1, 0);  // straight down the street toward the map's edge
    EXPECT_EQ(GetCityCollision(truck), 0);
}

TEST(CityAtPoint, PointsOffTheMapAndTileCodes) {
    DIM(city, kCityTiles, kCityTiles);
    city(0, 0) = city(39, 0) = 16;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Bounds are tested before truncating to tile 0.
    const double points[8][3] = {{-0.1, 5, 1}, {5, -0.1, 1}, {0, 0, 2}, {279.9, 5, 2},
                                 {280, 5, 1},  {5, 280, 1},  {7, 5, 0}, {nan, 5, 1}};
    for (const auto& [x, y, result] : points)
        EXPECT_EQ(CityAtPoint(x, y), result) << x << ", " << y;
    for (const auto& [code, result] : {std::pair{15, 0}, {16, 2}, {50, 4}, {51, 0}, {54, 0}, {55, 2}}) {
        city(2, 3) = code;
        EXPECT_EQ(CityAtPoint(2.5 * 7, 3.5 * 7), result) << "code " << code;
    }
    ForgetTable(city);
    EXPECT_EQ(CityAtPoint(5, 5), 1);  // no map at all
}

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
