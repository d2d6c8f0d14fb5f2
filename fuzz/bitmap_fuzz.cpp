// Feeds arbitrary bytes to the bitmap reader. A bitmap that is read must hold
// every pixel its sizes promise, and cutting any part of it into a texture
// buffer must stay inside the bitmap and the buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gfx2d/bitmap_file.h"
#include "gfx2d/texture_pixels.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const std::optional<std::pair<int, int>> header_size = ParseBitmapSize(bytes);
    const std::optional<BitmapFile> bitmap = ParseBitmap(bytes);
    if (!bitmap) return 0;
    if (!header_size || header_size->first != bitmap->width || header_size->second != bitmap->height)
        std::abort();
    const std::size_t needed =
        static_cast<std::size_t>(bitmap->stride) * static_cast<std::size_t>(bitmap->height);
    if (bitmap->pixels.size() != needed) std::abort();
    // A cut-out reaching past every edge, kept small so that huge bitmaps stay quick.
    const int width = bitmap->width < 64 ? bitmap->width + 2 : 64;
    const int height = bitmap->height < 64 ? bitmap->height + 2 : 64;
    const RgbaImage image =
        CutOutTexture(*bitmap, -1, bitmap->height - height + 1, width, height, PowerOfTwoAtLeast(width),
                      PowerOfTwoAtLeast(height), 0x8000FF, true);
    RgbaImage level = image;
    while (level.width > 1 || level.height > 1)
        ShrinkToNextMipLevel(level, level.width / 2, level.height / 2);
    build_detail_normalmap(RgbaImage(image).pixels.data(), image.width, image.height);
    return 0;
}
