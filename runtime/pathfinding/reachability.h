// Whether a search can reach its goal at all: a flood fill over the passable
// cells from the start, linear in the grid. A search for a goal it cannot
// reach would otherwise visit every reachable cell, many of them again and
// again, before it gave up.
#pragma once

#include <cstdint>

#include "pathfinding/cost_map.h"

struct GridCell {
    std::int32_t x;
    std::int32_t y;
};

// True when a walk over passable cells leads from `start` to `goal`; steps go
// to the four edge neighbours, and also to the diagonal ones when `diagonal`.
// The start cell itself may be a wall (a search leaves it all the same); the
// goal must be passable.
bool CanReach(const CostMap& map, GridCell start, GridCell goal, bool diagonal);
