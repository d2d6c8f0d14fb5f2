#include "noise.h"

#include <cmath>

namespace assetgen {
namespace {

std::uint32_t Mix32(std::uint32_t value) {
    value ^= value >> 16;
    value *= 0x7feb352dU;
    value ^= value >> 15;
    value *= 0x846ca68bU;
    value ^= value >> 16;
    return value;
}

int WrapIndex(int index, int period) {
    const int wrapped = index % period;
    return wrapped < 0 ? wrapped + period : wrapped;
}

double SmoothStep(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

}  // namespace

std::uint32_t Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = Mix32(seed ^ 0x9e3779b9U);
    h = Mix32(h ^ static_cast<std::uint32_t>(x));
    return Mix32(h ^ static_cast<std::uint32_t>(y) * 0x85ebca6bU);
}

double HashUnit(int x, int y, std::uint32_t seed) {
    return Hash(x, y, seed) / 4294967296.0;
}

double WrappingValueNoise(double x, double y, int cells_x, int cells_y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double tx = SmoothStep(x - fx);
    const double ty = SmoothStep(y - fy);
    auto corner = [&](int dx, int dy) {
        return HashUnit(WrapIndex(x0 + dx, cells_x), WrapIndex(y0 + dy, cells_y), seed);
    };
    return Lerp(Lerp(corner(0, 0), corner(1, 0), tx), Lerp(corner(0, 1), corner(1, 1), tx), ty);
}

double TileableNoise(double u, double v, const NoiseLayers& noise) {
    double sum = 0.0;
    double weight = 1.0;
    double total_weight = 0.0;
    int cells_x = noise.cells_x;
    int cells_y = noise.cells_y;
    for (int layer = 0; layer < noise.layers; ++layer) {
        sum += weight * WrappingValueNoise(u * cells_x, v * cells_y, cells_x, cells_y,
                                           noise.seed + static_cast<std::uint32_t>(layer) * 7919U);
        total_weight += weight;
        weight *= 0.5;
        cells_x *= 2;
        cells_y *= 2;
    }
    return total_weight > 0.0 ? sum / total_weight : 0.0;
}

}  // namespace assetgen
