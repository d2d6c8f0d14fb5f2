// Bitmap fonts: sheets of 16 x 8 character cells for codes 0 to 127.
#include <GL/gl.h>

#include <cstring>

#include "gfx2d/built_in_font.h"
#include "gfx2d/opengl_prism.h"

namespace {

constexpr std::uint32_t kFontKey = 0x000000;  // black is transparent in a font sheet

}  // namespace

bool OpenGLPrism::LoadFont(unsigned font, const char* path) {
    if (font >= kFonts) return false;
    return LoadSprite(kFirstFontSlot + static_cast<int>(font), path, kFontKey, false);
}

bool OpenGLPrism::LoadBuiltInFont(unsigned font) {
    if (font >= kFonts) return false;
    const std::optional<BitmapFile> sheet = ParseBitmap(BuiltInFontBitmap());
    return sheet && LoadSpriteImage(kFirstFontSlot + static_cast<int>(font), *sheet, kFontKey, false);
}

void OpenGLPrism::GetFontSize(int font, int& width, int& height) const {
    width = height = 0;
    if (font < 0 || font >= kFonts) return;
    GetSpriteSize(kFirstFontSlot + font, width, height);
}

void OpenGLPrism::DrawTextA(std::int16_t font, const char* text, std::int16_t x, std::int16_t y) {
    if (font < 0 || font >= kFonts || text == nullptr) return;
    const int sprite = kFirstFontSlot + font;
    const SpriteSlot& slot = sprites_[static_cast<std::size_t>(sprite)];
    const int cell_width = slot.image_width >> 4;
    const int cell_height = slot.image_height >> 3;
    float u_extent, v_extent;
    SpriteExtent(sprite, u_extent, v_extent);
    const float du = u_extent / 16;
    const float dv = v_extent / 8;
    const std::size_t length = std::strlen(text);
    StartBatch(TexturedKind(GL_QUADS, sprite), 4 * length);
    SetTexture3D(sprite, -1, 0);
    const auto& [red, green, blue, alpha] = CurrentColour();
    const float bottom = static_cast<float>(-y - cell_height);
    const float top = static_cast<float>(-y);
    float left = x;
    for (const char* p = text; *p != '\0'; ++p) {
        // Bytes above 127 show the cell of their code modulo 128.
        const int code = static_cast<unsigned char>(*p) % 128;
        const float u = static_cast<float>(code % 16) * du;
        const float v = static_cast<float>(7 - code / 16) * dv;
        const float right = left + static_cast<float>(cell_width);
        const Vertex2D corners[4] = {{left, bottom, u, v, red, green, blue, alpha},
                                     {right, bottom, u + du, v, red, green, blue, alpha},
                                     {right, top, u + du, v + dv, red, green, blue, alpha},
                                     {left, top, u, v + dv, red, green, blue, alpha}};
        for (const Vertex2D& corner : corners)
            batch_.Add(corner);
        NoteQuadSampling(sprite, corners);
        left = right;
    }
    EndBatchedCommand();
}
