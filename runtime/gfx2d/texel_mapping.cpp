#include "gfx2d/texel_mapping.h"

#include <cmath>

namespace {

bool IsWhole(float value) {
    return std::nearbyint(value) == value;
}

// Whether texture coordinates from `from` to `to` cover `span` texels from a
// texel corner, in a texture `size` texels long (a power of two, so the
// products are exact).
bool CoversWholeTexels(float from, float to, float span, int size) {
    const float start = from * static_cast<float>(size);
    return IsWhole(start) && to * static_cast<float>(size) - start == span;
}

// The matrix product a x b of column-major 4 x 4 matrices.
void Multiply(const float (&a)[16], const float (&b)[16], double (&product)[16]) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += static_cast<double>(a[k * 4 + row]) * b[column * 4 + k];
            product[column * 4 + row] = sum;
        }
    }
}

// Scales that differ from exact by rounding alone, and offsets that the
// rasteriser's sub-pixel grid snaps onto the pixel corner.
constexpr double kScaleTolerance = 1e-6;
constexpr double kOffsetTolerance = 1e-3;

bool Near(double value, double target, double tolerance) {
    return std::fabs(value - target) <= tolerance;
}

bool NearWhole(double value) {
    return Near(value, std::nearbyint(value), kOffsetTolerance);
}

}  // namespace

bool QuadSamplesTexelCentres(const Vertex2D (&corners)[4], int texture_width, int texture_height) {
    const Vertex2D& bottom_left = corners[0];
    const Vertex2D& bottom_right = corners[1];
    const Vertex2D& top_right = corners[2];
    const Vertex2D& top_left = corners[3];
    const bool axis_aligned = bottom_left.x == top_left.x && bottom_right.x == top_right.x &&
                              bottom_left.y == bottom_right.y && top_left.y == top_right.y &&
                              bottom_left.s == top_left.s && bottom_right.s == top_right.s &&
                              bottom_left.t == bottom_right.t && top_left.t == top_right.t;
    return axis_aligned && IsWhole(bottom_left.x) && IsWhole(bottom_left.y) && IsWhole(top_right.x) &&
           IsWhole(top_right.y) &&
           CoversWholeTexels(bottom_left.s, bottom_right.s, bottom_right.x - bottom_left.x, texture_width) &&
           CoversWholeTexels(bottom_left.t, top_left.t, top_left.y - bottom_left.y, texture_height);
}

bool UnitsArePixels(const float (&projection)[16], const float (&modelview)[16], const int (&viewport)[4]) {
    double m[16];
    Multiply(projection, modelview, m);
    const double half_width = viewport[2] / 2.0;
    const double half_height = viewport[3] / 2.0;
    // Window x = m[0] x + m[4] y + m[12], scaled by half the viewport, and the
    // same for y; the clip w must stay 1.
    const bool one_to_one = Near(m[0] * half_width, 1, kScaleTolerance) && Near(m[4], 0, kScaleTolerance) &&
                            Near(m[1], 0, kScaleTolerance) && Near(m[5] * half_height, 1, kScaleTolerance) &&
                            Near(m[3], 0, kScaleTolerance) && Near(m[7], 0, kScaleTolerance) &&
                            Near(m[15], 1, kScaleTolerance);
    return one_to_one && NearWhole(viewport[0] + (m[12] + 1) * half_width) &&
           NearWhole(viewport[1] + (m[13] + 1) * half_height);
}
