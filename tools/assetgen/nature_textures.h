// Grass for the ground and a tree for the camera-facing billboards.
#pragma once

#include "image.h"

namespace assetgen {

inline constexpr int kGrassSize = 128;
inline constexpr int kTreeSize = 128;

// Meadow grass that tiles without seams in both directions.
Image MakeGrass();

// A broad-leaved tree on the key colour, its trunk standing on the bottom row:
// a billboard stands on its bottom edge. Every other pixel is exactly the key
// colour, so it is left out when drawn.
Image MakeTree();

}  // namespace assetgen
