// Untextured 2D drawing: pixels, lines and filled rectangles in a colour value
// (red + green * 256 + blue * 65536), scaled by the colour intensity.
#include "gfx2d/opengl_prism.h"

namespace {

// Moves integer coordinates into their pixel, a little right of and below the
// pixel's top-left corner, so that points and lines hit the pixel they name.
// The y axis is negated in the 2D projection: below means a negative shift.
constexpr float kIntoPixel = 0.375f;

}  // namespace

void OpenGLPrism::PrimitiveColour(std::uint32_t colour, float rgba[4]) const {
    rgba[0] = static_cast<float>(colour & 0xFF) * color_intensity_ / 255;
    rgba[1] = static_cast<float>((colour >> 8) & 0xFF) * color_intensity_ / 255;
    rgba[2] = static_cast<float>((colour >> 16) & 0xFF) * color_intensity_ / 255;
    // The key colour, which is transparent in sprites, is transparent here too.
    rgba[3] = (colour & 0xFFFFFF) == kSpriteKey ? 0.0f : 1.0f;
}

template <class Draw>
void OpenGLPrism::DrawUntextured(std::uint32_t colour, Draw draw) {
    glDisable(GL_ALPHA_TEST);
    float rgba[4];
    PrimitiveColour(colour, rgba);
    glColor4fv(rgba);
    SetTexture3D(-1, -1, 0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(kIntoPixel, -kIntoPixel, 0);
    glMatrixMode(GL_MODELVIEW);
    draw();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    UseIntensityColour();
    glEnable(GL_ALPHA_TEST);
}

void OpenGLPrism::DrawPixel(std::int16_t x, std::int16_t y, std::uint32_t colour) {
    const TextureSelection kept = CurrentTexture();
    DrawUntextured(colour, [&] {
        glBegin(GL_POINTS);
        glVertex2i(x, -y);
        glEnd();
    });
    SelectTexture(kept);
}

void OpenGLPrism::DrawLine(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2,
                           std::uint32_t colour) {
    const TextureSelection kept = CurrentTexture();
    DrawUntextured(colour, [&] {
        glBegin(GL_LINES);
        glVertex2i(x1, -y1);
        glVertex2i(x2, -y2);
        glEnd();
        // A line leaves out its last pixel; the point puts it in.
        glBegin(GL_POINTS);
        glVertex2i(x2, -y2);
        glEnd();
    });
    SelectTexture(kept);
}

// Fills columns left to right - 1 and rows top to bottom - 1. Texturing stays
// off until the next textured drawing selects a sprite.
void OpenGLPrism::DrawRect(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                           std::uint32_t colour) {
    DrawUntextured(colour, [&] {
        glBegin(GL_QUADS);
        glVertex2i(left, -bottom);
        glVertex2i(right, -bottom);
        glVertex2i(right, -top);
        glVertex2i(left, -top);
        glEnd();
    });
}
