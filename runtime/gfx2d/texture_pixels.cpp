#include "gfx2d/texture_pixels.h"

#include <algorithm>
#include <cmath>

bool EveryPixelPassesAlphaTest(const RgbaImage& image) {
    for (std::size_t alpha = 3; alpha < image.pixels.size(); alpha += 4) {
        if (image.pixels[alpha] < 128) return false;
    }
    return true;
}

int PowerOfTwoAtLeast(int size) {
    int side = 1;
    while (side < size && side < (1 << 30))
        side <<= 1;
    return side;
}

RgbaImage CutOutTexture(const BitmapFile& bitmap, int x, int y, int width, int height, int texture_width,
                        int texture_height, std::uint32_t key, bool use_key) {
    RgbaImage image{
        texture_width, texture_height,
        std::vector<std::uint8_t>(static_cast<std::size_t>(texture_width) * texture_height * 4, 0)};
    for (int row = 0; row < height && row < texture_height; ++row) {
        const int source_row = row + y;
        if (source_row < 0 || source_row >= bitmap.height) continue;
        std::uint8_t* line =
            image.pixels.data() + static_cast<std::size_t>(height - 1 - row) * texture_width * 4;
        for (int column = 0; column < width && column < texture_width; ++column) {
            const int source_column = column + x;
            if (source_column < 0 || source_column >= bitmap.width) continue;
            std::uint8_t red, green, blue;
            bitmap.PixelAt(source_column, source_row, red, green, blue);
            std::uint8_t* pixel = line + static_cast<std::size_t>(column) * 4;
            // An image with transparency of its own keeps it; the key is for images without.
            const bool keyed = use_key && !bitmap.alpha;
            if (keyed && (red | green << 8 | blue << 16) == static_cast<int>(key & 0xFFFFFF)) continue;
            pixel[0] = red;
            pixel[1] = green;
            pixel[2] = blue;
            pixel[3] = bitmap.AlphaAt(source_column, source_row);
        }
    }
    return image;
}

void ShrinkToNextMipLevel(RgbaImage& image, int new_width, int new_height) {
    const int previous_width = image.width;
    const int width = std::max(new_width, 1);
    const int height = std::max(new_height, 1);
    std::uint8_t* p = image.pixels.data();
    auto at = [&](int row, int column, int channel) {
        return static_cast<int>(p[(static_cast<std::size_t>(row) * previous_width + column) * 4 + channel]);
    };
    // Each new pixel lies at or before the pixels it reads, so the level is
    // computed in place from the front of the buffer.
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            for (int channel = 0; channel < 4; ++channel) {
                const int s0 = at(2 * j, 2 * i, channel);
                const bool right = i < width - 1;
                const bool below = j < height - 1;
                int value = s0;
                if (right && below) {
                    value = (4 * s0 + 2 * at(2 * j, 2 * i + 1, channel) +
                             2 * at(2 * j + 2, 2 * i + 1, channel) + at(2 * j + 2, 2 * i, channel)) /
                            9;
                } else if (right) {
                    value = (2 * s0 + at(2 * j, 2 * i + 1, channel)) / 3;
                } else if (below) {
                    value = (2 * s0 + at(2 * j + 2, 2 * i, channel)) / 3;
                }
                p[(static_cast<std::size_t>(j) * width + i) * 4 + channel] = static_cast<std::uint8_t>(value);
            }
        }
    }
    image.width = width;
    image.height = height;
}

void build_detail_normalmap(std::uint8_t* pixels, int width, int height) {
    if (width <= 0 || height <= 0) return;
    auto h = [&](int column, int row) {
        column = (column + width) % width;
        row = (row + height) % height;
        return pixels[(static_cast<std::size_t>(row) * width + column) * 4 + 2] / 255.0;
    };
    std::vector<std::uint8_t> result(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double gx = (h(x - 1, y - 1) + 2 * h(x - 1, y) + h(x - 1, y + 1)) -
                              (h(x + 1, y - 1) + 2 * h(x + 1, y) + h(x + 1, y + 1));
            const double gy = (h(x - 1, y + 1) + 2 * h(x, y + 1) + h(x + 1, y + 1)) -
                              (h(x - 1, y - 1) + 2 * h(x, y - 1) + h(x + 1, y - 1));
            const double n = 1.0 / static_cast<float>(std::sqrt(gx * gx + gy * gy + 1));
            std::uint8_t* out = result.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            out[0] = static_cast<std::uint8_t>((gx * n + 1) * 0.5 * 255);
            out[1] = static_cast<std::uint8_t>((gy * n + 1) * 0.5 * 255);
            out[2] = static_cast<std::uint8_t>((n + 1) * 0.5 * 255);
            out[3] = pixels[(static_cast<std::size_t>(y) * width + x) * 4 + 3];
        }
    }
    std::copy(result.begin(), result.end(), pixels);
}
