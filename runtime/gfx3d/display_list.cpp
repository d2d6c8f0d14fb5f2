// Frame 0 of an object recorded once as a display list, so that drawing it
// unanimated is a single call.
#include <GL/gl.h>

#include "gfx2d/gl_extensions.h"
#include "gfx3d/prism3d.h"

namespace {

// The primitive each marker starts; other colours are vertices.
bool PrimitiveOfMarker(std::uint32_t colour, GLenum& primitive) {
    switch (colour) {
        case kMarkerTriangles:
            primitive = GL_TRIANGLES;
            return true;
        case kMarkerStrip:
            primitive = GL_TRIANGLE_STRIP;
            return true;
        case kMarkerFan:
            primitive = GL_TRIANGLE_FAN;
            return true;
        default:
            return false;
    }
}

void EmitVertex(const POLY_NODE& node) {
    if (GLExt::glMultiTexCoord2fARB != nullptr) {
        GLExt::glMultiTexCoord2fARB(GL_TEXTURE0_ARB, node.u, node.v);
        GLExt::glMultiTexCoord2fARB(GL_TEXTURE1_ARB, node.u, node.v);
    } else {
        glTexCoord2f(node.u, node.v);
    }
    glColor3ub(static_cast<GLubyte>(node.colour), static_cast<GLubyte>(node.colour >> 8),
               static_cast<GLubyte>(node.colour >> 16));
    glNormal3fv(node.normal);
    glVertex3fv(node.position);
}

void RecordFrame(const MeshObject& object, const POLY_FRAME& frame) {
    glBegin(GL_TRIANGLES);
    for (std::int32_t i = 0; i < frame.packed.Count(); ++i) {
        GLenum primitive;
        if (PrimitiveOfMarker(object.ColourOf(frame.packed[i]), primitive)) {
            glEnd();
            glBegin(primitive);
        } else {
            EmitVertex(object.UnpackVertex(frame, i));
        }
    }
    glEnd();
}

}  // namespace

void Prism3D::PreRenderObject(int n) {
    if (!IsObjectSlot(n)) return;
    MeshObjectX& object = objects[static_cast<std::size_t>(n)];
    if (object.displayList != 0) glDeleteLists(object.displayList, 1);
    object.displayList = 0;
    if (object.frames.Empty()) return;
    object.displayList = glGenLists(1);
    if (object.displayList == 0) return;
    glNewList(object.displayList, GL_COMPILE);
    RecordFrame(object, object.frames[0]);
    glEndList();
}
