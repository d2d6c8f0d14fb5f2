// A path planner over a grid of cell costs: the map, the node pool, the open
// list and the closed set, and what a finished search found. A search runs in
// one or more slices (`run`); AStarPlanner supplies the search itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "pathfinding/cost_map.h"
#include "pathfinding/node_factory.h"
#include "pathfinding/open_list.h"

class Planner {
public:
    // A request.
    struct Description {
        std::int32_t start_x = 0;
        std::int32_t start_y = 0;
        std::int32_t goal_x = 0;
        std::int32_t goal_y = 0;
        bool diagonal_cost = true;    // a diagonal step costs the cell's cost x 1.4142136
        bool diagonal_moves = false;  // steps may also go to the four diagonal neighbours
        unsigned node_pool_size = 0;  // the most cells a search may visit; 0: width x height
        unsigned open_list_size = 0;  // the most nodes waiting at once; 0: width x height
        // Kept for requests written for bucketed closed sets; a cell's node is
        // found by its place in the grid, which needs no sizing.
        unsigned hash_size_exponent = 16;
        float heuristic_weight = 0.7f;  // limited to 0 to 1; a key is g + weight x (h - g)
        std::int32_t width = 0;
        std::int32_t height = 0;
        const double* map = nullptr;  // width x height values, x varying fastest
    };

    Planner() = default;
    virtual ~Planner() = default;
    Planner(const Planner&) = delete;
    Planner& operator=(const Planner&) = delete;

    // Takes a request: false, with nothing built, when the start or the goal
    // lies outside the grid or they are the same cell. The map's values must
    // stay in place until the planner is cleaned up.
    bool createMap(const Description& description);
    // Prepares a new search of the request.
    virtual void initialize();
    // Runs the search on: true when it has finished, with or without a path;
    // false when it was cut short and may be run on.
    virtual bool run() = 0;
    // Gives back every node and empties the open list and the closed set.
    virtual void cleanup();

    // The cost of the path found, 0 when there is none.
    float getPathCost() const;
    // The number of cells of the path found, 0 when there is none.
    std::size_t getPathSize() const;
    std::size_t getOpenSize() const { return open_.size(); }
    std::size_t getClosedSize() const { return closed_count_; }
    // Copy x, y pairs of cells into the buffer as far as it holds them, and
    // return the number of cells copied: the path from the start to the goal,
    // the open list, the closed set.
    std::size_t fillPath(std::span<std::int32_t> cells) const;
    std::size_t fillOpen(std::span<std::int32_t> cells) const;
    std::size_t fillClosed(std::span<std::int32_t> cells) const;
    const Description& getDescription() const { return description_; }
    // The goal's node once a path is found, else null.
    const Node* getGoal() const { return path_end_; }
    const CostMap& getMap() const { return map_; }
    // How many times the search has been run since it was initialised.
    unsigned getNumSlices() const { return runs_; }
    // Milliseconds spent running the search since it was initialised.
    double getRunningTime() const { return running_time_; }
    bool isDone() const { return done_; }
    bool isLoaded() const { return loaded_; }

protected:
    bool done_ = false;
    NodeFactory nodes_;
    Description description_;
    CostMap map_;
    unsigned runs_ = 0;
    double running_time_ = 0;
    OpenList open_;
    std::size_t closed_count_ = 0;  // the closed set: the nodes in state kClosed
    Node* path_end_ = nullptr;
    bool loaded_ = false;
};
