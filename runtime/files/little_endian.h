// 32-bit little-endian numbers, as the containers and packed blocks store them.
#pragma once

#include <cstdint>

inline std::uint32_t ReadLittleEndian32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

inline void WriteLittleEndian32(std::uint8_t* at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k)
        at[k] = static_cast<std::uint8_t>(value >> (8 * k));
}
