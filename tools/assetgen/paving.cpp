#include "paving.h"

#include "noise.h"

namespace assetgen {
namespace {

constexpr Rgb kSlab{176, 168, 154};
constexpr Rgb kSlabWarm{188, 164, 138};
constexpr Rgb kGrout{92, 88, 82};
constexpr int kGroutWidth = 2;
constexpr NoiseLayers kStoneGrain{16, 16, 3, 41};

// Slabs differ slightly in shade and warmth, like stones from different batches.
Rgb SlabColour(int slab_x, int slab_y) {
    const double warmth = HashUnit(slab_x, slab_y, 42);
    const double shade = HashUnit(slab_x, slab_y, 43);
    return Scale(Mix(kSlab, kSlabWarm, warmth * 0.6), 0.9 + 0.16 * shade);
}

Rgb PavingAt(int x, int y) {
    const int in_x = x % kSlabSize;
    const int in_y = y % kSlabSize;
    const double grain = TileableNoise((x + 0.5) / kPavingSize, (y + 0.5) / kPavingSize, kStoneGrain);
    const double speck = HashUnit(x, y, 44);
    if (in_x < kGroutWidth || in_y < kGroutWidth) return Scale(kGrout, 0.9 + 0.2 * speck);
    Rgb colour = Scale(SlabColour(x / kSlabSize, y / kSlabSize), 0.88 + 0.22 * grain + 0.06 * (speck - 0.5));
    // Bevelled slab edges: lit along the top and left, shaded along the bottom and right.
    if (in_x == kGroutWidth || in_y == kGroutWidth) colour = Scale(colour, 1.1);
    if (in_x == kSlabSize - 1 || in_y == kSlabSize - 1) colour = Scale(colour, 0.82);
    return colour;
}

}  // namespace

Image MakeShopFloor() {
    return DrawEachPixel(kPavingSize, kPavingSize, PavingAt);
}

}  // namespace assetgen
