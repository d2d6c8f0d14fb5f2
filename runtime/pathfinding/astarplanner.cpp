#include "pathfinding/astarplanner.h"

#include <cstdlib>
#include <new>

#include "core/dxinput.h"
#include "pathfinding/reachability.h"
#include "platform/clock.h"

namespace {

constexpr std::uint8_t kEscape = 1;
constexpr float kDiagonalFactor = 1.4142136f;

// The neighbours of a cell, in the order they are looked at.
struct Step {
    std::int32_t dx;
    std::int32_t dy;
    bool diagonal;
};
constexpr Step kSteps[] = {{-1, -1, true}, {0, -1, false}, {1, -1, true}, {1, 0, false},
                           {-1, 0, false}, {-1, 1, true},  {0, 1, false}, {1, 1, true}};

// Whether the player holds Esc or has tapped it since the last look; false
// where the runtime has no input devices. A look takes the tap.
bool EscapePressed() {
    if (pDXin == nullptr) return false;
    pDXin->GetKeyboardStatus();
    return pDXin->IsKeyDown(kEscape);
}

}  // namespace

void AStarPlanner::initialize() {
    Planner::initialize();
    reachability_checked_ = false;
    if (!loaded_) return;
    const std::int32_t x = description_.start_x;
    const std::int32_t y = description_.start_y;
    NodeTile* tile = nodes_.tile(x, y);
    if (tile == nullptr || !nodes_.fetch()) return;  // no memory: the search finds nothing
    Node& start = tile->nodes[NodeTile::Slot(x, y)];
    start.x = x;
    start.y = y;
    tile->g[NodeTile::Slot(x, y)] = 0.0f;
    open_.push(&start);
}

bool AStarPlanner::run() {
    ++runs_;
    if (done_ || !loaded_) {
        done_ = true;
        return true;
    }
    EscapePressed();  // a tap before this slice is not meant for it
    const double started = TheClock().Milliseconds();
    Outcome outcome = Outcome::kFinished;
    try {
        outcome = search();
    } catch (const std::bad_alloc&) {
        finish(nullptr);  // out of memory, like an exhausted pool: no path
    }
    running_time_ += TheClock().Milliseconds() - started;
    return outcome == Outcome::kFinished;
}

AStarPlanner::Outcome AStarPlanner::search() {
    const Description& d = description_;
    if (!reachability_checked_) {
        reachability_checked_ = true;
        if (!CanReach(map_, {d.start_x, d.start_y}, {d.goal_x, d.goal_y}, d.diagonal_moves)) {
            finish(nullptr);
            return Outcome::kFinished;
        }
    }
    unsigned expansions = 0;
    while (Node* node = open_.pop()) {
        if (node->x == d.goal_x && node->y == d.goal_y) {
            close(node);
            finish(node);
            return Outcome::kFinished;
        }
        if (expansions++ > kEscapeInterval) {
            expansions = 0;
            if (EscapePressed()) {
                open_.restore(node);  // a later run takes it up again
                return Outcome::kAborted;
            }
        }
        if (!expand(node)) {
            finish(nullptr);  // the pool or the open list is exhausted: the search stops without a path
            return Outcome::kFinished;
        }
        close(node);
    }
    finish(nullptr);
    return Outcome::kFinished;
}

bool AStarPlanner::expand(Node* node) {
    const float diagonal_factor = description_.diagonal_cost ? kDiagonalFactor : 1.0f;
    const float node_g = nodes_.g(*node);
    for (const Step& step : kSteps) {
        if (step.diagonal && !description_.diagonal_moves) continue;
        const std::int32_t x = node->x + step.dx;
        const std::int32_t y = node->y + step.dy;
        if (!map_.contains(x, y)) continue;
        NodeTile* tile = nodes_.tile(x, y);
        if (tile == nullptr) return false;
        const std::size_t slot = NodeTile::Slot(x, y);
        if (tile->cost[slot] == NodeTile::kUnknownCost) tile->cost[slot] = map_.cost(x, y);
        if (tile->cost[slot] == CostMap::kWall) continue;
        const float g = node_g + tile->cost[slot] * (step.diagonal ? diagonal_factor : 1.0f);
        if (!(g < tile->g[slot])) continue;  // no shorter way; an unreached cell's g is infinite
        if (!reach(node, x, y, *tile, g)) return false;
    }
    return true;
}

bool AStarPlanner::reach(Node* from, std::int32_t x, std::int32_t y, NodeTile& tile, float g) {
    const std::size_t slot = NodeTile::Slot(x, y);
    Node& node = tile.nodes[slot];
    if (node.state != Node::kOpen && open_.full()) return false;
    if (node.state == Node::kUnreached) {
        if (!nodes_.fetch()) return false;
        node.x = x;
        node.y = y;
    }
    const Description& d = description_;
    const std::int32_t h = std::abs(d.goal_x - x) + std::abs(d.goal_y - y);
    const float f = g + d.heuristic_weight * (static_cast<float>(h) - g);
    node.parent = from;
    tile.g[slot] = g;
    if (node.state == Node::kOpen) {
        open_.update(&node, f);
        return true;
    }
    if (node.state == Node::kClosed) --closed_count_;
    node.f = f;
    open_.push(&node);
    return true;
}

void AStarPlanner::close(Node* node) {
    node->state = Node::kClosed;
    ++closed_count_;
}

void AStarPlanner::finish(Node* path_end) {
    path_end_ = path_end;
    done_ = true;
}
