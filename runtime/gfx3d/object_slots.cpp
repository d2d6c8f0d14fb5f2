// Filling the object slots: loading and saving .ddd files, and building
// objects vertex by vertex.
#include "gfx3d/prism3d.h"
#include "gfx3d/user_object.h"

bool Prism3D::LoadObject(const std::string& path, int n) {
    if (!IsObjectSlot(n)) return false;
    MeshObjectX& object = objects[static_cast<std::size_t>(n)];
    object.Clear(true);
    if (!object.Load(path) || object.frames.Empty() || object.frames[0].packed.Empty()) return false;
    object.CalcMaxRadius();
    object.PrepareTriangles();
    PreRenderObject(n);
    return true;
}

bool Prism3D::SaveObject(const std::string& path, int n) {
    if (!IsObjectSlot(n)) return false;
    objects[static_cast<std::size_t>(n)].Save(path);
    return true;
}

void Prism3D::UserObjectStart(int n, int kind) {
    if (!IsObjectSlot(n)) return;
    MeshObjectX& object = objects[static_cast<std::size_t>(n)];
    object.ReleaseDisplayResources();
    ::UserObjectStart(object, kind);
    buildSlot = n;
}

void Prism3D::UserObjectNewGroup(int kind) {
    if (buildSlot < 0) return;
    ::UserObjectNewGroup(objects[static_cast<std::size_t>(buildSlot)], kind);
}

void Prism3D::UserObjectAddVertex(float x, float y, float z, float u, float v, std::uint32_t colour) {
    if (buildSlot < 0) return;
    ::UserObjectAddVertex(objects[static_cast<std::size_t>(buildSlot)], x, y, z, u, v, colour);
}

void Prism3D::UserObjectEnd() {
    if (buildSlot < 0) return;
    MeshObjectX& object = objects[static_cast<std::size_t>(buildSlot)];
    if (::UserObjectEnd(object, autoNormalMode)) {
        // Automatic normals may have prepared the triangles already; the
        // colour use is decided here either way.
        object.RefreshColourUse();
        PreRenderObject(buildSlot);
    } else {
        object.ReleaseDisplayResources();
    }
    buildSlot = -1;
}
