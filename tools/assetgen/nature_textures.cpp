#include "nature_textures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "noise.h"

namespace assetgen {
namespace {

// Grass: broad patches of lighter and darker green, short upright blade streaks
// and a few dry speckles.
constexpr Rgb kGrassDark{46, 82, 30};
constexpr Rgb kGrassLight{104, 144, 56};
constexpr Rgb kGrassDry{146, 146, 78};
constexpr NoiseLayers kGrassPatches{4, 4, 4, 11};
constexpr NoiseLayers kGrassBlades{64, 16, 2, 12};

Rgb GrassAt(int x, int y) {
    const double u = (x + 0.5) / kGrassSize;
    const double v = (y + 0.5) / kGrassSize;
    const double patches = TileableNoise(u, v, kGrassPatches);
    const double blades = TileableNoise(u, v, kGrassBlades);
    Rgb colour = Mix(kGrassDark, kGrassLight, 0.15 + 0.65 * (patches - 0.5) + 0.75 * blades);
    const double grain = HashUnit(x, y, 13);
    if (grain > 0.985) return Mix(colour, kGrassDry, 0.6);
    return Scale(colour, 0.92 + 0.16 * grain);
}

// The tree: a crown of overlapping leafy clusters over a trunk. Coordinates
// are pixels of the 128 x 128 picture, y downward.
struct Cluster {
    double x;
    double y;
    double radius;
};

constexpr std::array<Cluster, 9> kCrown{{
    {64, 52, 30},
    {38, 60, 20},
    {90, 60, 20},
    {46, 34, 21},
    {82, 34, 21},
    {64, 22, 18},
    {28, 44, 14},
    {100, 44, 14},
    {64, 72, 18},
}};

constexpr Rgb kLeafShadow{22, 50, 18};
constexpr Rgb kLeafLit{118, 168, 60};
constexpr Rgb kBarkDark{52, 36, 24};
constexpr Rgb kBarkLight{124, 92, 60};
constexpr NoiseLayers kLeafClumps{16, 16, 3, 21};
constexpr NoiseLayers kLeafEdge{32, 32, 2, 22};
constexpr NoiseLayers kBarkGrain{24, 4, 2, 23};

constexpr double kTrunkCentre = 64;
constexpr int kTrunkTop = 50;

// Half the trunk's width at row y: narrow under the crown, flaring at the roots.
double TrunkHalfWidth(int y) {
    const double along = static_cast<double>(y - kTrunkTop) / (kTreeSize - kTrunkTop);
    const double flare = std::max(0.0, along - 0.8) * 30.0;
    return 4.5 + 2.5 * along + flare;
}

// How deep a pixel lies inside a cluster (0 at its ragged edge, 1 at its
// centre), negative outside.
double ClusterDepth(const Cluster& cluster, double x, double y, double edge_noise) {
    const double distance = std::hypot(x - cluster.x, y - cluster.y) / cluster.radius;
    const double edge = 0.8 + 0.35 * edge_noise;
    return 1.0 - distance / edge;
}

// Light falls from the upper left; each cluster is shaded like a ball.
double ClusterLight(const Cluster& cluster, double x, double y) {
    const double nx = std::clamp((x - cluster.x) / cluster.radius, -1.0, 1.0);
    const double ny = std::clamp((y - cluster.y) / cluster.radius, -1.0, 1.0);
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double lit = -0.5 * nx - 0.55 * ny + 0.67 * nz;
    return std::clamp(lit, 0.0, 1.0);
}

// The crown's colour at a pixel, or nothing when the pixel is outside it.
std::optional<Rgb> LeafAt(int px, int py) {
    const double x = px + 0.5;
    const double y = py + 0.5;
    const double u = x / kTreeSize;
    const double v = y / kTreeSize;
    const double edge_noise = TileableNoise(u, v, kLeafEdge);
    const Cluster* front = nullptr;
    double front_depth = 0.0;
    for (const Cluster& cluster : kCrown) {
        const double depth = ClusterDepth(cluster, x, y, edge_noise);
        if (depth > 0.0 && (front == nullptr || depth > front_depth)) {
            front = &cluster;
            front_depth = depth;
        }
    }
    if (front == nullptr) return std::nullopt;
    const double clumps = TileableNoise(u, v, kLeafClumps);
    const double light = ClusterLight(*front, x, y) * (0.45 + 0.9 * clumps);
    const Rgb colour = Mix(kLeafShadow, kLeafLit, light);
    if (HashUnit(px, py, 24) > 0.93) return Scale(colour, 0.7);  // gaps between leaves
    return colour;
}

// The trunk's colour at a pixel, or nothing when the pixel is beside it.
std::optional<Rgb> BarkAt(int px, int py) {
    if (py < kTrunkTop) return std::nullopt;
    const double half = TrunkHalfWidth(py);
    const double across = (px + 0.5 - kTrunkCentre) / half;
    if (std::abs(across) > 1.0) return std::nullopt;
    const double grain = TileableNoise((px + 0.5) / kTreeSize, (py + 0.5) / kTreeSize, kBarkGrain);
    const double round = 0.55 - 0.45 * across;  // lit from the left
    return Mix(kBarkDark, kBarkLight, round * (0.6 + 0.6 * grain));
}

// The crown hides the trunk; everything else is the key colour.
Rgb TreeAt(int x, int y) {
    return LeafAt(x, y).value_or(BarkAt(x, y).value_or(kKeyColour));
}

}  // namespace

Image MakeGrass() {
    return DrawEachPixel(kGrassSize, kGrassSize, GrassAt);
}

Image MakeTree() {
    return DrawEachPixel(kTreeSize, kTreeSize, TreeAt);
}

}  // namespace assetgen
