// Polygons assembled point by point: a fan of triangles around the first
// point, textured with a sprite (or untextured) and coloured at each corner.
#include <cstddef>

#include "gfx2d/opengl_prism.h"

namespace {

constexpr std::size_t kFirstCapacity = 512;
constexpr std::size_t kCapacityStep = 128;

}  // namespace

void OpenGLPrism::StartPoly(int sprite) {
    polygon_sprite_ = sprite;
    polygon_ = {};
}

// Each point from the third on closes a triangle with the first point and the
// previous one; the copies of the first and the new point open the next.
void OpenGLPrism::PolyPoint(std::int16_t x, std::int16_t y, float s, float t, std::uint32_t colour) {
    PolygonVertex corner{};
    corner.x = x;
    corner.y = -static_cast<float>(y);
    corner.s = s;
    corner.t = 1 - t;  // t counts from the top of the texture
    float rgba[4];
    PrimitiveColour(colour, rgba);
    corner.red = rgba[0];
    corner.green = rgba[1];
    corner.blue = rgba[2];
    corner.alpha = rgba[3];

    const auto append = [this](const PolygonVertex& vertex) {
        if (polygon_.size() == polygon_.capacity()) {
            polygon_.reserve(polygon_.capacity() == 0 ? kFirstCapacity : polygon_.capacity() + kCapacityStep);
        }
        polygon_.push_back(vertex);
    };
    append(corner);
    if (polygon_.size() >= 3) {
        append(polygon_.front());
        append(corner);
    }
}

// Draws the whole triangles gathered so far; the points stay, so a second
// EndPoly draws the polygon again.
void OpenGLPrism::EndPoly() {
    FinishBatch();
    SetTexture3D(polygon_sprite_, -1, 0);  // a negative sprite number draws untextured
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    // Without the depth buffer the software rasteriser takes a faster path
    // that truncates interpolated colours where it should round them.
    frame_target_.UseDepth(true);
    if (!polygon_.empty()) {
        // Trailing vertices that do not make a whole triangle are left out.
        DrawVertexArrays(GL_TRIANGLES, polygon_.data(), static_cast<GLsizei>(polygon_.size() / 3 * 3));
        colour_known_ = false;  // the colour array leaves it undefined
    }
    glShadeModel(GL_FLAT);
    texture_units_.Enable(0, true);
    UseIntensityColour();
    glDisable(GL_DITHER);
    glDisable(GL_COLOR_MATERIAL);
}
