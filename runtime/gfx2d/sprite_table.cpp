// The sprite table: loading images into slots and freeing them.
#include <algorithm>

#include "gfx2d/image_file.h"
#include "gfx2d/opengl_prism.h"
#include "gfx2d/texture_pixels.h"
#include "gfx2d/textures.h"

bool OpenGLPrism::LoadSprite(int sprite, const char* path, std::uint32_t key, bool normal_map) {
    if (!IsSpriteSlot(sprite) || path == nullptr) return false;
    FreeSprite(sprite);
    const SpriteImage read = ReadSpriteImage(path);
    if (read.width == 0 || read.height == 0) return false;
    // The slot takes the image's sizes even when its pixels cannot be read.
    if (read.image) MakeSpriteTextures(sprite, *read.image, key, normal_map);
    SetSpriteSize(sprite, read.width, read.height);
    return true;
}

bool OpenGLPrism::LoadSpriteImage(int sprite, const BitmapFile& image, std::uint32_t key, bool normal_map) {
    if (!IsSpriteSlot(sprite)) return false;
    FreeSprite(sprite);
    MakeSpriteTextures(sprite, image, key, normal_map);
    SetSpriteSize(sprite, image.width, image.height);
    return true;
}

void OpenGLPrism::MakeSpriteTextures(int sprite, const BitmapFile& image, std::uint32_t key,
                                     bool normal_map) {
    std::array<GLuint, 2>& names = sprite_textures_[static_cast<std::size_t>(sprite)];
    sprites_[static_cast<std::size_t>(sprite)].opaque =
        MakeTextureFromBitmap(image, 0, 0, 0, 0, names[0], &names[1], key, true, normal_map);
}

void OpenGLPrism::SetSpriteSize(int sprite, int width, int height) {
    SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    const auto to_int16 = [](int value) { return static_cast<std::int16_t>(std::min(value, 32767)); };
    slot.texture_width = to_int16(PowerOfTwoAtLeast(width));
    slot.texture_height = to_int16(PowerOfTwoAtLeast(height));
    slot.image_width = to_int16(width);
    slot.image_height = to_int16(height);
}

void OpenGLPrism::FreeSprite(int sprite) {
    if (!IsSpriteSlot(sprite)) return;
    FinishBatch();  // what is batched may show the sprite
    std::array<GLuint, 2>& names = sprite_textures_[static_cast<std::size_t>(sprite)];
    if (context_) glDeleteTextures(2, names.data());
    names = {0, 0};
    SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    slot.texture_width = slot.texture_height = -1;
    slot.opaque = false;
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
