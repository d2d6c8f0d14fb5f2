// Writing image files in tests: bitmaps in every depth, padding and row order, TGA files
// (18 bytes of header, then the pixels), and PNG files through SDL2_image's encoder.
#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

struct TestRgb {
    std::uint8_t red, green, blue, alpha = 255;  // alpha only where the format keeps it
};
using TestRgba = TestRgb;
using TestPixels = std::function<TestRgb(int x, int y)>;  // the pixel at column x of row y from the top

struct TestBitmap {
    int width = 1, height = 1;
    int bits = 24;                 // 8, 24 or 32
    bool top_down = false;         // a negative height in the header
    std::vector<TestRgb> palette;  // 8-bit images: a pixel's red is its index
    TestPixels pixel;
};

struct TestImage {
    int width = 1, height = 1;
    TestPixels pixel;
};

enum class TestFormat { kPng, kPngWithAlpha, kTga32, kTga24BottomUp };

inline TestBitmap SolidBitmap(int width, int height, TestRgb colour) {
    return {width, height, 24, false, {}, [colour](int, int) { return colour; }};
}

// Each field as (value, size in bytes), the lowest byte first.
inline void PutLittleEndian(std::vector<std::uint8_t>& out,
                            std::initializer_list<std::pair<std::uint32_t, int>> fields) {
    for (const auto& [value, bytes] : fields)
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Each pixel as its palette index at 8 bits, else blue, green, red and at 32 bits alpha; each row
// padded with zeros to a multiple of `align` bytes.
inline void PutRows(std::vector<std::uint8_t>& out, int width, int height, const TestPixels& pixel, int bits,
                    bool top_down, std::size_t align) {
    for (int row = 0; row < height; ++row) {
        const std::size_t row_start = out.size();
        for (int x = 0; x < width; ++x) {
            const TestRgb c = pixel(x, top_down ? row : height - 1 - row);
            if (bits == 8) out.push_back(c.red);
            if (bits != 8) out.insert(out.end(), {c.blue, c.green, c.red});
            if (bits == 32) out.push_back(c.alpha);
        }
        out.resize(row_start + (out.size() - row_start + align - 1) / align * align, 0);
    }
}

inline std::vector<std::uint8_t> BitmapBytes(const TestBitmap& b) {
    const int stride = (b.width * b.bits / 8 + 3) / 4 * 4;
    const auto offset = static_cast<std::uint32_t>(54 + b.palette.size() * 4);
    std::vector<std::uint8_t> out = {'B', 'M'};
    PutLittleEndian(out, {{offset + stride * b.height, 4}, {0, 4}, {offset, 4}, {40, 4}, {b.width, 4}});
    PutLittleEndian(out, {{b.top_down ? -b.height : b.height, 4}, {1, 2}, {b.bits, 2}});  // then zeros
    out.resize(offset - b.palette.size() * 4, 0);
    for (const TestRgb& entry : b.palette)
        out.insert(out.end(), {entry.blue, entry.green, entry.red, 0});
    PutRows(out, b.width, b.height, b.pixel, b.bits, b.top_down, 4);
    return out;
}

inline std::vector<std::uint8_t> TgaBytes(const TestImage& image, int bits, bool top_down) {
    std::vector<std::uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // true colour, no map, no id
    const int descriptor = (top_down ? 0x20 : 0) | (bits == 32 ? 8 : 0);
    PutLittleEndian(out, {{image.width, 2}, {image.height, 2}, {bits, 1}, {descriptor, 1}});
    PutRows(out, image.width, image.height, image.pixel, bits, top_down, 1);
    return out;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteBitmap(const std::string& path, const TestBitmap& bitmap) {
    WriteBytes(path, BitmapBytes(bitmap));
}

// Writes the image in the format; false when it cannot be written.
inline bool WriteImage(const std::string& path, const TestImage& image, TestFormat format) {
    const int bits = format == TestFormat::kPngWithAlpha || format == TestFormat::kTga32 ? 32 : 24;
    if (format == TestFormat::kTga32 || format == TestFormat::kTga24BottomUp) {
        WriteBytes(path, TgaBytes(image, bits, format == TestFormat::kTga32));
        return true;
    }
    std::vector<std::uint8_t> rows;
    PutRows(rows, image.width, image.height, image.pixel, bits, true, 1);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        rows.data(), image.width, image.height, bits, image.width * bits / 8,
        bits == 32 ? SDL_PIXELFORMAT_BGRA32 : SDL_PIXELFORMAT_BGR24);
    const bool saved = surface != nullptr && IMG_SavePNG(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return saved;
}
