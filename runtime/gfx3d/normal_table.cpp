#include "gfx3d/normal_table.h"

std::uint8_t NormalIndexOfDirection(Vec3 direction) {
    const Vec3 unit = NormalisedIfNonZero(direction);
    double best_distance = 10000;
    int best = 0;
    for (int i = 0; i < kNormalTableSize; ++i) {
        const Vec3 offset = unit - FromFloats(kNormalTable[i]);
        const double distance = Dot(offset, offset);
        if (distance < best_distance) {
            best_distance = distance;
            best = i;
            if (distance == 0) break;
        }
    }
    return static_cast<std::uint8_t>(best);
}

Vec3 NormalTableEntry(std::uint8_t index) {
    return FromFloats(kNormalTable[index < kNormalTableSize ? index : kNormalTableSize - 1]);
}
