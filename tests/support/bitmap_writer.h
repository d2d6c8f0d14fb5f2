// Writing bitmap files in tests, in every depth, padding and row order.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

struct TestRgb {
    std::uint8_t red, green, blue;
};

struct TestBitmap {
    int width = 1;
    int height = 1;
    int bits = 24;                 // 8, 24 or 32
    bool top_down = false;         // a negative height in the header
    std::vector<TestRgb> palette;  // 8-bit images
    // The pixel at column x of row y from the top: a colour, or for 8-bit images
    // a palette index in red.
    std::function<TestRgb(int x, int y)> pixel = [](int, int) { return TestRgb{0, 0, 0}; };
};

// A bitmap of one colour.
inline TestBitmap SolidBitmap(int width, int height, TestRgb colour) {
    return {width, height, 24, false, {}, [colour](int, int) { return colour; }};
}

inline void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The bytes of a bitmap file.
inline std::vector<std::uint8_t> BitmapBytes(const TestBitmap& bitmap) {
    const int bytes_per_pixel = bitmap.bits / 8;
    const int stride = (bitmap.width * bytes_per_pixel + 3) / 4 * 4;
    const std::uint32_t palette_bytes = static_cast<std::uint32_t>(bitmap.palette.size()) * 4;
    const std::uint32_t offset = 54 + palette_bytes;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, offset + static_cast<std::uint32_t>(stride * bitmap.height), 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, offset, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(bitmap.width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(bitmap.top_down ? -bitmap.height : bitmap.height), 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(bitmap.bits), 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(out, 0, 4);
    for (const TestRgb& entry : bitmap.palette) {
        out.insert(out.end(), {entry.blue, entry.green, entry.red, 0});
    }
    for (int file_row = 0; file_row < bitmap.height; ++file_row) {
        const int y = bitmap.top_down ? file_row : bitmap.height - 1 - file_row;
        std::size_t written = 0;
        for (int x = 0; x < bitmap.width; ++x) {
            const TestRgb c = bitmap.pixel(x, y);
            if (bitmap.bits == 8) {
                out.push_back(c.red);
            } else {
                out.insert(out.end(), {c.blue, c.green, c.red});
                if (bitmap.bits == 32) out.push_back(0x77);
            }
            written += static_cast<std::size_t>(bytes_per_pixel);
        }
        for (; written < static_cast<std::size_t>(stride); ++written)
            out.push_back(0);
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
