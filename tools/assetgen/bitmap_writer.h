// Writes pictures as Windows bitmap files: 24 bits per pixel, uncompressed,
// rows stored bottom-up and each padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "image.h"

namespace assetgen {

inline constexpr int kBitmapHeaderSize = 14 + 40;

// Bytes per stored row of a 24-bit bitmap this wide, padding included.
int BitmapRowStride(int width);

// The complete file: file header, information header, then the pixel rows.
std::vector<std::uint8_t> EncodeBitmap(const Image& image);

// Writes the file in one piece (WriteWholeFile). False on any failure.
bool WriteBitmapFile(const std::filesystem::path& path, const Image& image);

}  // namespace assetgen
