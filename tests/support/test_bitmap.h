// Writing small bitmap files for tests that load images.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/pixels.h"

// Writes a 24-bit bottom-up bitmap whose pixel at column x, row y (from the
// top) has the colour colour_at(x, y).
inline void WriteTestBitmap(const std::string& path, int width, int height,
                            const std::function<Rgb(int x, int y)>& colour_at) {
    const int stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixel_bytes = static_cast<std::uint32_t>(stride * height);
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    bytes.push_back('B');
    bytes.push_back('M');
    put(54 + pixel_bytes, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    for (int field = 0; field < 6; ++field)
        put(0, 4);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const Rgb colour = colour_at(x, row);
            bytes.push_back(static_cast<std::uint8_t>(colour[2]));
            bytes.push_back(static_cast<std::uint8_t>(colour[1]));
            bytes.push_back(static_cast<std::uint8_t>(colour[0]));
        }
        for (int pad = width * 3; pad < stride; ++pad)
            bytes.push_back(0);
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
