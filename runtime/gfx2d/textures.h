// Making OpenGL textures from images read from files.
#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "gfx2d/bitmap_file.h"

// Builds a texture from the cut-out of an image: width x height pixels from
// column x, row y counted from the top (0 x 0: the whole image), in a
// power-of-two texture with the colour key transparent when use_key is set.
// Fills `texture`, and `mipmap` when asked, with a mipmapped copy; a normal
// map replaces the pixels when normal_map is set. Returns whether every texel
// of `texture` passes the display's alpha test.
bool MakeTextureFromBitmap(const BitmapFile& bitmap, int x, int y, int width, int height, GLuint& texture,
                           GLuint* mipmap, std::uint32_t key, bool use_key, bool normal_map);
// A new texture name with repeat wrapping and the given filters.
GLuint NewTexture(GLint min_filter);
