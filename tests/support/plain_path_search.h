// The path search written plainly, slow and simple enough to check by reading: a cost grid of floats
// built up front, one state per cell, and the open list sorted from the largest key at the front to the
// smallest at the back, where a new node goes before every node of equal key and is found from the back.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

struct PlainRequest {
    const double* map = nullptr;
    int width = 0, height = 0, start_x = 0, start_y = 0, goal_x = 0, goal_y = 0;
    float weight = 0.7f;
    bool diagonal_moves = false;
};

struct PlainPath {
    std::vector<std::pair<int, int>> cells;  // start to goal; empty when there is no path
    float cost = 0;
};

inline PlainPath PlainPathSearch(const PlainRequest& r) {
    const int n = r.width * r.height;
    std::vector<float> cost(n, -1);  // -1: a wall
    float largest = 0;
    for (int i = 0; i < n; ++i) {
        const float v = static_cast<float>(r.map[i]);
        if (v > 0 && v <= std::numeric_limits<float>::max()) cost[i] = v;
        largest = std::max(largest, cost[i]);
    }
    for (float& c : cost)
        if (c > 0) c /= largest;
    enum State : char { kNew, kOpen, kClosed };
    std::vector<State> state(n, kNew);
    std::vector<float> g(n, 0), f(n, 0);
    std::vector<int> parent(n, -1), open;
    const auto insert = [&](int cell) {
        open.insert(std::partition_point(open.begin(), open.end(), [&](int o) { return f[o] > f[cell]; }),
                    cell);
        state[cell] = kOpen;
    };
    const int goal = r.goal_x + r.width * r.goal_y;
    insert(r.start_x + r.width * r.start_y);
    // dx, dy and whether the step is diagonal, in the order they are looked at.
    const int steps[8][3] = {{-1, -1, 1}, {0, -1, 0}, {1, -1, 1}, {1, 0, 0},
                             {-1, 0, 0},  {-1, 1, 1}, {0, 1, 0},  {1, 1, 1}};
    while (!open.empty()) {
        const int cell = open.back();
        open.pop_back();
        if (cell == goal) {
            PlainPath result{{}, g[goal]};
            for (int c = goal; c != -1; c = parent[c])
                result.cells.insert(result.cells.begin(), {c % r.width, c / r.width});
            return result;
        }
        for (const auto& [dx, dy, diagonal] : steps) {
            const int nx = cell % r.width + dx, ny = cell / r.width + dy, next = nx + r.width * ny;
            if ((diagonal && !r.diagonal_moves) || nx < 0 || ny < 0 || nx >= r.width || ny >= r.height ||
                cost[next] < 0)
                continue;
            const float new_g = g[cell] + cost[next] * (diagonal ? 1.4142136f : 1.0f);
            if (state[next] != kNew && !(new_g < g[next])) continue;
            if (state[next] == kOpen) open.erase(std::find(open.rbegin(), open.rend(), next).base() - 1);
            const int h = std::abs(r.goal_x - nx) + std::abs(r.goal_y - ny);
            parent[next] = cell;
            g[next] = new_g;
            f[next] = new_g + r.weight * (static_cast<float>(h) - new_g);
            insert(next);
        }
        state[cell] = kClosed;
    }
    return {};
}
