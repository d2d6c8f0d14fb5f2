// Building texture pixels from bitmaps: the cut-out with the colour key, the
// mipmap filter and the normal-map filter. Buffers are RGBA, 8 bits a channel,
// rows in OpenGL order (the first row in memory is the bottom of the image).
#pragma once

#include <cstdint>
#include <vector>

#include "gfx2d/bitmap_file.h"

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width x height x 4 bytes
};

// Whether every pixel passes the alpha test the display draws with (alpha
// above one half: 128 and up).
bool EveryPixelPassesAlphaTest(const RgbaImage& image);

// The smallest power of two not below size (1 for a size of 1 or less).
int PowerOfTwoAtLeast(int size);

// The cut-out of width x height pixels whose top-left is column x, row y
// (counted from the top) of the bitmap, in a buffer of texture_width x
// texture_height. Pixels outside the bitmap and, with use_key, pixels of the
// key colour (red + green * 256 + blue * 65536) are transparent black; an
// image with alpha of its own has no key and keeps its alpha.
RgbaImage CutOutTexture(const BitmapFile& bitmap, int x, int y, int width, int height, int texture_width,
                        int texture_height, std::uint32_t key, bool use_key);

// Shrinks the image in place to the next mipmap level of new_width x
// new_height (each at least 1), weighting each pixel with its right and lower
// neighbours.
void ShrinkToNextMipLevel(RgbaImage& image, int new_width, int new_height);

// Turns the image, read as a height map (its blue channel), into a
// tangent-space normal map; neighbours wrap around the edges; alpha is kept.
void build_detail_normalmap(std::uint8_t* pixels, int width, int height);
