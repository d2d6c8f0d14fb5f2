// Setting up the game's global state in tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gpc_temp.h"

namespace game_test {

using namespace __MORVANE__;

// Puts a table back into its never-dimensioned state, as at program start.
inline void ForgetTable(NumArray& table) {
    std::destroy_at(&table);
    std::construct_at(&table);
}

// The truck as the game builds it: the cab and one trailer.
inline void BuildGameTruck() {
    ForgetTable(truck);
    AddHinge(1.75, -0.3);
    AddHinge(6.45, 1.25);
}

// One segment row: front length, rear length, reference point and heading.
inline void SetSegment(NumArray& t, double i, double front, double rear, double x, double y, double h) {
    t(i, 0) = front;
    t(i, 1) = rear;
    t(i, 2) = x;
    t(i, 3) = y;
    t(i, 4) = h;
}

// Loads a city from level rows as the game does from its level file; rows not
// given read as empty lines.
inline void LoadCityRows(const std::vector<std::string>& rows) {
    DIM(city, kCityTiles, kCityTiles);
    for (int y = 0; y < kCityTiles; ++y) {
        ReadLevelRow(DynStr(y < static_cast<int>(rows.size()) ? rows[y].c_str() : ""), y);
    }
    MarkRoadEdges();
}

// The codes of the city's tiles at the given (x, y), in order.
inline std::vector<double> Tiles(std::initializer_list<std::pair<int, int>> tiles) {
    std::vector<double> codes;
    for (const auto& [x, y] : tiles)
        codes.push_back(city(x, y));
    return codes;
}

struct Point {
    double x, y;
};
inline Point FrontHitch(double i) {
    return {truck(i, 2) + COS(truck(i, 4)) * truck(i, 0), truck(i, 3) + SIN(truck(i, 4)) * truck(i, 0)};
}
inline Point RearHitch(double i) {
    return {truck(i, 2) - COS(truck(i, 4)) * truck(i, 1), truck(i, 3) - SIN(truck(i, 4)) * truck(i, 1)};
}

}  // namespace game_test
