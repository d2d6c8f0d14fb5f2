#include "gfx2d/image_file.h"

#include "core/error_log.h"
#include "files/whole_file.h"
#include "platform/image_decoder.h"

namespace {

bool IsBitmap(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

// The decoded pixels as bitmap rows: blue, green, red, alpha, from the bottom row up.
BitmapFile BitmapOf(const DecodedImage& decoded) {
    BitmapFile bitmap;
    bitmap.width = decoded.width;
    bitmap.height = decoded.height;
    bitmap.bits = 32;
    bitmap.stride = decoded.width * 4;
    bitmap.alpha = decoded.has_alpha;
    const std::size_t row_bytes = static_cast<std::size_t>(bitmap.stride);
    bitmap.pixels.resize(row_bytes * static_cast<std::size_t>(decoded.height));
    for (int y = 0; y < decoded.height; ++y) {
        const std::uint8_t* from = decoded.rgba.data() + static_cast<std::size_t>(y) * row_bytes;
        std::uint8_t* to =
            bitmap.pixels.data() + static_cast<std::size_t>(decoded.height - 1 - y) * row_bytes;
        for (std::size_t i = 0; i < row_bytes; i += 4) {
            to[i] = from[i + 2];
            to[i + 1] = from[i + 1];
            to[i + 2] = from[i];
            to[i + 3] = from[i + 3];
        }
    }
    return bitmap;
}

std::optional<BitmapFile> DecodeAsBitmap(std::span<const std::uint8_t> bytes, std::string& error) {
    const std::optional<DecodedImage> decoded = DecodeImage(bytes, kMaxBitmapPixelBytes / 4, error);
    if (!decoded) return std::nullopt;
    return BitmapOf(*decoded);
}

std::optional<BitmapFile> DecodeAndLog(std::span<const std::uint8_t> bytes, const std::string& path) {
    std::string error;
    std::optional<BitmapFile> image = DecodeAsBitmap(bytes, error);
    if (!image) WriteErrorLog((path + " cannot be read as an image: " + error).c_str());
    return image;
}

}  // namespace

std::optional<BitmapFile> ParseImage(std::span<const std::uint8_t> bytes, std::string& error) {
    if (!IsBitmap(bytes)) return DecodeAsBitmap(bytes, error);
    std::optional<BitmapFile> bitmap = ParseBitmap(bytes);
    if (!bitmap) error = "the bitmap is cut short, damaged or of a depth other than 8, 24 or 32 bits";
    return bitmap;
}

std::optional<BitmapFile> ReadImageFile(const std::string& path) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kMaxBitmapFileBytes);
    if (!bytes) return std::nullopt;
    if (IsBitmap(*bytes)) return ParseBitmap(*bytes);
    return DecodeAndLog(*bytes, path);
}

SpriteImage ReadSpriteImage(const std::string& path) {
    SpriteImage read;
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(path, kMaxBitmapFileBytes);
    if (!bytes) {
        // A bitmap too large to be read still has the size its headers give.
        GetBMPSize(path, read.width, read.height);
        return read;
    }
    if (IsBitmap(*bytes)) {
        if (const std::optional<std::pair<int, int>> size = ParseBitmapSize(*bytes)) {
            read.width = size->first;
            read.height = size->second;
        }
        read.image = ParseBitmap(*bytes);
        return read;
    }
    read.image = DecodeAndLog(*bytes, path);
    if (read.image) {
        read.width = read.image->width;
        read.height = read.image->height;
    }
    return read;
}
