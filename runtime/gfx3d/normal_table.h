// The fixed table of unit vectors that packed vertices use for their normal,
// tangent and binormal: each direction is stored as the index of its nearest
// entry.
#pragma once

#include <cstdint>

#include "gfx3d/vector3.h"

inline constexpr int kNormalTableSize = 162;
extern const float kNormalTable[kNormalTableSize][3];

// The index of the entry nearest to the direction (normalised first when it is
// not zero): the smallest squared distance, an earlier entry winning ties.
std::uint8_t NormalIndexOfDirection(Vec3 direction);

// The entry at `index` (an index above the table's last gives the last entry).
Vec3 NormalTableEntry(std::uint8_t index);
