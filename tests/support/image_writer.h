// Writing PNG, JPEG and TGA files in tests: PNG and JPEG through SDL2_image's
// encoders, TGA by hand (18 bytes of header, then the pixels).
#pragma once

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "support/bitmap_writer.h"

struct TestRgba {
    std::uint8_t red, green, blue, alpha;
};

struct TestImage {
    int width = 1, height = 1;
    // The pixel at column x of row y from the top.
    std::function<TestRgba(int x, int y)> pixel = [](int, int) { return TestRgba{0, 0, 0, 255}; };
};

enum class TestFormat { kPng, kPngWithAlpha, kJpeg, kTga24, kTga32, kTga24BottomUp };

inline bool HasAlpha(TestFormat format) {
    return format == TestFormat::kPngWithAlpha || format == TestFormat::kTga32;
}

inline std::vector<std::uint8_t> TgaBytes(const TestImage& image, int bits, bool top_down) {
    std::vector<std::uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // true colour, no map, no id
    PutLittleEndian(out, static_cast<std::uint32_t>(image.width), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(image.height), 2);
    out.push_back(static_cast<std::uint8_t>(bits));
    out.push_back(static_cast<std::uint8_t>((top_down ? 0x20 : 0) | (bits == 32 ? 8 : 0)));
    for (int row = 0; row < image.height; ++row) {
        for (int x = 0; x < image.width; ++x) {
            const TestRgba c = image.pixel(x, top_down ? row : image.height - 1 - row);
            out.insert(out.end(), {c.blue, c.green, c.red});
            if (bits == 32) out.push_back(c.alpha);
        }
    }
    return out;
}

// Saves through an SDL surface of 24 or 32 bits; false when SDL2_image cannot.
inline bool SaveWithSdlImage(const std::string& path, const TestImage& image, TestFormat format) {
    const int channels = HasAlpha(format) ? 4 : 3;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, channels * 8,
                                       channels == 4 ? SDL_PIXELFORMAT_RGBA32 : SDL_PIXELFORMAT_RGB24);
    if (surface == nullptr) return false;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const TestRgba c = image.pixel(x, y);
            const std::uint8_t rgba[4] = {c.red, c.green, c.blue, c.alpha};
            std::memcpy(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch + x * channels, rgba,
                        static_cast<std::size_t>(channels));
        }
    }
    const int result = format == TestFormat::kJpeg ? IMG_SaveJPG(surface, path.c_str(), 100)
                                                   : IMG_SavePNG(surface, path.c_str());
    SDL_FreeSurface(surface);
    return result == 0;
}

// Writes the image in the format; false when it cannot be written.
inline bool WriteImage(const std::string& path, const TestImage& image, TestFormat format) {
    if (format == TestFormat::kPng || format == TestFormat::kPngWithAlpha || format == TestFormat::kJpeg)
        return SaveWithSdlImage(path, image, format);
    WriteBytes(path,
               TgaBytes(image, format == TestFormat::kTga32 ? 32 : 24, format != TestFormat::kTga24BottomUp));
    return true;
}
