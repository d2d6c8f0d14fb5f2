// Small objects for the mesh tests, built through the vertex-by-vertex steps.
#pragma once

#include <cstdint>
#include <vector>

#include "morvane.h"

struct TestVertex {
    float x = 0;
    float y = 0;
    float z = 0;
    float u = 0;  // tests tell vertices apart by u, which is stored exactly
    float v = 0;
    std::uint32_t colour = 0x00FFFFFF;
};

using TestGroup = std::vector<TestVertex>;

// One frame with each group opened by a marker of `kind`, packed, with the
// given auto-normal mode (0: none).
inline MeshObject BuiltObject(const std::vector<TestGroup>& groups, int kind = kGroupStrip, int mode = 0) {
    MeshObject mesh;
    UserObjectStart(mesh, kind);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) UserObjectNewGroup(mesh, kind);
        for (const TestVertex& p : groups[g])
            UserObjectAddVertex(mesh, p.x, p.y, p.z, p.u, p.v, p.colour);
    }
    UserObjectEnd(mesh, mode);
    return mesh;
}

// n vertices along x whose u is their number in the group.
inline TestGroup NumberedVertices(int n) {
    TestGroup group;
    for (int i = 0; i < n; ++i)
        group.push_back({static_cast<float>(i), static_cast<float>(i % 2), 0, static_cast<float>(i)});
    return group;
}

// The u of each prepared vertex of a frame, in order: which vertices the triangles use.
inline std::vector<float> PreparedUs(const MeshObject& mesh, int frame = 0) {
    std::vector<float> us;
    for (const POLY_NODE& node : mesh.frames[frame].prepared)
        us.push_back(node.u);
    return us;
}
