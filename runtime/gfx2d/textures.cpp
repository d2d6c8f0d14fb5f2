#include "gfx2d/textures.h"

#include <algorithm>

#include "gfx2d/texture_pixels.h"

namespace {

int MaxTextureSize() {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    return size > 0 ? size : 1024;
}

void Upload(const RgbaImage& image, GLint level) {
    glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.pixels.data());
}

// Level 0, then each halved level computed in place from the one before.
void UploadMipmapChain(RgbaImage image) {
    Upload(image, 0);
    int width = image.width;
    int height = image.height;
    for (GLint level = 1;; ++level) {
        width /= 2;
        height /= 2;
        if (width <= 0 && height <= 0) break;
        ShrinkToNextMipLevel(image, width, height);
        Upload(image, level);
    }
}

}  // namespace

GLuint NewTexture(GLint min_filter) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
    return name;
}

bool MakeTextureFromBitmap(const BitmapFile& bitmap, int x, int y, int width, int height, GLuint& texture,
                           GLuint* mipmap, std::uint32_t key, bool use_key, bool normal_map) {
    const int max_size = MaxTextureSize();
    if (width == 0 || height == 0) {
        width = bitmap.width;
        height = bitmap.height;
    }
    width = std::min(width, max_size);
    height = std::min(height, max_size);
    RgbaImage image = CutOutTexture(bitmap, x, y, width, height, PowerOfTwoAtLeast(width),
                                    PowerOfTwoAtLeast(height), key, use_key);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    if (normal_map) build_detail_normalmap(image.pixels.data(), image.width, image.height);
    texture = NewTexture(GL_LINEAR);
    Upload(image, 0);
    const bool passes_alpha_test = EveryPixelPassesAlphaTest(image);
    if (mipmap != nullptr) {
        *mipmap = NewTexture(GL_LINEAR_MIPMAP_LINEAR);
        UploadMipmapChain(std::move(image));
    }
    return passes_alpha_test;
}
