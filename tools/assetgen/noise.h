// Deterministic pseudo-random values and smooth noise that wraps around, so
// textures drawn with it tile without seams. Everything is a pure function of
// its arguments: the same files come out of every run.
#pragma once

#include <cstdint>

namespace assetgen {

// A well-mixed 32-bit value for a lattice point and a seed.
std::uint32_t Hash(int x, int y, std::uint32_t seed);

// The hash as a number in [0, 1).
double HashUnit(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1] at a point given in lattice cells, with the
// lattice repeating every cells_x columns and cells_y rows.
double WrappingValueNoise(double x, double y, int cells_x, int cells_y, std::uint32_t seed);

// How a layered noise is built: the first layer has cells_x by cells_y lattice
// cells across the picture, each further layer twice as many at half the weight.
struct NoiseLayers {
    int cells_x;
    int cells_y;
    int layers;
    std::uint32_t seed;
};

// Layered noise in [0, 1] at (u, v), fractions of the picture's width and
// height; it wraps at u = 1 and at v = 1.
double TileableNoise(double u, double v, const NoiseLayers& noise);

}  // namespace assetgen
