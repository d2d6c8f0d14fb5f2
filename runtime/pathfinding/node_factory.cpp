#include "pathfinding/node_factory.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {

std::int32_t TilesFor(std::int32_t cells) {
    return static_cast<std::int32_t>((std::int64_t{cells} + NodeTile::kSide - 1) >> NodeTile::kShift);
}

}  // namespace

void NodeFactory::allocate(const CostMap& map, std::size_t capacity) {
    map_ = &map;
    tiles_.clear();
    reached_ = 0;
    tiles_across_ = TilesFor(map.width());
    tiles_.resize(static_cast<std::size_t>(tiles_across_) * static_cast<std::size_t>(TilesFor(map.height())));
    capacity_ = capacity;
}

void NodeFactory::cleanup() {
    const std::size_t tiles = tiles_.size();
    tiles_.clear();
    tiles_.resize(tiles);
    reached_ = 0;
}

NodeTile* NodeFactory::newTile(std::unique_ptr<NodeTile>& tile, std::int32_t x, std::int32_t y) const {
    tile.reset(new (std::nothrow) NodeTile);
    if (!tile) return nullptr;
    const std::int32_t left = x & ~(NodeTile::kSide - 1);
    const std::int32_t top = y & ~(NodeTile::kSide - 1);
    for (std::int32_t cy = top; cy < top + NodeTile::kSide; ++cy) {
        for (std::int32_t cx = left; cx < left + NodeTile::kSide; ++cx) {
            const float cost = map_->contains(cx, cy) ? map_->cost(cx, cy) : CostMap::kWall;
            tile->cells[NodeTile::Slot(cx, cy)] = {cost, std::numeric_limits<float>::infinity()};
        }
    }
    std::fill(std::begin(tile->nodes), std::end(tile->nodes), Node{nullptr, 0, 0, 0.0f, Node::kUnreached});
    return tile.get();
}
