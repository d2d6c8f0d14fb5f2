// Turning the command language's doubles into the whole numbers a command needs.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Truncates toward zero into a signed 32-bit integer. Values beyond the range
// saturate and not-a-number gives 0, so no conversion is ever undefined.
inline std::int32_t TruncToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

// Truncates toward zero into a signed 64-bit integer, saturating like TruncToInt32.
inline std::int64_t TruncToInt64(double value) {
    if (std::isnan(value)) return 0;
    if (value <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
    if (value >= 9223372036854775807.0) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(value);
}

// Truncates toward zero and narrows to 16 bits, as screen coordinates are.
inline std::int16_t TruncToInt16(double value) {
    return static_cast<std::int16_t>(TruncToInt32(value));
}

// A colour value: truncated toward zero to 64 bits, then taken modulo 2^32.
inline std::uint32_t TruncToColour(double value) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(TruncToInt64(value)));
}
