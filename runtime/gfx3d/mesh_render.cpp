// Drawing mesh objects: frame 0 from its display list, any other frame or a
// blend of two frames from vertex arrays, and bump-mapped while the bump
// light is on.
#include <GL/gl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx2d/opengl_prism.h"
#include "gfx3d/bump_mapping.h"
#include "gfx3d/frame_blend.h"
#include "gfx3d/prism3d.h"

namespace {

constexpr GLsizei kStride = sizeof(POLY_NODE);

const void* At(std::uintptr_t base, std::size_t offset) {
    return reinterpret_cast<const void*>(base + offset);
}

bool HasMultitexture() {
    return GLExt::glMultiTexCoord2fARB != nullptr;
}

// Texture coordinates for every texture unit there is, as the display list gives them.
void TextureCoordinateArrays(const void* pointer) {
    if (!HasMultitexture()) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, kStride, pointer);
        return;
    }
    for (GLenum unit : {GL_TEXTURE1_ARB, GL_TEXTURE0_ARB}) {
        GLExt::glClientActiveTextureARB(unit);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, kStride, pointer);
    }
}

void DisableArrays() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    if (HasMultitexture()) {
        GLExt::glClientActiveTextureARB(GL_TEXTURE1_ARB);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        GLExt::glClientActiveTextureARB(GL_TEXTURE0_ARB);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    // Later client arrays point into memory again, not into this buffer.
    if (GLExt::glBindBufferARB != nullptr) GLExt::glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

enum class Colours { kNone, kVertexColours, kLightVectors };

Colours PlainColours(const MeshObjectX& object) {
    return object.usesVertexColours != 0 ? Colours::kVertexColours : Colours::kNone;
}

void DrawArrays(MeshObjectX& object, const Queue<POLY_NODE>& vertices, Colours colours) {
    const std::uintptr_t base = object.UploadVertices(vertices);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, kStride, At(base, offsetof(POLY_NODE, position)));
    TextureCoordinateArrays(At(base, offsetof(POLY_NODE, u)));
    if (colours == Colours::kVertexColours) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(3, GL_UNSIGNED_BYTE, kStride, At(base, offsetof(POLY_NODE, colour)));
    } else if (colours == Colours::kLightVectors) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(3, GL_FLOAT, kStride, At(base, offsetof(POLY_NODE, light)));
    }
    glDrawArrays(GL_TRIANGLES, 0, vertices.Count());
    DisableArrays();
}

// One draw of a triangle list, then both texture units back to modulation.
// No normals are given: a lit object takes the current normal.
void DrawTriangleList(MeshObjectX& object, const Queue<POLY_NODE>& vertices, Colours colours) {
    if (!vertices.Empty()) DrawArrays(object, vertices, colours);
    if (HasMultitexture()) UseModulateOnBothUnits();
}

}  // namespace

void Prism3D::RenderMD2(int n, int from, int to, double t, bool interpolate) {
    if (!IsObjectSlot(n)) return;
    MeshObjectX& object = objects[static_cast<std::size_t>(n)];
    if (object.frames.Empty() || object.frames[0].packed.Empty()) return;
    const FrameBlend blend = ChooseFrameBlend(object.frames.Count(), from, to, t, interpolate);
    FinishBatchedDrawing();

    glColor4f(1, 1, 1, 1);
    if (bumpLightOn) {
        const bool had_normals = object.normalsValid != 0;
        object.AutoNormalsAfterCompression(true, autoNormalMode == 2, true);
        // New normals would leave the recorded frame 0 behind.
        if (!had_normals && object.normalsValid != 0) PreRenderObject(n);
    }
    if (object.work.Empty()) object.PrepareTriangles();

    glPushMatrix();
    ApplyObjectTransform();
    const bool bump = bumpLightOn && HasMultitexture();
    if (!bump && blend.w == 0) {
        if (blend.a == 0 && object.displayList != 0) {
            glCallList(object.displayList);
            flusher.Drawn(object.frames[0].prepared.Count() / 3);
        } else {
            DrawTriangleList(object, object.frames[blend.a].prepared, PlainColours(object));
            flusher.Drawn(object.frames[blend.a].prepared.Count() / 3);
        }
    } else {
        BlendWorkVertices(object, blend);
        if (bump) {
            float model_view[16];
            glGetFloatv(GL_MODELVIEW_MATRIX, model_view);
            const Vec3 light = InverseTransformPoint(model_view, FromFloats(bumpLightPosition));
            SetBumpLightVectors(object, blend.b, light);
            UseDot3Combiners();
            DrawTriangleList(object, object.work, Colours::kLightVectors);
        } else {
            DrawTriangleList(object, object.work, PlainColours(object));
        }
        flusher.Drawn(object.work.Count() / 3);
    }
    glPopMatrix();
}

void Prism3D::RenderObject(int n, int frame) {
    if (!IsObjectSlot(n)) return;
    if (frame < objects[static_cast<std::size_t>(n)].frames.Count()) RenderMD2(n, frame, 0, 0, false);
}
