// The texture written beside a converted object: a 24-bit bitmap the
// runtime's LOADSPRITE loads and X_SETTEXTURE shows on the object.
#pragma once

#include "gfx2d/bitmap_file.h"
#include "image.h"

namespace dddconv {

inline constexpr int kLargestTextureSide = 2048;

// An object's texture coordinates span its whole texture, and a sprite's
// texture has sides of a power of two, so the picture is resampled to the
// nearest power of two a side (at most kLargestTextureSide). Texels that are
// more than half transparent become the key colour, which sprites leave out.
assetgen::Image ObjectTexture(const BitmapFile& picture);

// The nearest power of two to the size, at most kLargestTextureSide.
int NearestPowerOfTwo(int size);

}  // namespace dddconv
