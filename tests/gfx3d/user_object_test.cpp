#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

// A square of side 2 in the z = 0 plane as a strip facing +z.
TestGroup FlatSquare() {
    return {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {2, 2, 0}};
}

Vec3 NormalOf(const MeshObject& mesh, int packed_index) {
    return NormalTableEntry(mesh.frames[0].packed[packed_index].normal);
}

TEST(UserObject, AColourWithTopBitsSetNeverSplitsTheObject) {
    EXPECT_EQ(VertexColourFromNumber(-1), 0xFFFFFFFFu);
    EXPECT_EQ(VertexColourFromNumber(255.9), 255u);
    TestGroup strip = NumberedVertices(4);
    strip[1].colour = VertexColourFromNumber(-1);
    strip[2].colour = kMarkerFan;
    strip[3].colour = 0x120000FF;
    MeshObject mesh = BuiltObject({strip});
    mesh.PrepareTriangles();
    EXPECT_EQ(mesh.work.Count(), 6);  // still one strip of two triangles
    EXPECT_EQ(mesh.work[1].colour, 0x00FFFFFFu);
    EXPECT_EQ(mesh.work[2].colour, 0x00FFFFFDu);
    EXPECT_EQ(mesh.work[5].colour, 0x000000FFu);
}

TEST(AutoNormals, FaceNormalsFollowTheStripWindingAndWithoutThemVerticesPackAZeroNormal) {
    MeshObject mesh = BuiltObject({FlatSquare()}, kGroupStrip, 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(NormalOf(mesh, i).z, 1.0, 1e-6) << i;
    EXPECT_EQ(mesh.work.Count(), 6);  // automatic normals prepare the triangles
    mesh = BuiltObject({FlatSquare()}, kGroupStrip, 0);
    EXPECT_EQ(mesh.frames[0].packed[1].normal, NormalIndexOfDirection({}));
    EXPECT_EQ(mesh.normalsValid, 0);
}

TEST(AutoNormals, ValidNormalsAreKeptAndTangentsFollowTheTexture) {
    // u runs along x and v along y, so the tangent is +x; v is negated when
    // unpacked, so the binormal comes out as -y.
    TestGroup square = FlatSquare();
    for (TestVertex& p : square) {
        p.u = p.x / 2;
        p.v = p.y / 2;
    }
    MeshObject mesh = BuiltObject({square}, kGroupStrip, 0);
    mesh.normalsValid = 1;
    const std::uint8_t kept_normal = mesh.frames[0].packed[2].normal;
    mesh.AutoNormalsAfterCompression(true, true, true);
    EXPECT_EQ(mesh.frames[0].packed[2].normal, kept_normal);
    const PACKED_NODE& vertex = mesh.frames[0].packed[2];
    EXPECT_GT(NormalTableEntry(vertex.tangent).x, 0.85);
    EXPECT_LT(NormalTableEntry(vertex.binormal).y, -0.85);
    EXPECT_EQ(mesh.work.Count(), 6);

    // Once computed, tangents are not worked out again: the first vertex that
    // is not a marker tells.
    mesh.frames[0].packed[1].tangent = 7;
    mesh.AutoNormalsAfterCompression(false, false, true);
    EXPECT_EQ(mesh.frames[0].packed[1].tangent, 7);
}

}  // namespace
