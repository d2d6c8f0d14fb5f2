// Reading Windows bitmap files: 8-bit (palette), 24-bit and 32-bit images.
// A bitmap is outside input: every size and offset is checked against the
// bytes really there, and a file that does not fit is refused. Images of the
// other formats are held in the same record once decoded (gfx2d/image_file.h).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct BitmapFile {
    int width = 0;                      // pixels
    int height = 0;                     // pixels; a top-down file's negative height is taken as positive
    int bits = 0;                       // 8, 24 or 32
    int stride = 0;                     // bytes per row, a multiple of 4
    std::vector<std::uint8_t> palette;  // 8-bit images: entries of blue, green, red, reserved
    std::vector<std::uint8_t> pixels;   // rows from the bottom of the image up
    // 32-bit rows whose fourth byte is the pixel's alpha (a decoded image that
    // has transparency of its own); a bitmap file's fourth byte is ignored.
    bool alpha = false;

    // Red, green and blue of the pixel at column x of row y counted from the top.
    void PixelAt(int x, int y, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) const;
    // The alpha of that pixel: its own with `alpha` set, else 255.
    std::uint8_t AlphaAt(int x, int y) const;
};

// The largest pixel data a bitmap may have.
inline constexpr std::size_t kMaxBitmapPixelBytes = 256u << 20;
// The largest bitmap file read: its headers and palette, and that pixel data.
inline constexpr std::size_t kMaxBitmapFileBytes = (64u << 10) + kMaxBitmapPixelBytes;

// The width and height in a bitmap's headers (absolute values), or nothing
// when the bytes do not start with complete headers of a "BM" file.
std::optional<std::pair<int, int>> ParseBitmapSize(std::span<const std::uint8_t> bytes);
// The whole image, or nothing when the file is short, lies about its sizes or
// has a bit count other than 8, 24 or 32.
std::optional<BitmapFile> ParseBitmap(std::span<const std::uint8_t> bytes);
// Reads a bitmap file from disk with the checks of ParseBitmap.
std::optional<BitmapFile> ReadBitmapFile(const std::string& path);
// GetBMPSize: the width and height in a bitmap file's headers; 0 x 0 when it
// cannot be opened, is shorter than its headers or is not a bitmap.
void GetBMPSize(const std::string& path, int& width, int& height);
