#include "object_texture.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "colour.h"

namespace dddconv {
namespace {

using Rgba = std::array<double, 4>;

Rgba TexelAt(const BitmapFile& picture, int x, int y) {
    x = std::clamp(x, 0, picture.width - 1);
    y = std::clamp(y, 0, picture.height - 1);
    std::uint8_t red, green, blue;
    picture.PixelAt(x, y, red, green, blue);
    return {static_cast<double>(red), static_cast<double>(green), static_cast<double>(blue),
            static_cast<double>(picture.AlphaAt(x, y))};
}

// The picture at a point given in its pixels (texel centres at half steps), filtered between the four nearest
// texels.
Rgba Sample(const BitmapFile& picture, double x, double y) {
    const int left = static_cast<int>(std::floor(x - 0.5));
    const int top = static_cast<int>(std::floor(y - 0.5));
    const double across = x - 0.5 - left;
    const double down = y - 0.5 - top;
    const Rgba a = TexelAt(picture, left, top), b = TexelAt(picture, left + 1, top);
    const Rgba c = TexelAt(picture, left, top + 1), d = TexelAt(picture, left + 1, top + 1);
    Rgba mixed{};
    for (int i = 0; i < 4; ++i)
        mixed[i] =
            (a[i] * (1 - across) + b[i] * across) * (1 - down) + (c[i] * (1 - across) + d[i] * across) * down;
    return mixed;
}

assetgen::Rgb Opaque(const Rgba& texel) {
    if (texel[3] < 128) return assetgen::kKeyColour;
    return {assetgen::ToChannel(texel[0]), assetgen::ToChannel(texel[1]), assetgen::ToChannel(texel[2])};
}

}  // namespace

int NearestPowerOfTwo(int size) {
    int side = 1;
    while (side < size && side < kLargestTextureSide)
        side *= 2;
    // Between two powers, the nearer one; halfway, the larger.
    if (side > size && side / 2 >= 1 && size - side / 2 < side - size) side /= 2;
    return side;
}

assetgen::Image ObjectTexture(const BitmapFile& picture) {
    const int width = NearestPowerOfTwo(picture.width);
    const int height = NearestPowerOfTwo(picture.height);
    const double x_step = static_cast<double>(picture.width) / width;
    const double y_step = static_cast<double>(picture.height) / height;
    return assetgen::DrawEachPixel(width, height, [&](int x, int y) {
        return Opaque(Sample(picture, (x + 0.5) * x_step, (y + 0.5) * y_step));
    });
}

}  // namespace dddconv
