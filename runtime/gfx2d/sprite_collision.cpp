// Pixel-exact collision of two sprites.
#include <GL/gl.h>

#include <algorithm>

#include "gfx2d/opengl_prism.h"

const std::vector<std::uint8_t>& OpenGLPrism::CollisionMask(int sprite) {
    SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    if (slot.collision_mask.empty() && slot.texture_width > 0 && slot.texture_height > 0) {
        // Read back once and kept: reading a texture back is slow.
        slot.collision_mask.resize(static_cast<std::size_t>(slot.texture_width) * slot.texture_height);
        texture_units_.Bind(0, sprite_textures_[static_cast<std::size_t>(sprite)][0]);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, slot.collision_mask.data());
    }
    return slot.collision_mask;
}

bool OpenGLPrism::SpriteCollision(int a, int b, std::int16_t xa, std::int16_t ya, std::int16_t xb,
                                  std::int16_t yb) {
    if (!IsSpriteSlot(a) || !IsSpriteSlot(b)) return false;
    const SpriteSlot& sa = sprites_[static_cast<std::size_t>(a)];
    const SpriteSlot& sb = sprites_[static_cast<std::size_t>(b)];
    const int x_start = std::max<int>(xa, xb);
    const int x_end = std::min(xa + sa.image_width, xb + sb.image_width);
    const int y_start = std::max<int>(ya, yb);
    const int y_end = std::min(ya + sa.image_height, yb + sb.image_height);
    if (x_start >= x_end || y_start >= y_end) return false;
    const std::vector<std::uint8_t>& mask_a = CollisionMask(a);
    const std::vector<std::uint8_t>& mask_b = CollisionMask(b);
    if (mask_a.empty() || mask_b.empty()) return false;
    // The masks' rows run from the bottom of each image up; screen rows from the top down.
    auto alpha = [](const std::vector<std::uint8_t>& mask, const SpriteSlot& slot, int column,
                    int row_from_top) {
        const int row = slot.image_height - 1 - row_from_top;
        return mask[static_cast<std::size_t>(row) * slot.texture_width + column];
    };
    for (int y = y_start; y < y_end; ++y) {
        for (int x = x_start; x < x_end; ++x) {
            if (alpha(mask_a, sa, x - xa, y - ya) != 0 && alpha(mask_b, sb, x - xb, y - yb) == 255)
                return true;
        }
    }
    return false;
}
