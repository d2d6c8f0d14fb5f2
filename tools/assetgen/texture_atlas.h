// A texture bitmap holding the pictures of several surfaces side by side, and
// the texture coordinates a mesh gives its vertices to show one of them.
#pragma once

#include <algorithm>

#include "image.h"

namespace assetgen {

// A rectangle of pixels, from column x and row y (counted from the top).
struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

// The texture coordinates of a picture's edges as mesh vertices carry them:
// u runs from the left edge to the right, v from the top edge down. (The
// renderer draws a vertex's v negated against rows stored bottom-up, with
// wrapping, so a v of 0 to 1 walks the picture from its top row to its bottom.)
struct TextureArea {
    float left;
    float top;
    float right;
    float bottom;
};

// Texel centres of the rectangle's outer pixels, so filtering at a face's edge
// stays inside its own picture.
inline TextureArea AreaOf(PixelRect rect, int atlas_width, int atlas_height) {
    return {(rect.x + 0.5f) / atlas_width, (rect.y + 0.5f) / atlas_height,
            (rect.x + rect.width - 0.5f) / atlas_width, (rect.y + rect.height - 0.5f) / atlas_height};
}

// Pixels painted around each picture with the colour of its nearest edge, so
// the smaller mipmap levels do not mix neighbouring pictures at its edges.
inline constexpr int kAtlasBleed = 3;

// Paints the rectangle with paint(x, y) in its own pixel coordinates (0 at its
// top-left), and a bleed border around it with the nearest edge pixel's colour.
template <typename Paint>
void PaintArea(Image& atlas, PixelRect rect, Paint paint) {
    const int top = std::max(0, rect.y - kAtlasBleed);
    const int bottom = std::min(atlas.Height(), rect.y + rect.height + kAtlasBleed);
    const int left = std::max(0, rect.x - kAtlasBleed);
    const int right = std::min(atlas.Width(), rect.x + rect.width + kAtlasBleed);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const int local_x = std::clamp(x - rect.x, 0, rect.width - 1);
            const int local_y = std::clamp(y - rect.y, 0, rect.height - 1);
            atlas.At(x, y) = paint(local_x, local_y);
        }
    }
}

}  // namespace assetgen
