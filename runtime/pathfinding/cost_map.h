// The cost of entering each cell of a grid of doubles (x varies fastest).
// Values at or below 0, values that are not numbers and values too large for a
// float are walls; every other value, taken as a float, is divided by the
// largest of them, so passable cells cost from just above 0 to 1. Costs are
// worked out from the grid when asked for: building the map is one pass over it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

class CostMap {
public:
    static constexpr float kWall = -1.0f;

    // Reads the grid (width x height values, which must stay in place while
    // the map is used) and notes its largest passable value.
    void load(const double* cells, std::int32_t width, std::int32_t height);
    void release() { *this = CostMap{}; }

    static bool IsPassable(float value) {
        return value > 0.0f && value <= std::numeric_limits<float>::max();  // false for NaN
    }

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    bool contains(std::int32_t x, std::int32_t y) const {
        return x >= 0 && x < width_ && y >= 0 && y < height_;
    }
    std::size_t index(std::int32_t x, std::int32_t y) const {
        return static_cast<std::size_t>(x) + static_cast<std::size_t>(width_) * static_cast<std::size_t>(y);
    }
    bool passable(std::size_t index) const { return IsPassable(static_cast<float>(cells_[index])); }
    // The normalised cost of the cell, or kWall.
    float cost(std::int32_t x, std::int32_t y) const {
        const float value = static_cast<float>(cells_[index(x, y)]);
        return IsPassable(value) ? value / largest_ : kWall;
    }
    float largest() const { return largest_; }

private:
    const double* cells_ = nullptr;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    float largest_ = 0.0f;
};
