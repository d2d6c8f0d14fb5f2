// Writing bitmap files in tests, in every depth, padding and row order.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

struct TestRgb {
    std::uint8_t red, green, blue;
};

struct TestBitmap {
    int width = 1, height = 1;
    int bits = 24;                 // 8, 24 or 32
    bool top_down = false;         // a negative height in the header
    std::vector<TestRgb> palette;  // 8-bit images
    // The pixel at column x of row y from the top: a colour, or for 8-bit images a palette index in red.
    std::function<TestRgb(int x, int y)> pixel = [](int, int) { return TestRgb{0, 0, 0}; };
};

inline TestBitmap SolidBitmap(int width, int height, TestRgb colour) {
    return {width, height, 24, false, {}, [colour](int, int) { return colour; }};
}

inline void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline std::vector<std::uint8_t> BitmapBytes(const TestBitmap& b) {
    const int stride = (b.width * b.bits / 8 + 3) / 4 * 4;
    const auto offset = static_cast<std::uint32_t>(54 + b.palette.size() * 4);
    std::vector<std::uint8_t> out = {'B', 'M'};
    // Each header field as (value, size in bytes); the fields after the depth are zero.
    const std::initializer_list<std::pair<std::uint32_t, int>> header = {
        {offset + stride * b.height, 4},        {0, 4}, {offset, 4}, {40, 4}, {b.width, 4},
        {b.top_down ? -b.height : b.height, 4}, {1, 2}, {b.bits, 2}};
    for (const auto& [value, bytes] : header)
        PutLittleEndian(out, value, bytes);
    out.resize(offset - b.palette.size() * 4, 0);
    for (const TestRgb& entry : b.palette)
        out.insert(out.end(), {entry.blue, entry.green, entry.red, 0});
    for (int file_row = 0; file_row < b.height; ++file_row) {
        const std::size_t row_start = out.size();
        for (int x = 0; x < b.width; ++x) {
            const TestRgb c = b.pixel(x, b.top_down ? file_row : b.height - 1 - file_row);
            if (b.bits == 8) out.push_back(c.red);
            if (b.bits != 8) out.insert(out.end(), {c.blue, c.green, c.red});
            if (b.bits == 32) out.push_back(0x77);
        }
        out.resize(row_start + static_cast<std::size_t>(stride), 0);
    }
    return out;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteBitmap(const std::string& path, const TestBitmap& bitmap) {
    WriteBytes(path, BitmapBytes(bitmap));
}
