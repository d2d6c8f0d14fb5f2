#include "pathfinding/reachability.h"

#include <algorithm>
#include <vector>

namespace {

// A scanline fill: each seed grows into the whole run of passable cells of its
// row, and the rows above and below are searched for new runs along it.
class Fill {
public:
    Fill(const CostMap& map, bool diagonal)
        : map_(map),
          diagonal_(diagonal),
          seen_((static_cast<std::size_t>(map.width()) * static_cast<std::size_t>(map.height()) + 63) / 64) {}

    void seed(std::int32_t x, std::int32_t y) {
        if (map_.contains(x, y)) seeds_.push_back({x, y});
    }

    // Fills until the goal's run is reached or the seeds run out.
    bool reaches(GridCell goal) {
        while (!seeds_.empty()) {
            const GridCell cell = seeds_.back();
            seeds_.pop_back();
            if (!open(cell.x, cell.y)) continue;
            std::int32_t left = cell.x;
            std::int32_t right = cell.x;
            while (left > 0 && open(left - 1, cell.y))
                --left;
            while (right + 1 < map_.width() && open(right + 1, cell.y))
                ++right;
            for (std::int32_t x = left; x <= right; ++x)
                mark(x, cell.y);
            if (cell.y == goal.y && goal.x >= left && goal.x <= right) return true;
            // Diagonal steps also lead to the cells just past either end of the run.
            const std::int32_t from = diagonal_ ? std::max(left - 1, 0) : left;
            const std::int32_t to = diagonal_ ? std::min(right + 1, map_.width() - 1) : right;
            seedRuns(from, to, cell.y - 1);
            seedRuns(from, to, cell.y + 1);
        }
        return false;
    }

private:
    bool open(std::int32_t x, std::int32_t y) const {
        const std::size_t i = map_.index(x, y);
        return (seen_[i / 64] >> (i % 64) & 1) == 0 && map_.passable(i);
    }
    void mark(std::int32_t x, std::int32_t y) {
        const std::size_t i = map_.index(x, y);
        seen_[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    // One seed for each run of open cells between `from` and `to` in row y.
    void seedRuns(std::int32_t from, std::int32_t to, std::int32_t y) {
        if (y < 0 || y >= map_.height()) return;
        bool in_run = false;
        for (std::int32_t x = from; x <= to; ++x) {
            const bool cell_open = open(x, y);
            if (cell_open && !in_run) seeds_.push_back({x, y});
            in_run = cell_open;
        }
    }

    const CostMap& map_;
    const bool diagonal_;
    std::vector<std::uint64_t> seen_;
    std::vector<GridCell> seeds_;
};

}  // namespace

bool CanReach(const CostMap& map, GridCell start, GridCell goal, bool diagonal) {
    if (!map.passable(map.index(goal.x, goal.y))) return false;
    Fill fill(map, diagonal);
    if (map.passable(map.index(start.x, start.y))) {
        fill.seed(start.x, start.y);
    } else {
        for (std::int32_t dy = -1; dy <= 1; ++dy) {
            for (std::int32_t dx = -1; dx <= 1; ++dx) {
                const bool edge = (dx == 0) != (dy == 0);
                const bool corner = dx != 0 && dy != 0;
                if (edge || (diagonal && corner)) fill.seed(start.x + dx, start.y + dy);
            }
        }
    }
    return fill.reaches(goal);
}
