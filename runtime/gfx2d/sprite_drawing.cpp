// Drawing sprites: plain, stretched, rotated, with effects, as billboards in
// the 3D scene, and grabbing a sprite from the picture.
#include <GL/gl.h>

#include <cmath>

#include "gfx2d/opengl_prism.h"
#include "gfx2d/texel_mapping.h"
#include "gfx2d/textures.h"

void OpenGLPrism::BatchSpriteQuad(int sprite, float left, float bottom, float right, float top) {
    float u, v;
    SpriteExtent(sprite, u, v);
    // Quads rather than triangle pairs: the software rasteriser fills an
    // axis-aligned quad as one rectangle.
    StartBatch(TexturedKind(GL_QUADS, sprite), 4);
    sprite_area_ += std::fabs((right - left) * (top - bottom));
    SetTexture3D(sprite, -1, 0);
    const auto& [red, green, blue, alpha] = CurrentColour();
    const Vertex2D corners[4] = {{left, bottom, 0, 0, red, green, blue, alpha},
                                 {right, bottom, u, 0, red, green, blue, alpha},
                                 {right, top, u, v, red, green, blue, alpha},
                                 {left, top, 0, v, red, green, blue, alpha}};
    for (const Vertex2D& corner : corners)
        batch_.Add(corner);
    NoteQuadSampling(sprite, corners);
    EndBatchedCommand();
}

// Under a matrix of its own a quad cannot join the batch: what the batch
// holds is drawn first.
void OpenGLPrism::DrawSpriteQuadNow(int sprite, float left, float bottom, float right, float top) {
    float u, v;
    SpriteExtent(sprite, u, v);
    SetTexture3D(sprite, -1, 0);
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(0, 0);
    glVertex2f(left, bottom);
    glTexCoord2f(u, 0);
    glVertex2f(right, bottom);
    glTexCoord2f(u, v);
    glVertex2f(right, top);
    glTexCoord2f(0, v);
    glVertex2f(left, top);
    glEnd();
}

void OpenGLPrism::DrawSprite(int sprite, std::int16_t x, std::int16_t y) {
    if (!IsSpriteSlot(sprite)) return;
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    StretchSprite(sprite, x, y, slot.image_width, slot.image_height);
}

void OpenGLPrism::StretchSprite(int sprite, std::int16_t x, std::int16_t y, std::int16_t width,
                                std::int16_t height) {
    if (!IsSpriteSlot(sprite)) return;
    // A negative width or height alone turns the quad's back to the viewer, so it is culled.
    BatchSpriteQuad(sprite, x, -y - height, x + width, -y);
}

void OpenGLPrism::RotoSprite(int sprite, std::int16_t x, std::int16_t y, int angle) {
    if (!IsSpriteSlot(sprite)) return;
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    const int half_width = slot.image_width >> 1;
    const int half_height = slot.image_height >> 1;
    FinishBatch();
    glPushMatrix();
    glTranslatef(static_cast<float>(x + half_width), static_cast<float>(-half_height - y), 0);
    glRotatef(static_cast<float>(angle), 0, 0, 1);
    DrawSpriteQuadNow(sprite, -half_width, -half_height, half_width, half_height);
    glPopMatrix();
}

void OpenGLPrism::DrawSpriteFX(int sprite, std::int16_t x, std::int16_t y, const OPENGL_SPRITEFX& effect) {
    if (!IsSpriteSlot(sprite)) return;
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    FinishBatch();
    const float intensity = color_intensity_;
    if (effect.tint != 0) {
        SetColour(intensity * (effect.tint & 0xFF) / 255.0f, intensity * ((effect.tint >> 8) & 0xFF) / 255.0f,
                  intensity * ((effect.tint >> 16) & 0xFF) / 255.0f, 1);
    } else {
        SetColour(intensity * 255, intensity * 255, intensity * 255, 1);  // clamped to white
    }
    const float half_width = (effect.width < 1 ? slot.image_width : effect.width) / 2.0f;
    const float half_height = (effect.height < 1 ? slot.image_height : effect.height) / 2.0f;
    glPushMatrix();
    glTranslatef(x + slot.image_width / 2.0f, -slot.image_height / 2.0f - y, 0);
    glRotatef(effect.angle, 0, 0, 1);
    DrawSpriteQuadNow(sprite, -half_width, -half_height, half_width, half_height);
    glPopMatrix();
    UseIntensityColour();
}

void OpenGLPrism::DrawBillboard(int sprite, float x, float y, float z, float scale) {
    if (!IsSpriteSlot(sprite)) return;
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    FinishBatch();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const float right[3] = {m[0], m[4], m[8]};
    const float up[3] = {m[1], m[5], m[9]};
    const float a = scale * static_cast<float>(slot.image_width / 4);
    const float b = scale * (slot.image_height / 2.0f);
    const float p[3] = {x, y, z};
    float u, v;
    SpriteExtent(sprite, u, v);
    const int previous_sprite = texture_sprite_;
    const int previous_second = texture_second_;
    const int previous_mipmap = texture_mipmap_;
    SetTexture3D(sprite, -1, 0);
    auto corner = [&](float along_right, float along_up) {
        glVertex3f(p[0] + along_right * right[0] + along_up * up[0],
                   p[1] + along_right * right[1] + along_up * up[1],
                   p[2] + along_right * right[2] + along_up * up[2]);
    };
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(0, 0);
    corner(-a, 0);
    glTexCoord2f(u, 0);
    corner(a, 0);
    glTexCoord2f(u, v);
    corner(a, b);
    glTexCoord2f(0, v);
    corner(-a, b);
    glEnd();
    SetTexture3D(previous_sprite, previous_second, previous_mipmap);
}

namespace {

// 1 below 2; else the smallest power of two not below size (up to 2^16); at least 32.
int GrabTextureSide(int size) {
    if (size < 2) return 32;
    int side = 2;
    while (side < size && side < (1 << 16))
        side <<= 1;
    return side < 32 ? 32 : side;
}

}  // namespace

bool OpenGLPrism::GrabSprite(int sprite, std::int16_t x, std::int16_t y, std::int16_t width,
                             std::int16_t height) {
    if (!IsSpriteSlot(sprite)) return false;
    FreeSprite(sprite);  // which also draws what is batched, before the frame is read
    SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    const int texture_width = GrabTextureSide(width);
    const int texture_height = GrabTextureSide(height);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    GLuint& name = sprite_textures_[static_cast<std::size_t>(sprite)][0];
    name = NewTexture(GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, texture_width, texture_height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    if (width > 0 && height > 0) {
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, height_ - y - height, width, height);
    }
    slot.texture_width = static_cast<std::int16_t>(texture_width);
    slot.texture_height = static_cast<std::int16_t>(texture_height);
    slot.image_width = width;
    slot.image_height = height;
    return true;
}
