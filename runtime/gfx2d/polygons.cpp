// Polygons assembled point by point: a fan of triangles around the first
// point, textured with a sprite (or untextured) and coloured at each corner.
#include <cstddef>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/opengl_prism.h"

namespace {

// The vertex records are handed to OpenGL as they are stored.
static_assert(sizeof(OpenGLPrism::PolygonVertex) == 32);
constexpr GLsizei kVertexStride = sizeof(OpenGLPrism::PolygonVertex);

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
    SetTexture3D(polygon_sprite_, -1, 0);  // a negative sprite number draws untextured
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    if (!polygon_.empty()) {
        if (GLExt::glClientActiveTextureARB != nullptr) GLExt::glClientActiveTextureARB(GL_TEXTURE0_ARB);
        const PolygonVertex& first = polygon_.front();
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(2, GL_FLOAT, kVertexStride, &first.x);
        glTexCoordPointer(2, GL_FLOAT, kVertexStride, &first.s);
        glColorPointer(4, GL_FLOAT, kVertexStride, &first.red);
        const auto whole_triangles = static_cast<GLsizei>(polygon_.size() / 3 * 3);
        glDrawArrays(GL_TRIANGLES, 0, whole_triangles);
        // The arrays point into the polygon's records, which a later StartPoly frees.
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
    }
    glShadeModel(GL_FLAT);
    glEnable(GL_TEXTURE_2D);
    UseIntensityColour();
    glDisable(GL_DITHER);
    glDisable(GL_COLOR_MATERIAL);
}
