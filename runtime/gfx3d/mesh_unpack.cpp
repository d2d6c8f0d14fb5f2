// Decoding packed vertices, and the radius that bounds each frame.
#include <algorithm>

#include "gfx3d/mesh_object.h"
#include "gfx3d/normal_table.h"

Vec3 UnpackPosition(const POLY_FRAME& frame, const PACKED_NODE& vertex) {
    return {(vertex.x - frame.offset[0]) * frame.scale[0], (vertex.y - frame.offset[1]) * frame.scale[1],
            (vertex.z - frame.offset[2]) * frame.scale[2]};
}

POLY_NODE MeshObject::UnpackVertex(const POLY_FRAME& frame, std::int32_t index) const {
    const PACKED_NODE& packed = frame.packed[index];
    POLY_NODE node{};
    ToFloats(UnpackPosition(frame, packed), node.position);
    ToFloats(NormalTableEntry(packed.normal), node.normal);
    ToFloats(NormalTableEntry(packed.tangent), node.tangent);
    ToFloats(NormalTableEntry(packed.binormal), node.binormal);
    // Texture coordinates are shared by all frames; a vertex beyond the lists gets (0, 0).
    node.u = index < u.Count() ? u[index] : 0.0f;
    node.v = index < v.Count() ? -v[index] : 0.0f;
    node.colour = ColourOf(packed);
    return node;
}

void MeshObject::CalcMaxRadius() {
    for (POLY_FRAME& frame : frames) {
        double largest = 0;
        for (const PACKED_NODE& vertex : frame.packed)
            largest = std::max(largest, Length(UnpackPosition(frame, vertex)));
        frame.maxRadius = static_cast<float>(largest);
    }
}
