// Normals, tangents and binormals worked out from the triangles of each frame.
#include <unordered_map>
#include <vector>

#include "gfx3d/mesh_object.h"
#include "gfx3d/normal_table.h"
#include "gfx3d/triangle_walk.h"

namespace {

struct Directions {
    Vec3 normal;
    Vec3 tangent;
    Vec3 binormal;
};

struct Corner {
    Vec3 position;
    double u;
    double v;
};

// Which accumulator each packed vertex adds to: its own, or with `smooth`
// the one shared by every vertex at the same packed position.
std::vector<std::int32_t> AccumulatorOfEachVertex(const POLY_FRAME& frame, bool smooth,
                                                  std::int32_t& accumulator_count) {
    std::vector<std::int32_t> slots(static_cast<std::size_t>(frame.packed.Count()));
    std::unordered_map<std::uint32_t, std::int32_t> slot_of_place;
    accumulator_count = 0;
    for (std::int32_t i = 0; i < frame.packed.Count(); ++i) {
        const PACKED_NODE& p = frame.packed[i];
        if (!smooth) {
            slots[static_cast<std::size_t>(i)] = accumulator_count++;
            continue;
        }
        const std::uint32_t place = p.x + 256u * p.y + 65536u * p.z;
        auto [entry, added] = slot_of_place.try_emplace(place, accumulator_count);
        if (added) ++accumulator_count;
        slots[static_cast<std::size_t>(i)] = entry->second;
    }
    return slots;
}

Corner CornerOf(const MeshObject& mesh, const POLY_FRAME& frame, std::int32_t index) {
    const POLY_NODE node = mesh.UnpackVertex(frame, index);
    return {FromFloats(node.position), node.u, node.v};
}

// The tangent and binormal of a triangle from how its texture coordinates run
// along its edges; false when the texture mapping is degenerate.
bool TextureDirections(const Corner& c0, const Corner& c1, const Corner& c2, Directions& out) {
    const double du1 = c1.u - c0.u, dv1 = c1.v - c0.v;
    const double du2 = c2.u - c0.u, dv2 = c2.v - c0.v;
    const double det = du1 * dv2 - dv1 * du2;
    if (std::abs(det) <= 0.00001) return false;
    const Vec3 e1 = c1.position - c0.position;
    const Vec3 e2 = c2.position - c0.position;
    out.tangent = (e1 * dv2 - e2 * dv1) * (1.0 / det);
    out.binormal = (e2 * du1 - e1 * du2) * (1.0 / det);
    return true;
}

void RecomputeFrame(const MeshObject& mesh, POLY_FRAME& frame, bool normals, bool smooth, bool tangents) {
    std::int32_t accumulator_count;
    const std::vector<std::int32_t> slots = AccumulatorOfEachVertex(frame, smooth, accumulator_count);
    std::vector<Directions> sums(static_cast<std::size_t>(accumulator_count));
    auto add_to_corners = [&](const std::int32_t(&corners)[3], Vec3 Directions::*field, Vec3 value) {
        for (std::int32_t corner : corners)
            sums[static_cast<std::size_t>(slots[static_cast<std::size_t>(corner)])].*field += value;
    };
    ForEachTriangle(mesh, frame, [&](std::int32_t i0, std::int32_t i1, std::int32_t i2) {
        const std::int32_t corners[3] = {i0, i1, i2};
        const Corner c0 = CornerOf(mesh, frame, i0);
        const Corner c1 = CornerOf(mesh, frame, i1);
        const Corner c2 = CornerOf(mesh, frame, i2);
        const Vec3 face = Cross(c2.position - c1.position, c0.position - c1.position);
        const double area = Length(face);
        if (area == 0) return;  // a degenerate triangle faces nowhere
        if (normals) add_to_corners(corners, &Directions::normal, face * (1.0 / area));
        Directions texture;
        if (tangents && TextureDirections(c0, c1, c2, texture)) {
            add_to_corners(corners, &Directions::tangent, texture.tangent);
            add_to_corners(corners, &Directions::binormal, texture.binormal);
        }
    });
    for (std::int32_t i = 0; i < frame.packed.Count(); ++i) {
        PACKED_NODE& vertex = frame.packed[i];
        if (IsMarkerColour(mesh.ColourOf(vertex))) continue;
        const Directions& sum = sums[static_cast<std::size_t>(slots[static_cast<std::size_t>(i)])];
        if (normals) vertex.normal = NormalIndexOfDirection(sum.normal);
        if (tangents) {
            vertex.tangent = NormalIndexOfDirection(sum.tangent);
            vertex.binormal = NormalIndexOfDirection(sum.binormal);
        }
    }
}

// True when the first vertex of frame 0 that is not a marker has a tangent or
// binormal: they were computed before. (Markers never get one, and a packed
// stream usually starts with a marker.)
bool HasTangents(const MeshObject& mesh) {
    if (mesh.frames.Empty()) return false;
    for (const PACKED_NODE& vertex : mesh.frames[0].packed) {
        if (!IsMarkerColour(mesh.ColourOf(vertex))) return vertex.tangent != 0 || vertex.binormal != 0;
    }
    return false;
}

}  // namespace

void MeshObject::AutoNormalsAfterCompression(bool normals, bool smooth, bool tangents) {
    if (normalsValid != 0) normals = false;
    if (tangents && HasTangents(*this)) tangents = false;
    if (!normals && !tangents) return;
    normalsValid = 1;
    for (POLY_FRAME& frame : frames)
        RecomputeFrame(*this, frame, normals, smooth, tangents);
    PrepareTriangles();
}
