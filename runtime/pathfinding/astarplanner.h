// Weighted A* over the grid: a step goes to an edge neighbour (and, when the
// request allows, a diagonal one) and costs the cost of the cell entered; a
// node's key is g + weight x (h - g), h the Manhattan distance to the goal.
// A search can be cut short with the Esc key and run on later.
#pragma once

#include "pathfinding/planner.h"

class AStarPlanner : public Planner {
public:
    // How many nodes are expanded between two looks at the Esc key.
    static constexpr unsigned kEscapeInterval = 10000;

    void initialize() override;
    bool run() override;

private:
    enum class Outcome { kFinished, kAborted };

    Outcome search();
    // Puts the node's neighbours on the open list or gives them a shorter way
    // back; false when the pool or the open list has no room for a new node.
    bool expand(Node* node);
    // Gives the node of cell (x, y) the way through `from`, of cost g, and
    // puts it on the open list.
    bool reach(Node* from, std::int32_t x, std::int32_t y, NodeTile& tile, float g);
    void close(Node* node);
    void finish(Node* path_end);

    bool reachability_checked_ = false;
};
