// Untextured 2D drawing: pixels, lines and filled rectangles in a colour value
// (red + green * 256 + blue * 65536), scaled by the colour intensity. They are
// drawn with the alpha test off and shifted into their pixels (see FlushBatch).
#include "gfx2d/opengl_prism.h"

void OpenGLPrism::PrimitiveColour(std::uint32_t colour, float rgba[4]) const {
    rgba[0] = static_cast<float>(colour & 0xFF) * color_intensity_ / 255;
    rgba[1] = static_cast<float>((colour >> 8) & 0xFF) * color_intensity_ / 255;
    rgba[2] = static_cast<float>((colour >> 16) & 0xFF) * color_intensity_ / 255;
    // The key colour, which is transparent in sprites, is transparent here too.
    rgba[3] = (colour & 0xFFFFFF) == kSpriteKey ? 0.0f : 1.0f;
}

void OpenGLPrism::BatchUntextured(GLenum primitive, std::uint32_t colour,
                                  std::initializer_list<std::array<int, 2>> corners) {
    StartBatch({primitive, false, 0}, corners.size());
    float rgba[4];
    PrimitiveColour(colour, rgba);
    for (const auto& [x, y] : corners) {
        batch_.Add({static_cast<float>(x), static_cast<float>(y), 0, 0, rgba[0], rgba[1], rgba[2], rgba[3]});
    }
    // The state a primitive leaves behind: the alpha test on, sprites modulated by the intensity.
    glEnable(GL_ALPHA_TEST);
    UseIntensityColour();
    EndBatchedCommand();
}

// The texture selection stays as it was.
void OpenGLPrism::DrawPixel(std::int16_t x, std::int16_t y, std::uint32_t colour) {
    BatchUntextured(GL_POINTS, colour, {{x, -y}});
    SelectTexture(CurrentTexture());
}

void OpenGLPrism::DrawLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                           std::uint32_t colour) {
    BatchUntextured(GL_LINES, colour, {{x1, -y1}, {x2, -y2}});
    // A line leaves out its last pixel; the point puts it in.
    BatchUntextured(GL_POINTS, colour, {{x2, -y2}});
    SelectTexture(CurrentTexture());
}

// Fills columns left to right - 1 and rows top to bottom - 1. Texturing stays
// off until the next textured drawing selects a sprite.
void OpenGLPrism::DrawRect(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                           std::uint32_t colour) {
    BatchUntextured(GL_QUADS, colour, {{left, -bottom}, {right, -bottom}, {right, -top}, {left, -top}});
    SetTexture3D(-1, -1, 0);
}
