// Small shapes the vehicle and building pictures are drawn from, tested one
// pixel at a time in a picture's own coordinates.
#pragma once

#include <algorithm>
#include <cmath>

#include "colour.h"
#include "texture_atlas.h"

namespace assetgen {

inline bool Inside(int x, int y, PixelRect rect) {
    return x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
}

// The rectangle with `by` pixels taken off every side.
inline PixelRect Shrunk(PixelRect rect, int by) {
    return {rect.x + by, rect.y + by, rect.width - 2 * by, rect.height - 2 * by};
}

// Inside the rectangle with its corners rounded off at the given radius.
inline bool InsideRounded(int x, int y, PixelRect rect, int radius) {
    if (!Inside(x, y, rect)) return false;
    const double cx = std::clamp(x + 0.5, rect.x + radius + 0.0, rect.x + rect.width - radius + 0.0);
    const double cy = std::clamp(y + 0.5, rect.y + radius + 0.0, rect.y + rect.height - radius + 0.0);
    return std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius;
}

// Glass: dark blue-grey, crossed by pale slanting reflections.
inline constexpr Rgb kGlass{44, 62, 84};
inline constexpr Rgb kGlassGleam{112, 138, 164};

inline Rgb GlassAt(int x, int y) {
    const int band = ((x + 2 * y) % 64 + 64) % 64;
    if (band < 6) return kGlassGleam;
    if (band < 10) return Mix(kGlass, kGlassGleam, 0.4);
    return Scale(kGlass, 1.0 + 0.15 * (1.0 - y / 64.0));
}

}  // namespace assetgen
