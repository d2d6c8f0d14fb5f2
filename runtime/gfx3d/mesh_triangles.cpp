// Expanding packed frames into the plain triangle lists that are drawn.
#include <limits>

#include "gfx3d/mesh_object.h"
#include "gfx3d/triangle_walk.h"

namespace {

void PrepareFrame(const MeshObject& mesh, POLY_FRAME& frame) {
    frame.prepared.Clear(false);
    // Counted first so a large frame is laid out in one allocation.
    const std::int64_t vertices = std::int64_t{3} * TriangleCount(mesh, frame);
    if (vertices > std::numeric_limits<std::int32_t>::max()) return;
    frame.prepared.Reserve(static_cast<std::int32_t>(vertices));
    ForEachTriangle(mesh, frame, [&](std::int32_t a, std::int32_t b, std::int32_t c) {
        frame.prepared.Add(mesh.UnpackVertex(frame, a));
        frame.prepared.Add(mesh.UnpackVertex(frame, b));
        frame.prepared.Add(mesh.UnpackVertex(frame, c));
    });
}

}  // namespace

void MeshObject::PrepareTriangles() {
    for (POLY_FRAME& frame : frames)
        PrepareFrame(*this, frame);
    work.Clear(false);
    if (frames.Empty()) return;
    work.Reserve(frames[0].prepared.Count());
    for (const POLY_NODE& node : frames[0].prepared)
        work.Add(node);
}
