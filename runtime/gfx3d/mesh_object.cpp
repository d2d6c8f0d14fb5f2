#include "gfx3d/mesh_object.h"

void MeshObject::Clear(bool free) {
    for (POLY_FRAME& frame : frames) {
        frame.raw.Clear(free);
        frame.prepared.Clear(free);
        frame.packed.Clear(free);
    }
    frames.Clear(free);
    work.Clear(free);
    u.Clear(free);
    v.Clear(free);
    colours.Clear(free);
    normalsValid = 0;
}

std::uint32_t MeshObject::ColourOf(const PACKED_NODE& vertex) const {
    return vertex.colour < colours.Count() ? colours[vertex.colour] : 0;
}

bool MeshObject::UsesVertexColours() const {
    constexpr std::uint32_t kWhite = 0x00FFFFFF;
    for (std::uint32_t colour : colours) {
        if (!IsMarkerColour(colour) && colour != kWhite) return true;
    }
    return false;
}
