#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>

#include "game_state.h"

namespace game_test {
namespace {

TEST(CityMap, RowCharactersGiveTileCodesAndEverythingElseIsRoad) {
    DIM(city, kCityTiles, kCityTiles);
    ReadLevelRow(DynStr("# ASLa.sl\t#"), 3);
    const double expected[] = {16, 0, 55, 50, 56, 0, 0, 0, 0, 0, 16};
    for (int x = 0; x < 11; ++x)
        EXPECT_EQ(city(x, 3), expected[x]) << "column " << x;
    for (int x = 11; x < kCityTiles; ++x)
        EXPECT_EQ(city(x, 3), 0) << "column " << x;                   // a short row is road to its end
    EXPECT_EQ(Tiles({{0, 2}, {0, 4}}), (std::vector<double>{0, 0}));  // other rows untouched
    ReadLevelRow(DynStr((std::string(39, ' ') + "##").c_str()), 39);  // forty columns, the rest ignored
    EXPECT_EQ(Tiles({{38, 39}, {39, 39}}), (std::vector<double>{0, 16}));
}

TEST(CityMap, RoadEdgeMasksNameTheSidesThatBorderNonRoad) {
    std::vector<std::string> rows(kCityTiles, std::string(kCityTiles, ' '));
    rows[10][10] = '#';
    LoadCityRows(rows);
    // The wall, its four neighbours, and a diagonal neighbour, which does not count.
    EXPECT_EQ(Tiles({{10, 10}, {10, 9}, {9, 10}, {11, 10}, {10, 11}, {9, 9}}),
              (std::vector<double>{16, 8, 4, 2, 1, 0}));
}

TEST(CityMap, ShippedLevelIsFortyByFortyAndTheTruckStartsOnRoad) {
    std::ifstream file(GRAVELRIDER_DATA_DIR "/city0.txt");
    ASSERT_TRUE(file.is_open());
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
    LoadRoadCity();
    city(0, 0) = city(39, 0) = 16;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x, y, result;
    } points[] = {{-0.1, 5, 1},  // bounds are tested before truncating to tile 0
                  {5, -0.1, 1}, {0, 0, 2}, {279.9, 5, 2}, {280, 5, 1}, {5, 280, 1}, {7, 5, 0}, {nan, 5, 1}};
    for (const auto& p : points)
        EXPECT_EQ(CityAtPoint(p.x, p.y), p.result) << p.x << ", " << p.y;
    const struct { double code, result; } codes[] = {{15, 0}, {16, 2}, {50, 4}, {51, 0}, {54, 0}, {55, 2}};
    for (const auto& c : codes) {
        city(2, 3) = c.code;
        EXPECT_EQ(CityAtPoint(2.5 * 7, 3.5 * 7), c.result) << "code " << c.code;
    }
    ForgetTable(city);
    EXPECT_EQ(CityAtPoint(5, 5), 1);  // no map at all
}

}  // namespace
}  // namespace game_test
