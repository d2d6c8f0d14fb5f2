#include "pathfinding/planner.h"

#include <algorithm>

namespace {

std::size_t OrDefault(unsigned size, std::size_t cells) {
    return size != 0 ? size : cells;
}

float LimitedWeight(float weight) {
    if (!(weight >= 0.0f)) return 0.0f;  // also for a weight that is not a number
    return std::min(weight, 1.0f);
}

// Copies the cells of the nodes that `forEach` visits, as far as the buffer holds them.
template <class ForEach>
std::size_t CopyCells(std::span<std::int32_t> cells, ForEach forEach) {
    std::size_t n = 0;
    forEach([&](const Node& node) {
        if (2 * n + 1 >= cells.size()) return;
        cells[2 * n] = node.x;
        cells[2 * n + 1] = node.y;
        ++n;
    });
    return n;
}

}  // namespace

bool Planner::createMap(const Description& description) {
    const Description& d = description;
    const auto inside = [&d](std::int32_t x, std::int32_t y) {
        return x >= 0 && x < d.width && y >= 0 && y < d.height;
    };
    if (d.map == nullptr || !inside(d.start_x, d.start_y) || !inside(d.goal_x, d.goal_y)) return false;
    if (d.start_x == d.goal_x && d.start_y == d.goal_y) return false;

    cleanup();
    map_.load(d.map, d.width, d.height);
    const std::size_t cells = static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height);
    nodes_.allocate(d.width, d.height, OrDefault(d.node_pool_size, cells));
    open_.allocate(OrDefault(d.open_list_size, cells));
    description_ = d;
    description_.heuristic_weight = LimitedWeight(d.heuristic_weight);
    path_end_ = nullptr;
    runs_ = 0;
    loaded_ = true;
    return true;
}

void Planner::initialize() {
    cleanup();
    done_ = false;
    runs_ = 0;
    running_time_ = 0;
}

void Planner::cleanup() {
    open_.clear();
    nodes_.cleanup();
    closed_count_ = 0;
    path_end_ = nullptr;
}

float Planner::getPathCost() const {
    return path_end_ != nullptr ? nodes_.g(*path_end_) : 0.0f;
}

std::size_t Planner::getPathSize() const {
    std::size_t size = 0;
    for (const Node* node = path_end_; node != nullptr; node = node->parent)
        ++size;
    return size;
}

std::size_t Planner::fillPath(std::span<std::int32_t> cells) const {
    const std::size_t size = getPathSize();
    std::size_t n = size;
    for (const Node* node = path_end_; node != nullptr; node = node->parent) {
        --n;
        if (2 * n + 1 < cells.size()) {
            cells[2 * n] = node->x;
            cells[2 * n + 1] = node->y;
        }
    }
    return std::min(size, cells.size() / 2);
}

std::size_t Planner::fillOpen(std::span<std::int32_t> cells) const {
    return CopyCells(cells, [this](auto visit) { open_.forEach(visit); });
}

std::size_t Planner::fillClosed(std::span<std::int32_t> cells) const {
    return CopyCells(cells, [this](auto visit) {
        nodes_.forEach([&visit](const Node& node) {
            if (node.state == Node::kClosed) visit(node);
        });
    });
}
