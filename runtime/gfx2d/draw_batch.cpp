#include "gfx2d/draw_batch.h"

#include "gfx2d/gl_extensions.h"

namespace {

constexpr GLsizei kStride = sizeof(Vertex2D);
static_assert(kStride == 32);

}  // namespace

void DrawVertexArrays(GLenum primitive, const Vertex2D* vertices, GLsizei count) {
    if (GLExt::glClientActiveTextureARB != nullptr) GLExt::glClientActiveTextureARB(GL_TEXTURE0_ARB);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, kStride, &vertices->x);
    glTexCoordPointer(2, GL_FLOAT, kStride, &vertices->s);
    glColorPointer(4, GL_FLOAT, kStride, &vertices->red);
    glDrawArrays(primitive, 0, count);
    // The arrays point into memory the caller may free.
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
}

void DrawBatch::Draw() {
    if (vertices_.empty()) return;
    DrawVertexArrays(kind_.primitive, vertices_.data(), static_cast<GLsizei>(vertices_.size()));
    vertices_.clear();
    texel_centres_ = true;
    full_alpha_ = true;
    white_ = true;
    ++draws_;
}
