#include "gfx3d/mesh_object_x.h"

#include <cstring>

#include "gfx2d/gl_extensions.h"

void MeshObjectX::Clear(bool free) {
    MeshObject::Clear(free);
    ReleaseDisplayResources();
}

void MeshObjectX::ReleaseDisplayResources() {
    if (GLExt::glDeleteBuffersARB != nullptr) {
        for (GLuint* buffer : {&spareBuffer, &vertexBuffer}) {
            if (*buffer != 0) GLExt::glDeleteBuffersARB(1, buffer);
        }
    }
    if (displayList != 0) glDeleteLists(displayList, 1);
    spareBuffer = 0;
    vertexBuffer = 0;
    vertexBufferBytes_ = 0;
    displayList = 0;
}

void MeshObjectX::PrepareTriangles() {
    MeshObject::PrepareTriangles();
    RefreshColourUse();
}

void MeshObjectX::RefreshColourUse() {
    usesVertexColours = UsesVertexColours() ? 1 : 0;
}

std::uintptr_t MeshObjectX::UploadVertices(const Queue<POLY_NODE>& vertices) {
    if (GLExt::glGenBuffersARB == nullptr) return reinterpret_cast<std::uintptr_t>(vertices.begin());
    const auto bytes =
        static_cast<std::int64_t>(vertices.Count()) * static_cast<std::int64_t>(sizeof(POLY_NODE));
    if (vertexBuffer == 0) GLExt::glGenBuffersARB(1, &vertexBuffer);
    GLExt::glBindBufferARB(GL_ARRAY_BUFFER_ARB, vertexBuffer);
    // The buffer is refilled in place while the list fits it; a longer list
    // (another frame, a rebuilt object) gets a buffer of its own size, so a
    // copy never runs past the buffer's end.
    if (bytes <= vertexBufferBytes_) {
        void* mapped = GLExt::glMapBufferARB(GL_ARRAY_BUFFER_ARB, GL_WRITE_ONLY_ARB);
        if (mapped != nullptr) {
            std::memcpy(mapped, vertices.begin(), static_cast<std::size_t>(bytes));
            // A buffer whose contents were lost while mapped is filled afresh.
            if (GLExt::glUnmapBufferARB(GL_ARRAY_BUFFER_ARB) == GL_TRUE) return 0;
        }
    }
    GLExt::glBufferDataARB(GL_ARRAY_BUFFER_ARB, static_cast<GLsizeiptrARB>(bytes), vertices.begin(),
                           GL_STREAM_DRAW_ARB);
    vertexBufferBytes_ = bytes;
    return 0;
}
