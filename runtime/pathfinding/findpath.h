// FINDPATH: the cheapest-looking path between two cells of a grid of costs.
#pragma once

#include "core/arrays.h"

// Searches `map`, a two-dimensional array of cell costs (x the first index; a
// value at or below 0, not a number or infinite is a wall), from the start
// cell to the goal cell (coordinates truncated toward zero), stepping between
// edge neighbours. Returns the number of cells of the path and writes them to
// `path` as DIM(path, n, 2): the start in row 0, the goal in row n - 1,
// path(i, 0) = x and path(i, 1) = y. When no path exists, returns 0 and
// `path` becomes one element holding 0. Returns 0 and leaves `path` as it was
// when the start or the goal lies outside the grid, when they are the same
// cell, and when Esc cuts the search short. `factor` is not used: the search
// always weighs the distance left at 0.7.
double FINDPATH(NumArray& map, NumArray& path, double factor, double sx, double sy, double gx, double gy);
