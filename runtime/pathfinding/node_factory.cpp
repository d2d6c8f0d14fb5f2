#include "pathfinding/node_factory.h"

#include <algorithm>
#include <limits>
#include <new>

namespace {

std::int32_t TilesFor(std::int32_t cells) {
    return static_cast<std::int32_t>((std::int64_t{cells} + NodeTile::kSide - 1) >> NodeTile::kShift);
}

}  // namespace

void NodeFactory::allocate(std::int32_t width, std::int32_t height, std::size_t capacity) {
    tiles_.clear();
    reached_ = 0;
    tiles_across_ = TilesFor(width);
    tiles_.resize(static_cast<std::size_t>(tiles_across_) * static_cast<std::size_t>(TilesFor(height)));
    capacity_ = capacity;
}

void NodeFactory::cleanup() {
    const std::size_t tiles = tiles_.size();
    tiles_.clear();
    tiles_.resize(tiles);
    reached_ = 0;
}

NodeTile* NodeFactory::newTile(std::unique_ptr<NodeTile>& tile) {
    tile.reset(new (std::nothrow) NodeTile);
    if (!tile) return nullptr;
    std::fill(std::begin(tile->cost), std::end(tile->cost), NodeTile::kUnknownCost);
    std::fill(std::begin(tile->g), std::end(tile->g), std::numeric_limits<float>::infinity());
    std::fill(std::begin(tile->nodes), std::end(tile->nodes), Node{nullptr, 0, 0, 0.0f, Node::kUnreached});
    return tile.get();
}
