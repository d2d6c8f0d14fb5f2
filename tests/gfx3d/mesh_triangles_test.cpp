#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

using Us = std::vector<float>;

TEST(PrepareTriangles, StripsFansAndListsFormTheirTriangles) {
    // A strip a b c d e gives (a,b,c), (c,b,d), (c,d,e): every triangle faces the same way.
    MeshObject strip = BuiltObject({NumberedVertices(5)}, kGroupStrip);
    strip.PrepareTriangles();
    EXPECT_EQ(PreparedUs(strip), (Us{0, 1, 2, 2, 1, 3, 2, 3, 4}));

    MeshObject fan = BuiltObject({NumberedVertices(5)}, kGroupFan);
    fan.PrepareTriangles();
    EXPECT_EQ(PreparedUs(fan), (Us{0, 1, 2, 0, 2, 3, 0, 3, 4}));

    // Seven listed vertices make two triangles; the seventh is dropped.
    MeshObject list = BuiltObject({NumberedVertices(7)}, kGroupTriangles);
    list.PrepareTriangles();
    EXPECT_EQ(PreparedUs(list), (Us{0, 1, 2, 3, 4, 5}));
}

TEST(PrepareTriangles, AMarkerEndsTheGroupBeforeIt) {
    // Two strips of 3 and 4: joined they would make 5 triangles, apart 1 + 2.
    TestGroup second = NumberedVertices(4);
    for (TestVertex& p : second)
        p.u += 10;
    MeshObject mesh = BuiltObject({NumberedVertices(3), second});
    mesh.PrepareTriangles();
    EXPECT_EQ(PreparedUs(mesh), (Us{0, 1, 2, 10, 11, 12, 12, 11, 13}));
    EXPECT_EQ(mesh.work.Count(), 9);  // the work list is frame 0's triangle list
}

TEST(PrepareTriangles, VerticesBeforeAnyMarkerFormPlainTriangles) {
    MeshObject mesh;
    mesh.colours.Add(0x00FFFFFF);
    mesh.frames.Add(POLY_FRAME{});
    for (int i = 0; i < 4; ++i) {
        mesh.frames[0].packed.Add(PACKED_NODE{static_cast<std::uint8_t>(i), 0, 0, 0, 0, 0, 0});
        mesh.u.Add(static_cast<float>(i));
        mesh.v.Add(0.5f);
    }
    mesh.frames[0].scale[0] = 1;
    mesh.PrepareTriangles();
    EXPECT_EQ(PreparedUs(mesh), (Us{0, 1, 2}));
    EXPECT_EQ(mesh.frames[0].prepared[1].v, -0.5f);  // the stored v is negated
}

TEST(PrepareTriangles, VerticesBeyondTheTextureListsGetZeroCoordinates) {
    MeshObject mesh;
    mesh.colours.Add(0);
    for (int f = 0; f < 2; ++f) {
        mesh.frames.Add(POLY_FRAME{});
        for (int i = 0; i < 3 + 3 * f; ++i)
            mesh.frames[f].packed.Add(PACKED_NODE{0, 0, 0, 0, 0, 0, 0});
    }
    mesh.u.Add(1);
    mesh.v.Add(1);
    mesh.PrepareTriangles();
    ASSERT_EQ(mesh.frames[1].prepared.Count(), 6);
    EXPECT_EQ(mesh.frames[1].prepared[5].u, 0.0f);
    EXPECT_EQ(mesh.frames[1].prepared[5].v, 0.0f);
}

}  // namespace
