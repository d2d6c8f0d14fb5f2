// The city grid: turning the level file's rows into tile codes, giving road
// tiles their edge masks, and asking what lies under a ground-plane point.
#include "gpc_temp.h"

namespace __MORVANE__ {

namespace {

constexpr double kLastTile = kCityTiles - 1;
// Codes above this are not road: grass, shop floor, tree, shop building.
constexpr double kLastRoadCode = 15;

struct TileCharacter {
    const char* character;
    double code;
};
// Tried in this order; every other character, lower case included, is road.
constexpr TileCharacter kTileCharacters[] = {
    {"#", 16},  // grass
    {" ", 0},   // road
    {"A", 55},  // tree
    {"S", 50},  // shop floor
    {"L", 56},  // shop building
};

double TileCodeOf(DynStr ch) {
    for (const TileCharacter& tile : kTileCharacters) {
        if (ch.Compare(tile.character) == 0) return tile.code;
    }
    return 0;
}

bool IsNonRoad(double x, double y) {
    return city(x, y) > kLastRoadCode;
}

}  // namespace

// The level file of a level: "city" + the level number's text + ".txt".
DynStr LevelFileName_Str(double level) {
    return LitStr("city") + level + LitStr(".txt");
}

// Fills row y of city from one line of the level file: character x gives tile
// (x, y). Characters past column 39 are ignored; a short line leaves the rest
// of the row road.
double ReadLevelRow(DynStr line, double y) {
    for (double x = 0; x <= kLastTile; ++x) {
        city(x, y) = TileCodeOf(MID_Str(line, x, 1));
    }
    return 0;
}

// Which sides of tile (x, y) border a non-road tile: 1 toward y - 1, 2 toward
// x - 1, 4 toward x + 1, 8 toward y + 1. The map's edge counts as road.
double RoadEdgeMask(double x, double y) {
    double mask = 0;
    if (y > 0 && IsNonRoad(x, y - 1)) mask = mask + 1;
    if (x > 0 && IsNonRoad(x - 1, y)) mask = mask + 2;
    if (y < kLastTile && IsNonRoad(x, y + 1)) mask = mask + 8;
    if (x < kLastTile && IsNonRoad(x + 1, y)) mask = mask + 4;
    return mask;
}

// Gives every road tile its edge mask, which picks its road bitmap. Masks
// never exceed 15, so tiles already marked still count as road.
double MarkRoadEdges() {
    for (double y = 0; y <= kLastTile; ++y) {
        for (double x = 0; x <= kLastTile; ++x) {
            if (city(x, y) == 0) city(x, y) = RoadEdgeMask(x, y);
        }
    }
    return 0;
}

// What lies under a ground-plane point: 0 road, 1 outside the map, 2 solid
// scenery (grass, tree, building), 4 shop floor. The bounds are tested on the
// untruncated tile coordinates, and a coordinate that is not a number counts
// as outside, so the query never indexes outside the grid.
double CityAtPoint(double px, double py) {
    const double x = px / TileSize;
    const double y = py / TileSize;
    if (!(x >= 0) || !(y >= 0) || !(x < BOUNDS(city, 0)) || !(y < BOUNDS(city, 1))) return 1;
    const double c = city(x, y);
    if (c >= 55) return 2;
    if (c >= 0 && c <= 15) return 0;
    if (c >= 16 && c <= 49) return 2;
    if (c == 50) return 4;
    return 0;
}

}  // namespace __MORVANE__
