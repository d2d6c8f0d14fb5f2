// MeshObjectX: a mesh object as the renderer keeps it in an object slot, with
// the OpenGL resources that draw it: the display list of frame 0 and the
// buffer object that takes the triangle list of every other draw. The names
// belong to the display's context; they are released by Clear and must be
// released before that context goes.
#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "gfx3d/mesh_object.h"

class MeshObjectX : public MeshObject {
public:
    GLuint spareBuffer = 0;              // only ever deleted
    GLuint vertexBuffer = 0;             // the drawn triangle list; 0 until first drawn
    std::int32_t usesVertexColours = 0;  // 1: drawn with its vertex colours
    GLuint displayList = 0;              // frame 0 as immediate-mode primitives; 0 when none

    // Empties the object as MeshObject::Clear does and deletes its OpenGL resources.
    void Clear(bool free);
    // Deletes the buffer objects and the display list, leaving the mesh data.
    void ReleaseDisplayResources();

    // Prepares the triangle lists and decides whether vertex colours are drawn.
    void PrepareTriangles();
    void RefreshColourUse();

    // Makes the vertices drawable as vertex arrays: copied into the vertex
    // buffer when buffer objects exist (which is then left bound), else used
    // where they are. The result is the address that array offsets are added
    // to: 0 for the buffer, the vertices' own address otherwise.
    std::uintptr_t UploadVertices(const Queue<POLY_NODE>& vertices);

private:
    std::int64_t vertexBufferBytes_ = 0;  // what the vertex buffer can take without growing
};
