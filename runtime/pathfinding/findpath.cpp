#include "pathfinding/findpath.h"

#include <cmath>

#include "core/whole_number.h"
#include "pathfinding/astarplanner.h"

namespace {

// A cell coordinate from a command argument; one that is not a number lies
// outside every grid.
std::int32_t CellCoordinate(double value) {
    return std::isnan(value) ? -1 : TruncToInt32(value);
}

Planner::Description Request(NumArray& map, double sx, double sy, double gx, double gy) {
    Planner::Description request;
    request.start_x = CellCoordinate(sx);
    request.start_y = CellCoordinate(sy);
    request.goal_x = CellCoordinate(gx);
    request.goal_y = CellCoordinate(gy);
    request.diagonal_cost = true;
    request.diagonal_moves = false;
    request.heuristic_weight = 0.7f;
    request.width = static_cast<std::int32_t>(BOUNDS(map, 0));
    request.height = static_cast<std::int32_t>(BOUNDS(map, 1));
    request.map = map.Data();
    return request;
}

}  // namespace

double FINDPATH(NumArray& map, NumArray& path, double /*factor*/, double sx, double sy, double gx,
                double gy) {
    AStarPlanner planner;
    if (!planner.createMap(Request(map, sx, sy, gx, gy))) return 0;
    planner.initialize();
    if (!planner.run()) return 0;  // Esc

    const std::size_t size = planner.getPathSize();
    if (size == 0) {
        DIM(path, 0);
        return 0;
    }
    DIM(path, static_cast<double>(size), 2);
    double row = static_cast<double>(size);
    for (const Node* node = planner.getGoal(); node != nullptr; node = node->parent) {
        --row;
        path(row, 0) = node->x;
        path(row, 1) = node->y;
    }
    return static_cast<double>(size);
}
