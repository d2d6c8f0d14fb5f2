#include "gfx2d/bitmap_file.h"

#include <cstdlib>
#include <fstream>

#include "files/whole_file.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// Headers and palette together never need more than this; a larger data
// offset is a lie.
constexpr std::uint32_t kMaxDataOffset = kMaxBitmapFileBytes - kMaxBitmapPixelBytes;

std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool HasHeaders(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kFileHeaderSize + kInfoHeaderSize && bytes[0] == 'B' && bytes[1] == 'M';
}

std::int32_t HeaderWidth(std::span<const std::uint8_t> bytes) {
    return static_cast<std::int32_t>(U32(bytes, kFileHeaderSize + 4));
}
std::int32_t HeaderHeight(std::span<const std::uint8_t> bytes) {
    return static_cast<std::int32_t>(U32(bytes, kFileHeaderSize + 8));
}

// The absolute value, or -1 for a value whose absolute value does not fit.
std::int64_t Magnitude(std::int32_t value) {
    return std::llabs(static_cast<std::int64_t>(value));
}

}  // namespace

namespace {

const std::uint8_t* PixelBytes(const BitmapFile& bitmap, int x, int y) {
    const std::size_t row =
        static_cast<std::size_t>(bitmap.height - 1 - y) * static_cast<std::size_t>(bitmap.stride);
    return bitmap.pixels.data() + row +
           static_cast<std::size_t>(x) * static_cast<std::size_t>(bitmap.bits / 8);
}

}  // namespace

void BitmapFile::PixelAt(int x, int y, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) const {
    const std::uint8_t* pixel = PixelBytes(*this, x, y);
    if (bits == 8) {
        // An index beyond the palette the file holds reads as black.
        const std::size_t entry = static_cast<std::size_t>(pixel[0]) * 4;
        if (entry + 3 > palette.size()) {
            red = green = blue = 0;
            return;
        }
        pixel = palette.data() + entry;
    }
    blue = pixel[0];
    green = pixel[1];
    red = pixel[2];
}

std::uint8_t BitmapFile::AlphaAt(int x, int y) const {
    return alpha && bits == 32 ? PixelBytes(*this, x, y)[3] : 255;
}

std::optional<std::pair<int, int>> ParseBitmapSize(std::span<const std::uint8_t> bytes) {
    if (!HasHeaders(bytes)) return std::nullopt;
    const std::int64_t width = Magnitude(HeaderWidth(bytes));
    const std::int64_t height = Magnitude(HeaderHeight(bytes));
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return std::nullopt;
    return std::pair<int, int>(static_cast<int>(width), static_cast<int>(height));
}

std::optional<BitmapFile> ParseBitmap(std::span<const std::uint8_t> bytes) {
    const std::optional<std::pair<int, int>> size = ParseBitmapSize(bytes);
    if (!size || size->first == 0 || size->second == 0) return std::nullopt;
    BitmapFile bitmap;
    bitmap.width = size->first;
    bitmap.height = size->second;
    bitmap.bits = U16(bytes, kFileHeaderSize + 14);
    if (bitmap.bits != 8 && bitmap.bits != 24 && bitmap.bits != 32) return std::nullopt;

    const std::uint32_t data_offset = U32(bytes, 10);
    if (data_offset < kFileHeaderSize + kInfoHeaderSize || data_offset > kMaxDataOffset) return std::nullopt;
    const std::uint64_t stride = (static_cast<std::uint64_t>(bitmap.width) * (bitmap.bits / 8) + 3) / 4 * 4;
    const std::uint64_t pixel_bytes = stride * static_cast<std::uint64_t>(bitmap.height);
    if (pixel_bytes > kMaxBitmapPixelBytes || bytes.size() < data_offset + pixel_bytes) return std::nullopt;
    bitmap.stride = static_cast<int>(stride);

    // The palette follows the 40-byte information header, whatever size that header names.
    if (bitmap.bits == 8) {
        bitmap.palette.assign(bytes.begin() + kFileHeaderSize + kInfoHeaderSize, bytes.begin() + data_offset);
    }
    bitmap.pixels.assign(bytes.begin() + data_offset,
                         bytes.begin() + data_offset + static_cast<std::ptrdiff_t>(pixel_bytes));
    return bitmap;
}

std::optional<BitmapFile> ReadBitmapFile(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kMaxBitmapFileBytes);
    if (!bytes) return std::nullopt;
    return ParseBitmap(*bytes);
}

void GetBMPSize(const std::string& path, int& width, int& height) {
    width = height = 0;
    std::ifstream file(path, std::ios::binary);
    std::uint8_t headers[kFileHeaderSize + kInfoHeaderSize];
    if (!file.read(reinterpret_cast<char*>(headers), sizeof headers)) return;
    if (const std::optional<std::pair<int, int>> size = ParseBitmapSize(headers)) {
        width = size->first;
        height = size->second;
    }
}
