#include "bitmap_writer.h"

#include "whole_file.h"

namespace assetgen {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutFileHeader(std::vector<std::uint8_t>& out, std::uint32_t pixel_bytes) {
    out.push_back('B');
    out.push_back('M');
    PutU32(out, kBitmapHeaderSize + pixel_bytes);
    PutU16(out, 0);  // reserved
    PutU16(out, 0);
    PutU32(out, kBitmapHeaderSize);  // pixel data follows the headers directly
}

void PutInfoHeader(std::vector<std::uint8_t>& out, const Image& image, std::uint32_t pixel_bytes) {
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(image.Width()));
    PutU32(out, static_cast<std::uint32_t>(image.Height()));  // positive: rows bottom-up
    PutU16(out, 1);                                           // planes
    PutU16(out, 24);                                          // bits per pixel
    PutU32(out, 0);                                           // no compression
    PutU32(out, pixel_bytes);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, 0);  // no palette
    PutU32(out, 0);
}

}  // namespace

int BitmapRowStride(int width) {
    return (width * 3 + 3) / 4 * 4;
}

std::vector<std::uint8_t> EncodeBitmap(const Image& image) {
    const int stride = BitmapRowStride(image.Width());
    const auto pixel_bytes = static_cast<std::uint32_t>(stride) * static_cast<std::uint32_t>(image.Height());
    std::vector<std::uint8_t> out;
    out.reserve(kBitmapHeaderSize + pixel_bytes);
    PutFileHeader(out, pixel_bytes);
    PutInfoHeader(out, image, pixel_bytes);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb& pixel = image.At(x, y);
            out.push_back(pixel.b);
            out.push_back(pixel.g);
            out.push_back(pixel.r);
        }
        for (int pad = image.Width() * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteBitmapFile(const std::filesystem::path& path, const Image& image) {
    return WriteWholeFile(path, EncodeBitmap(image));
}

}  // namespace assetgen
