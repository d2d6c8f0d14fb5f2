#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>

#include "game_state.h"

namespace game_test {
namespace {

TEST(CityMap, LevelFileNameCarriesTheLevelNumber) {
    EXPECT_STREQ(LevelFileName_Str(0).c_str(), "city0.txt");
    EXPECT_STREQ(LevelFileName_Str(12).c_str(), "city12.txt");
}

TEST(CityMap, RowCharactersGiveTileCodesAndEverythingElseIsRoad) {
    DIM(city, kCityTiles, kCityTiles);
    ReadLevelRow(DynStr("# ASLa.sl\t#"), 3);
    const double expected[] = {16, 0, 55, 50, 56, 0, 0, 0, 0, 0, 16};
    for (int x = 0; x < 11; ++x)
        EXPECT_EQ(city(x, 3), expected[x]) << "column " << x;
    for (int x = 11; x < kCityTiles; ++x)
        EXPECT_EQ(city(x, 3), 0) << "column " << x;  // a short row is road to its end
    EXPECT_EQ(city(0, 2), 0);                        // other rows untouched
    EXPECT_EQ(city(0, 4), 0);
}

TEST(CityMap, RowReadsFortyColumnsAndIgnoresTheRest) {
    DIM(city, kCityTiles, kCityTiles);
    ReadLevelRow(DynStr((std::string(39, ' ') + "##").c_str()), 39);
    EXPECT_EQ(city(38, 39), 0);
    EXPECT_EQ(city(39, 39), 16);
}

TEST(CityMap, FileMarkersReadAsRowsLikeAnyOtherLine) {
    // An empty or missing line reads as "NO_DATA"; a missing file's first line as "NO_FILE".
    LoadCityRows({"NO_FILE", "NO_DATA"});
    EXPECT_EQ(city(5, 0), 56);  // the L of NO_FILE
    EXPECT_EQ(city(4, 1), 55);  // the two A of NO_DATA
    EXPECT_EQ(city(6, 1), 55);
    EXPECT_EQ(city(5, 1), 1 + 2 + 4);  // road between the trees, under the building
    EXPECT_EQ(city(4, 0), 4 + 8);
    EXPECT_EQ(city(4, 2), 1);
    EXPECT_EQ(city(0, 1), 0);
}

TEST(CityMap, AllRoadLevelHasNoEdges) {
    LoadCityRows(std::vector<std::string>(kCityTiles, std::string(kCityTiles, ' ')));
    for (int y = 0; y < kCityTiles; ++y) {
        for (int x = 0; x < kCityTiles; ++x)
            ASSERT_EQ(city(x, y), 0) << x << ", " << y;
    }
}

TEST(CityMap, RoadEdgeMasksNameTheSidesThatBorderNonRoad) {
    std::vector<std::string> rows(kCityTiles, std::string(kCityTiles, ' '));
    rows[10][10] = '#';
    LoadCityRows(rows);
    EXPECT_EQ(city(10, 10), 16);
    EXPECT_EQ(city(10, 9), 8);
    EXPECT_EQ(city(9, 10), 4);
    EXPECT_EQ(city(11, 10), 2);
    EXPECT_EQ(city(10, 11), 1);
    EXPECT_EQ(city(9, 9), 0);  // diagonal neighbours do not count

    // Every kind of non-road counts; the map's edge does not.
    rows = std::vector<std::string>(kCityTiles, std::string(kCityTiles, ' '));
    rows[0] = " A";
    rows[1] = "S L";
    rows[2] = " #";
    LoadCityRows(rows);
    EXPECT_EQ(city(1, 1), 15);
    EXPECT_EQ(city(0, 0), 4 + 8);
    EXPECT_EQ(city(2, 0), 2 + 8);
    EXPECT_EQ(city(39, 39), 0);
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

TEST(CityAtPoint, BoundsAreTestedBeforeTruncating) {
    LoadRoadCity();
    city(0, 0) = 16;
    city(39, 0) = 16;
    EXPECT_EQ(CityAtPoint(-0.1, 5), 1);  // -0.1 / 7 would truncate to tile 0
    EXPECT_EQ(CityAtPoint(5, -0.1), 1);
    EXPECT_EQ(CityAtPoint(0, 0), 2);
    EXPECT_EQ(CityAtPoint(279.9, 5), 2);  // tile (39, 0)
    EXPECT_EQ(CityAtPoint(280, 5), 1);
    EXPECT_EQ(CityAtPoint(5, 280), 1);
    EXPECT_EQ(CityAtPoint(7, 5), 0);
}

TEST(CityAtPoint, PointsThatAreNotNumbersOrOnNoMapAreOutside) {
    LoadRoadCity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(CityAtPoint(nan, 5), 1);
    EXPECT_EQ(CityAtPoint(5, nan), 1);
    EXPECT_EQ(CityAtPoint(inf, 5), 1);
    EXPECT_EQ(CityAtPoint(5, -inf), 1);
    ForgetTable(city);
    EXPECT_EQ(CityAtPoint(5, 5), 1);
}

TEST(CityAtPoint, TileCodesMapToRoadSceneryAndShopFloor) {
    LoadRoadCity();
    const struct {
        double code, result;
    } cases[] = {{0, 0}, {15, 0}, {16, 2}, {49, 2}, {50, 4}, {51, 0}, {54, 0}, {55, 2}, {56, 2}, {200, 2}};
    for (const auto& c : cases) {
        city(2, 3) = c.code;
        EXPECT_EQ(CityAtPoint(2.5 * 7, 3.5 * 7), c.result) << "code " << c.code;
    }
}

}  // namespace
}  // namespace game_test
