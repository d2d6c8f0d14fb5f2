#include "pathfinding/cost_map.h"

#include <algorithm>
#include <array>

namespace {

// The value's part in the largest passable value: itself, or 0 for a wall.
// Written without a branch, as walls stand at random.
float Candidate(double cell) {
    const float value = static_cast<float>(cell);
    return value <= std::numeric_limits<float>::max() ? value : 0.0f;  // 0 for NaN and infinity
}

// The largest passable value, 0 when there is none. Eight running maxima keep
// the loop from waiting on one.
float LargestPassable(const double* cells, std::size_t count) {
    constexpr std::size_t kLanes = 8;
    std::array<float, kLanes> largest{};
    std::size_t i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        for (std::size_t lane = 0; lane < kLanes; ++lane)
            largest[lane] = std::max(largest[lane], Candidate(cells[i + lane]));
    }
    for (; i < count; ++i)
        largest[0] = std::max(largest[0], Candidate(cells[i]));
    return *std::max_element(largest.begin(), largest.end());
}

}  // namespace

void CostMap::load(const double* cells, std::int32_t width, std::int32_t height) {
    cells_ = cells;
    width_ = width;
    height_ = height;
    largest_ = LargestPassable(cells, static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}
