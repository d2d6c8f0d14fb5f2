// Feeds arbitrary bytes to the PNG, JPEG and TGA decoder. An image that is
// decoded must have the size its headers promise, within the pixel limit,
// and every one of its pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/image_decoder.h"
#include "platform/image_headers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMaxPixels = 1 << 20;
    const std::span<const std::uint8_t> bytes(data, size);
    std::string error;
    const std::optional<DecodedImage> image = DecodeImage(bytes, kMaxPixels, error);
    if (!image) {
        if (error.empty()) std::abort();  // every refusal says why
        return 0;
    }
    const std::optional<std::pair<int, int>> header = ImageHeaderSize(bytes, ImageKindOf(bytes));
    if (!header || header->first != image->width || header->second != image->height) std::abort();
    const std::size_t pixels =
        static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height);
    if (pixels > kMaxPixels || image->rgba.size() != pixels * 4) std::abort();
    return 0;
}
