// The nodes of a search, one for each cell it reaches. The grid is cut into
// square tiles, and a tile is made when the search first looks at one of its
// cells, so the nodes cost what the search touches, not the whole grid. A look
// at a cell reads only its cost and its g, which a tile keeps side by side,
// apart from the nodes, so that looks stay within a few cache lines. The
// factory also keeps the count of nodes reached against its capacity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "pathfinding/node.h"

struct NodeTile {
    static constexpr int kShift = 3;  // 8 x 8 cells
    static constexpr std::int32_t kSide = 1 << kShift;
    static constexpr std::size_t kCells = kSide * kSide;
    static constexpr float kUnknownCost = -2.0f;

    // The place of cell (x, y) in its tile.
    static std::size_t Slot(std::int32_t x, std::int32_t y) {
        return static_cast<std::size_t>(x & (kSide - 1)) +
               (static_cast<std::size_t>(y & (kSide - 1)) << kShift);
    }

    float cost[kCells];  // the cost of entering the cell; kUnknownCost until read from the map
    float g[kCells];     // the cost of the best known way from the start; infinite until reached
    Node nodes[kCells];
};

class NodeFactory {
public:
    // Gives every node back, for a grid of the given size, and sets how many
    // nodes a search may reach.
    void allocate(std::int32_t width, std::int32_t height, std::size_t capacity);
    // Gives every node back.
    void cleanup();

    // The tile of a cell inside the grid, made when first asked for; null when
    // the memory for it cannot be had.
    NodeTile* tile(std::int32_t x, std::int32_t y) {
        std::unique_ptr<NodeTile>& tile = tiles_[tileIndex(x, y)];
        return tile ? tile.get() : newTile(tile);
    }
    // The g of a reached node.
    float g(const Node& node) const {
        return tiles_[tileIndex(node.x, node.y)]->g[NodeTile::Slot(node.x, node.y)];
    }
    // Counts one more node reached by the search; false when the capacity is
    // reached.
    bool fetch() {
        if (reached_ >= capacity_) return false;
        ++reached_;
        return true;
    }

    // Visits every node the search has reached.
    template <class Visit>
    void forEach(Visit visit) const {
        for (const std::unique_ptr<NodeTile>& tile : tiles_) {
            for (std::size_t i = 0; tile && i < NodeTile::kCells; ++i) {
                if (tile->nodes[i].state != Node::kUnreached) visit(tile->nodes[i]);
            }
        }
    }

private:
    std::size_t tileIndex(std::int32_t x, std::int32_t y) const {
        return static_cast<std::size_t>(x >> NodeTile::kShift) +
               static_cast<std::size_t>(tiles_across_) * static_cast<std::size_t>(y >> NodeTile::kShift);
    }
    static NodeTile* newTile(std::unique_ptr<NodeTile>& tile);

    std::vector<std::unique_ptr<NodeTile>> tiles_;
    std::int32_t tiles_across_ = 0;
    std::size_t capacity_ = 0;
    std::size_t reached_ = 0;
};
