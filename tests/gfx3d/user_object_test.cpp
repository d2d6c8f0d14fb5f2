#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

// A square of side 2 in the z = 0 plane as a strip facing +z, and its
// neighbour folded up along their shared edge x = 2, facing +x.
TestGroup FlatSquare() {
    return {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {2, 2, 0}};
}
TestGroup UpturnedSquare() {
    return {{2, 0, 0}, {2, 2, 0}, {2, 0, 2}, {2, 2, 2}};
}

Vec3 NormalOf(const MeshObject& mesh, int packed_index) {
    return NormalTableEntry(mesh.frames[0].packed[packed_index].normal);
}

TEST(UserObject, TooFewEntriesLeaveTheObjectEmpty) {
    MeshObject mesh;
    UserObjectStart(mesh, kGroupStrip);
    UserObjectAddVertex(mesh, 1, 2, 3, 0, 0, 0);
    EXPECT_FALSE(UserObjectEnd(mesh, 2));
    EXPECT_TRUE(mesh.frames.Empty());

    // A marker and two vertices are packed, but form no triangle.
    MeshObject two = BuiltObject({NumberedVertices(2)}, kGroupStrip, 2);
    ASSERT_EQ(two.frames.Count(), 1);
    EXPECT_EQ(two.frames[0].packed.Count(), 3);
    two.PrepareTriangles();
    EXPECT_TRUE(two.work.Empty());
}

TEST(UserObject, VerticesNeedAnOpenObject) {
    MeshObject mesh;
    UserObjectAddVertex(mesh, 1, 2, 3, 0, 0, 0);
    UserObjectNewGroup(mesh, kGroupFan);
    EXPECT_TRUE(mesh.frames.Empty());
    EXPECT_FALSE(UserObjectEnd(mesh, 0));
}

TEST(UserObject, StartingAgainReplacesTheWholeObject) {
    MeshObject mesh = BuiltObject({NumberedVertices(4)});
    UserObjectStart(mesh, kGroupFan);
    ASSERT_EQ(mesh.frames.Count(), 1);
    ASSERT_EQ(mesh.frames[0].raw.Count(), 1);
    EXPECT_EQ(mesh.frames[0].raw[0].colour, kMarkerFan);
    EXPECT_TRUE(mesh.colours.Empty());
    EXPECT_TRUE(mesh.u.Empty());
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

TEST(UserObject, WithoutAutomaticNormalsVerticesPackAZeroNormal) {
    MeshObject mesh = BuiltObject({FlatSquare()}, kGroupStrip, 0);
    EXPECT_EQ(mesh.frames[0].packed[1].normal, NormalIndexOfDirection({}));
    EXPECT_EQ(mesh.normalsValid, 0);
    EXPECT_TRUE(mesh.work.Empty());  // prepared on the first draw
}

TEST(AutoNormals, FaceNormalsFollowTheStripWinding) {
    MeshObject mesh = BuiltObject({FlatSquare()}, kGroupStrip, 1);
    EXPECT_EQ(mesh.normalsValid, 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(NormalOf(mesh, i).z, 1.0, 1e-6) << i;
    EXPECT_EQ(mesh.work.Count(), 6);  // automatic normals prepare the triangles
    EXPECT_NEAR(mesh.work[0].normal[2], 1.0, 1e-6);
}

TEST(AutoNormals, SmoothingAveragesVerticesAtTheSamePlaceOnly) {
    // Packed per frame over the whole object, so equal positions give equal bytes.
    MeshObject flat = BuiltObject({FlatSquare(), UpturnedSquare()}, kGroupStrip, 1);
    MeshObject smooth = BuiltObject({FlatSquare(), UpturnedSquare()}, kGroupStrip, 2);
    // Packed index 2 is the flat square's (2, 0, 0); index 6 is the same place in the upturned one.
    EXPECT_NE(NormalOf(flat, 2).z, NormalOf(flat, 6).z);
    EXPECT_EQ(smooth.frames[0].packed[2].normal, smooth.frames[0].packed[6].normal);
    const Vec3 shared = NormalOf(smooth, 2);
    EXPECT_GT(shared.z, 0.5);  // between the two faces' normals
    EXPECT_GT(shared.x, 0.5);
    // A vertex of the flat square alone keeps the flat normal.
    EXPECT_NEAR(NormalOf(smooth, 1).z, 1.0, 1e-6);
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
