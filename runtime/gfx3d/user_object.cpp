#include "gfx3d/user_object.h"

#include "core/whole_number.h"

namespace {

// Bits 24 and up carry no colour; clearing them keeps a vertex colour from reading as a group marker.
constexpr std::uint32_t kColourBits = 0x00FFFFFF;

}  // namespace

std::uint32_t VertexColourFromNumber(double colour) {
    return static_cast<std::uint32_t>(TruncToInt64(colour));
}

void UserObjectStart(MeshObject& mesh, int kind) {
    mesh.Clear(false);
    mesh.frames.Add(POLY_FRAME{});
    UserObjectNewGroup(mesh, kind);
}

void UserObjectNewGroup(MeshObject& mesh, int kind) {
    if (mesh.frames.Empty()) return;
    POLY_NODE marker{};
    marker.colour = kind == kGroupTriangles ? kMarkerTriangles
                    : kind == kGroupFan     ? kMarkerFan
                                            : kMarkerStrip;
    mesh.frames[0].raw.Add(marker);
}

void UserObjectAddVertex(MeshObject& mesh, float x, float y, float z, float u, float v,
                         std::uint32_t colour) {
    if (mesh.frames.Empty()) return;
    POLY_NODE vertex{};
    vertex.position[0] = x;
    vertex.position[1] = y;
    vertex.position[2] = z;
    vertex.u = u;
    vertex.v = v;
    vertex.colour = colour & kColourBits;
    mesh.frames[0].raw.Add(vertex);
}

bool UserObjectEnd(MeshObject& mesh, int auto_normal_mode) {
    if (mesh.frames.Empty() || mesh.frames[0].raw.Count() < 3) {
        mesh.Clear(false);
        return false;
    }
    for (POLY_NODE& node : mesh.frames[0].raw) {
        if (!IsMarkerColour(node.colour)) ToFloats(NormalisedIfNonZero(FromFloats(node.normal)), node.normal);
    }
    mesh.Compress();
    if (auto_normal_mode == 1 || auto_normal_mode == 2)
        mesh.AutoNormalsAfterCompression(true, auto_normal_mode == 2, false);
    mesh.CalcMaxRadius();
    return true;
}
