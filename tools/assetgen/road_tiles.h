// The sixteen road tiles, one for each edge mask. A set bit puts a kerb with a
// grass verge beyond it on that side of the tile, so the kerbs follow the
// city's layout.
#pragma once

#include "image.h"

namespace assetgen {

inline constexpr int kRoadTileSize = 128;

// Bits of a road tile's edge mask: the side of the tile that borders
// something that is not road.
inline constexpr int kEdgeTowardLowerY = 1;
inline constexpr int kEdgeTowardLowerX = 2;
inline constexpr int kEdgeTowardHigherX = 4;
inline constexpr int kEdgeTowardHigherY = 8;

// Widths across a kerbed side, in pixels from the tile's edge inward.
inline constexpr int kVergeWidth = 10;
inline constexpr int kKerbWidth = 6;
inline constexpr int kGutterWidth = 3;

// The tile for an edge mask (0 to 15). A tile is laid on the ground with the
// picture's columns running along +x (left edge toward x - 1) and its rows
// along +y from the bottom of the picture (bottom edge toward y - 1; the
// bottom row is the first row stored in the file).
Image MakeRoadTile(int mask);

}  // namespace assetgen
