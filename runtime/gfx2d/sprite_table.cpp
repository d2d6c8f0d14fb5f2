// The sprite table: loading bitmaps into slots and freeing them.
#include <algorithm>

#include "gfx2d/opengl_prism.h"
#include "gfx2d/texture_pixels.h"
#include "gfx2d/textures.h"

bool OpenGLPrism::LoadSprite(int sprite, const char* path, std::uint32_t key, bool normal_map) {
    if (!IsSpriteSlot(sprite) || path == nullptr) return false;
    FreeSprite(sprite);
    int width = 0;
    int height = 0;
    GetBMPSize(path, width, height);
    if (width == 0 || height == 0) return false;
    SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    std::array<GLuint, 2>& names = sprite_textures_[static_cast<std::size_t>(sprite)];
    // The slot takes the bitmap's sizes even when its pixels cannot be read.
    MakeBMPTexture(path, 0, 0, 0, 0, names[0], &names[1], key, true, normal_map);
    const auto to_int16 = [](int value) { return static_cast<std::int16_t>(std::min(value, 32767)); };
    slot.texture_width = to_int16(PowerOfTwoAtLeast(width));
    slot.texture_height = to_int16(PowerOfTwoAtLeast(height));
    slot.image_width = to_int16(width);
    slot.image_height = to_int16(height);
    return true;
}

void OpenGLPrism::FreeSprite(int sprite) {
    if (!IsSpriteSlot(sprite)) return;
    FinishBatch();  // what is batched may show the sprite
    std::array<GLuint, 2>& names = sprite_textures_[static_cast<std::size_t>(sprite)];
    if (context_) glDeleteTextures(2, names.data());
    names = {0, 0};
    SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    slot.texture_width = slot.texture_height = -1;
    slot.collision_mask.clear();
    slot.collision_mask.shrink_to_fit();
}

void OpenGLPrism::GetSpriteSize(int sprite, int& width, int& height) const {
    width = height = 0;
    if (!IsSpriteSlot(sprite)) return;
    width = sprites_[static_cast<std::size_t>(sprite)].image_width;
    height = sprites_[static_cast<std::size_t>(sprite)].image_height;
}

void OpenGLPrism::SpriteExtent(int sprite, float& u, float& v) const {
    u = v = 0;
    if (!IsSpriteSlot(sprite)) return;
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    if (slot.texture_width <= 0 || slot.texture_height <= 0) return;
    u = static_cast<float>(slot.image_width) / slot.texture_width;
    v = static_cast<float>(slot.image_height) / slot.texture_height;
}

void OpenGLPrism::FreeAll() {
    for (int sprite = 0; sprite < kSpriteSlots; ++sprite)
        FreeSprite(sprite);
    for (int surface = 0; surface < kSurfaces; ++surface)
        FreeSurface(surface);
}
