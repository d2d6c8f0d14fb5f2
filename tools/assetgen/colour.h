// The colour of one pixel and the few operations the drawing code mixes colours with.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assetgen {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Sprites leave pixels of exactly this colour out (red 255, green 0, blue 128).
inline constexpr Rgb kKeyColour{255, 0, 128};

inline std::uint8_t ToChannel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// The colour a fraction t of the way from a to b (t is limited to 0..1).
inline Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {ToChannel(a.r + (b.r - a.r) * t), ToChannel(a.g + (b.g - a.g) * t),
            ToChannel(a.b + (b.b - a.b) * t)};
}

// The colour with every channel multiplied by factor (brighter above 1, darker below).
inline Rgb Scale(Rgb c, double factor) {
    return {ToChannel(c.r * factor), ToChannel(c.g * factor), ToChannel(c.b * factor)};
}

}  // namespace assetgen
