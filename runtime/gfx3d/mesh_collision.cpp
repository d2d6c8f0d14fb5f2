#include "gfx3d/mesh_collision.h"

#include <algorithm>

#include "gfx3d/collision_maths.h"

namespace {

// The largest factor by which the matrix stretches a length: the longest of
// its first three columns.
double LargestScale(const float m[16]) {
    double largest = 0;
    for (int column = 0; column < 3; ++column) {
        const float* c = m + 4 * column;
        largest = std::max(largest, Length({c[0], c[1], c[2]}));
    }
    return largest;
}

}  // namespace

Vec3 TransformPoint(const float m[16], Vec3 p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

bool SphereTouchesFrame(const MeshObject& mesh, std::int32_t frame, const float model_view[16], Vec3 centre,
                        double radius) {
    if (frame < 0 || frame >= mesh.frames.Count()) return false;
    const POLY_FRAME& poly = mesh.frames[frame];
    if (poly.prepared.Count() <= 2) return false;
    const Vec3 object_centre = TransformPoint(model_view, {});
    if (Length(object_centre - centre) - radius >= poly.maxRadius * LargestScale(model_view)) return false;

    Vec3 triangle[3];
    for (std::int32_t i = 0; i < poly.prepared.Count(); ++i) {
        triangle[i % 3] = TransformPoint(model_view, FromFloats(poly.prepared[i].position));
        if (i == 0 && Length(triangle[0] - centre) <= radius) return true;
        if (i % 3 == 2 && SpherePolygonCollision(triangle, centre, radius)) return true;
    }
    return false;
}
