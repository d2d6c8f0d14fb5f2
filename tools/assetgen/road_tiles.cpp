#include "road_tiles.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "nature_textures.h"
#include "noise.h"

namespace assetgen {
namespace {

constexpr Rgb kAsphalt{70, 70, 74};
constexpr Rgb kAsphaltStone{122, 120, 116};
constexpr Rgb kKerbTop{196, 194, 186};
constexpr Rgb kKerbFace{142, 140, 134};
constexpr NoiseLayers kAsphaltWear{4, 4, 3, 31};
constexpr NoiseLayers kAsphaltGrain{64, 64, 1, 32};
constexpr NoiseLayers kKerbGrain{32, 32, 2, 33};
// Inner corners where two kerbed sides meet are rounded with this radius.
constexpr double kCornerRadius = 36.0;
// Joints between kerb stones, every this many pixels along a straight kerb,
// placed between the tile's edges so that a seam never falls on one.
constexpr int kKerbStoneLength = 32;
constexpr int kKerbJointOffset = kKerbStoneLength / 2;

constexpr double kVergeEnd = kVergeWidth;
constexpr double kKerbEnd = kVergeEnd + kKerbWidth;
constexpr double kGutterEnd = kKerbEnd + kGutterWidth;

enum Side { kLowerY, kLowerX, kHigherX, kHigherY };
constexpr std::array<int, 4> kSideBit{kEdgeTowardLowerY, kEdgeTowardLowerX, kEdgeTowardHigherX,
                                      kEdgeTowardHigherY};

// Pairs of sides that meet at a corner of the tile.
constexpr std::array<std::array<Side, 2>, 4> kCorners{{
    {kLowerY, kLowerX},
    {kLowerY, kHigherX},
    {kHigherY, kLowerX},
    {kHigherY, kHigherX},
}};

// Distance of a pixel's centre from each side of the tile. The ground quad
// shows picture row 0 (the top) along the tile's edge toward lower y, and the
// bottom row along the edge toward higher y.
std::array<double, 4> SideDistances(int x, int y) {
    const double last = kRoadTileSize - 1;
    return {y + 0.5, x + 0.5, last - x + 0.5, last - y + 0.5};
}

struct EdgePlace {
    double distance;  // from the nearest kerbed side, rounded at inner corners
    bool in_corner;   // within the rounded corner of two kerbed sides
    double along;     // position along the nearest kerbed side
};

EdgePlace PlaceFromKerbedSides(int mask, int x, int y) {
    const std::array<double, 4> side = SideDistances(x, y);
    EdgePlace place{1e9, false, 0.0};
    for (int s = 0; s < 4; ++s) {
        if ((mask & kSideBit[s]) == 0 || side[s] >= place.distance) continue;
        place.distance = side[s];
        place.along = (s == kLowerY || s == kHigherY) ? x : y;
    }
    for (const auto& [a, b] : kCorners) {
        if ((mask & kSideBit[a]) == 0 || (mask & kSideBit[b]) == 0) continue;
        if (side[a] >= kCornerRadius || side[b] >= kCornerRadius) continue;
        const double rounded = kCornerRadius - std::hypot(kCornerRadius - side[a], kCornerRadius - side[b]);
        place.distance = std::min(place.distance, rounded);
        place.in_corner = true;
    }
    return place;
}

// The road surface: the same for every tile, and wrapping, so neighbouring
// road tiles join without a seam.
Rgb AsphaltAt(int x, int y) {
    const double u = (x + 0.5) / kRoadTileSize;
    const double v = (y + 0.5) / kRoadTileSize;
    const double wear = TileableNoise(u, v, kAsphaltWear);
    const double grain = TileableNoise(u, v, kAsphaltGrain);
    const double speck = HashUnit(x, y, 34);
    Rgb colour = Scale(kAsphalt, 0.86 + 0.28 * wear + 0.12 * (grain - 0.5) + 0.1 * (speck - 0.5));
    if (speck > 0.97) colour = Mix(colour, kAsphaltStone, 0.5);
    return colour;
}

// A kerb stone across its width t (0 at the verge, 1 at the road): a light top
// with a shaded face toward the road, and dark joints between the stones.
Rgb KerbAt(int x, int y, double t, const EdgePlace& place) {
    const double grain = TileableNoise((x + 0.5) / kRoadTileSize, (y + 0.5) / kRoadTileSize, kKerbGrain);
    Rgb colour = t < 0.65 ? kKerbTop : kKerbFace;
    if (t < 0.15) colour = Scale(colour, 0.88);  // rounded back edge
    colour = Scale(colour, 0.92 + 0.16 * grain);
    const bool joint =
        !place.in_corner && static_cast<int>(place.along) % kKerbStoneLength == kKerbJointOffset;
    return joint ? Scale(colour, 0.68) : colour;
}

Rgb RoadPixel(int mask, const Image& grass, int x, int y) {
    const EdgePlace place = PlaceFromKerbedSides(mask, x, y);
    if (place.distance < kVergeEnd) {
        // The verge is the ground texture itself, so it runs on into a grass tile.
        const double shadow = place.distance > kVergeEnd - 2.0 ? 0.8 : 1.0;
        return Scale(grass.At(x, y), shadow);
    }
    if (place.distance < kKerbEnd) return KerbAt(x, y, (place.distance - kVergeEnd) / kKerbWidth, place);
    const Rgb asphalt = AsphaltAt(x, y);
    if (place.distance < kGutterEnd) return Scale(asphalt, 0.72);
    return asphalt;
}

}  // namespace

Image MakeRoadTile(int mask) {
    static_assert(kRoadTileSize == kGrassSize, "the verge copies grass pixel for pixel");
    const Image grass = MakeGrass();
    return DrawEachPixel(kRoadTileSize, kRoadTileSize,
                         [&](int x, int y) { return RoadPixel(mask & 15, grass, x, y); });
}

}  // namespace assetgen
