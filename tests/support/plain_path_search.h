// The path search written plainly, for comparison: one state per cell, a cost
// grid of floats built up front, and the open list as an array sorted by key
// from the largest at the front to the smallest at the back, where a new node
// goes in front of every node of equal key and a node is found by searching
// from the back. Slow, and simple enough to check by reading.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

struct PlainRequest {
    const double* map = nullptr;
    int width = 0;
    int height = 0;
    int start_x = 0;
    int start_y = 0;
    int goal_x = 0;
    int goal_y = 0;
    float weight = 0.7f;
    bool diagonal_moves = false;
};

struct PlainPath {
    std::vector<std::pair<int, int>> cells;  // start to goal; empty when there is no path
    float cost = 0;
    std::uint64_t expansions = 0;
};

inline PlainPath PlainPathSearch(const PlainRequest& r) {
    const int n = r.width * r.height;
    constexpr float kWall = -1;
    std::vector<float> cost(n);
    float largest = 0;
    for (int i = 0; i < n; ++i) {
        const float v = static_cast<float>(r.map[i]);
        const bool passable = v > 0 && v <= std::numeric_limits<float>::max();
        cost[i] = passable ? v : kWall;
        if (passable) largest = std::max(largest, v);
    }
    for (float& c : cost) {
        if (c > 0) c /= largest;
    }

    enum State : char { kNew, kOpen, kClosed };
    std::vector<State> state(n, kNew);
    std::vector<float> g(n, 0), f(n, 0);
    std::vector<int> parent(n, -1);
    std::vector<int> open;
    const auto insert = [&](int cell) {
        open.insert(std::partition_point(open.begin(), open.end(), [&](int o) { return f[o] > f[cell]; }),
                    cell);
        state[cell] = kOpen;
    };
    const int start = r.start_x + r.width * r.start_y;
    const int goal = r.goal_x + r.width * r.goal_y;
    insert(start);

    struct Step {
        int dx, dy;
        bool diagonal;
    };
    const Step steps[] = {{-1, -1, true}, {0, -1, false}, {1, -1, true}, {1, 0, false},
                          {-1, 0, false}, {-1, 1, true},  {0, 1, false}, {1, 1, true}};
    PlainPath result;
    while (!open.empty()) {
        const int cell = open.back();
        open.pop_back();
        if (cell == goal) {
            for (int c = goal; c != -1; c = parent[c])
                result.cells.insert(result.cells.begin(), {c % r.width, c / r.width});
            result.cost = g[goal];
            return result;
        }
        ++result.expansions;
        const int x = cell % r.width;
        const int y = cell / r.width;
        for (const Step& step : steps) {
            const int nx = x + step.dx;
            const int ny = y + step.dy;
            if ((step.diagonal && !r.diagonal_moves) || nx < 0 || ny < 0 || nx >= r.width || ny >= r.height)
                continue;
            const int next = nx + r.width * ny;
            if (cost[next] == kWall) continue;
            const float new_g = g[cell] + cost[next] * (step.diagonal ? 1.4142136f : 1.0f);
            const int h = std::abs(r.goal_x - nx) + std::abs(r.goal_y - ny);
            const float new_f = new_g + r.weight * (static_cast<float>(h) - new_g);
            if (state[next] != kNew && !(new_g < g[next])) continue;
            if (state[next] == kOpen) open.erase(std::find(open.rbegin(), open.rend(), next).base() - 1);
            parent[next] = cell;
            g[next] = new_g;
            f[next] = new_f;
            insert(next);
        }
        state[cell] = kClosed;
    }
    return result;
}
