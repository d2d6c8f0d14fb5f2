// Building, packing, triangle lists, frame blends and normals of mesh objects.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx3d/mesh_test_objects.h"

namespace {

using Us = std::vector<float>;

TEST(Packing, EachAxisSpansItsBytesFromMinimumToMaximum) {
    // x runs from -10 to 30, y has the single value 7.5, z runs from 2 to 4.
    MeshObject mesh = BuiltObject({{{-10, 7.5, 2}, {30, 7.5, 4}, {10, 7.5, 3}}});
    const POLY_FRAME& frame = mesh.frames[0];
    ASSERT_EQ(frame.packed.Count(), 4);  // the strip marker and three vertices
    EXPECT_FLOAT_EQ(frame.scale[0], 40.0f / 255);
    EXPECT_EQ(frame.scale[1], 1.0f);  // a single value: step 1, bytes are x - min
    EXPECT_FLOAT_EQ(frame.offset[1], -7.5f);
    // x at both ends and the middle (truncated), y at 0.
    EXPECT_EQ((std::array{frame.packed[1].x, frame.packed[2].x, frame.packed[3].x, frame.packed[1].y}),
              (std::array<std::uint8_t, 4>{0, 255, 127, 0}));
    EXPECT_NEAR(UnpackPosition(frame, frame.packed[2]).x, 30, 1e-4);  // decoded within one step
    // All vertices far from the origin: a marker's zero position is held to the bytes' ends.
    mesh = BuiltObject({{{100, -100, 5}, {200, -50, 5}, {150, -75, 5}}});
    EXPECT_EQ(mesh.frames[0].packed[0].x + 256 * mesh.frames[0].packed[0].y, 255 * 256);
}

TEST(Packing, ColoursShareEntriesMarkersHaveTheirOwnAndThe257thWraps) {
    MeshObject mesh;
    UserObjectStart(mesh, kGroupStrip);
    UserObjectAddVertex(mesh, 0, 0, 0, 0, 0, 0x00FF0000);
    UserObjectAddVertex(mesh, 1, 0, 0, 0, 0, 0x00FF0000);
    UserObjectNewGroup(mesh, kGroupFan);
    UserObjectNewGroup(mesh, kGroupTriangles);
    UserObjectEnd(mesh, 0);
    EXPECT_EQ(std::vector(mesh.colours.begin(), mesh.colours.end()),
              (std::vector<std::uint32_t>{kMarkerStrip, 0x00FF0000u, kMarkerFan, kMarkerTriangles}));
    EXPECT_EQ(mesh.frames[0].packed[2].colour, 1);
    TestGroup many;
    for (int i = 0; i < 257; ++i)
        many.push_back({static_cast<float>(i), 0, 0, 0, 0, static_cast<std::uint32_t>(i)});
    mesh = BuiltObject({many});
    ASSERT_EQ(mesh.colours.Count(), 258);  // the marker and 257 colours; entry 256 wraps to index 0
    const auto& packed = mesh.frames[0].packed;
    EXPECT_EQ((std::array{packed[255].colour, packed[256].colour, packed[257].colour}),
              (std::array<std::uint8_t, 3>{255, 0, 1}));
}

TEST(PrepareTriangles, StripsFansListsAndGroupsFormTheirTriangles) {
    // A strip a b c d e gives (a,b,c), (c,b,d), (c,d,e): every triangle faces the same way.
    // Seven listed vertices make two triangles; the seventh is dropped.
    for (const auto& [kind, count, us] : {std::tuple{kGroupStrip, 5, Us{0, 1, 2, 2, 1, 3, 2, 3, 4}},
                                          {kGroupFan, 5, Us{0, 1, 2, 0, 2, 3, 0, 3, 4}},
                                          {kGroupTriangles, 7, Us{0, 1, 2, 3, 4, 5}}}) {
        MeshObject mesh = BuiltObject({NumberedVertices(count)}, kind);
        mesh.PrepareTriangles();
        EXPECT_EQ(PreparedUs(mesh), us) << kind;
    }
    // Two strips of 3 and 4: joined they would make 5 triangles, apart 1 + 2.
    TestGroup second = NumberedVertices(4);
    for (TestVertex& p : second)
        p.u += 10;
    MeshObject mesh = BuiltObject({NumberedVertices(3), second});
    mesh.PrepareTriangles();
    EXPECT_EQ(PreparedUs(mesh), (Us{0, 1, 2, 10, 11, 12, 12, 11, 13}));
    EXPECT_EQ(mesh.work.Count(), 9);  // the work list is frame 0's triangle list
}

TEST(PrepareTriangles, VerticesBeforeAnyMarkerAreTrianglesAndThoseBeyondTheTextureListsGetZero) {
    // A hand-made frame of 4 vertices with 3 texture pairs and its scale left at zero.
    MeshObject mesh;
    mesh.colours.Add(0x00FFFFFF);
    mesh.frames.Add(POLY_FRAME{});
    for (int i = 0; i < 4; ++i)
        mesh.frames[0].packed.Add(PACKED_NODE{static_cast<std::uint8_t>(i), 9, 9, 0, 0, 0, 0});
    for (int i = 0; i < 3; ++i) {
        mesh.u.Add(static_cast<float>(i + 1));
        mesh.v.Add(0.5f);
    }
    mesh.frames.Add(mesh.frames[0]);
    mesh.frames[1].packed.Add(PACKED_NODE{4, 0, 0, 0, 0, 0, 0});
    mesh.frames[1].packed.Add(PACKED_NODE{5, 0, 0, 0, 0, 0, 0});
    mesh.PrepareTriangles();
    EXPECT_EQ(PreparedUs(mesh), (Us{1, 2, 3}));
    const POLY_NODE& second = mesh.frames[0].prepared[1];
    EXPECT_EQ((std::array{second.v, second.position[0], second.position[1], second.position[2]}),
              (std::array{-0.5f, 0.0f, 0.0f, 0.0f}));  // v negated; positions at the zero scale
    ASSERT_EQ(mesh.frames[1].prepared.Count(), 6);
    EXPECT_EQ(std::pair(mesh.frames[1].prepared[5].u, mesh.frames[1].prepared[5].v), std::pair(0.0f, 0.0f));
}

// The draw tests choose frames through the commands; here, the pairs that
// would fall outside the object or come from a weight outside 0 to 1.
TEST(FrameBlend, PairsStayInTheObjectAndBlendPositionsKeepingTheFirstFramesColour) {
    for (const auto& [count, from, to, t, interpolate, a, b, w] :
         {std::tuple{4, 3, 0, 0.25, true, 3, 2, 0.25f},  // frame 2.25, counting down
          {4, 2, 2, 0.7, true, 2, 2, 0.0f},
          {4, 3, 1, 1.0, true, 1, 1, 0.0f},
          {4, -5, 2, 0.0, true, 0, 0, 0.0f},
          {4, 1, 3, 7.0, true, 3, 3, 0.0f},
          {4, 1, 3, std::nan(""), true, 1, 1, 0.0f},
          {6, 7, -1, 0.5, false, 5, 0, 0.5f}}) {  // without interpolation the weight is t
        const FrameBlend blend = ChooseFrameBlend(count, from, to, t, interpolate);
        EXPECT_EQ(std::tuple(blend.a, blend.b, blend.w), std::tuple(a, b, w))
            << from << " to " << to << " at " << t;
    }
    // One triangle (coordinates 0 to 255 pack exactly); frame 1 moved by 4 along x, in green.
    MeshObject mesh;
    UserObjectStart(mesh, kGroupTriangles);
    for (const auto& [x, y] : {std::pair{0, 0}, {0, 255}, {255, 0}})
        UserObjectAddVertex(mesh, static_cast<float>(x), static_cast<float>(y), 0, 0, 0, 0x0000FF);
    mesh.frames.Add(mesh.frames[0]);
    for (POLY_NODE& node : mesh.frames[1].raw) {
        if (IsMarkerColour(node.colour)) continue;
        node.position[0] += 4;
        node.colour = 0x00FF00;
    }
    UserObjectEnd(mesh, 0);
    mesh.PrepareTriangles();
    BlendWorkVertices(mesh, {0, 1, 0.25f});
    ASSERT_EQ(mesh.work.Count(), 3);
    EXPECT_NEAR(mesh.work[0].position[0], 3.0, 1e-4);  // 0.25 of 0 and 0.75 of 4
    EXPECT_NEAR(mesh.work[2].position[0], 258.0, 1e-3);
    EXPECT_EQ(mesh.work[0].colour, 0x0000FFu);
    BlendWorkVertices(mesh, {1, 0, 0});
    EXPECT_NEAR(mesh.work[0].position[0], 4.0, 1e-4);
    EXPECT_EQ(mesh.work[0].colour, 0x00FF00u);
    mesh.frames[1].prepared.Clear(false);  // frames of different lengths blend only what both have
    BlendWorkVertices(mesh, {0, 1, 0.5f});
    EXPECT_EQ(mesh.work.Count(), 0);
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
    ASSERT_EQ(mesh.work.Count(), 6);  // still one strip of two triangles
    EXPECT_EQ((std::array{mesh.work[1].colour, mesh.work[2].colour, mesh.work[5].colour}),
              (std::array<std::uint32_t, 3>{0x00FFFFFF, 0x00FFFFFD, 0x000000FF}));
}

TEST(AutoNormals, FollowTheStripWindingKeepValidNormalsAndTangentsFollowTheTexture) {
    // A square of side 2 in the z = 0 plane as a strip facing +z; u runs along
    // x and v along y, so the tangent is +x; v is negated when unpacked, so
    // the binormal comes out as -y.
    const TestGroup square{{0, 0, 0, 0, 0}, {2, 0, 0, 1, 0}, {0, 2, 0, 0, 1}, {2, 2, 0, 1, 1}};
    MeshObject mesh = BuiltObject({square}, kGroupStrip, 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(NormalTableEntry(mesh.frames[0].packed[i].normal).z, 1.0, 1e-6) << i;
    EXPECT_EQ(mesh.work.Count(), 6);  // automatic normals prepare the triangles
    mesh = BuiltObject({square}, kGroupStrip, 0);
    EXPECT_EQ(mesh.frames[0].packed[1].normal, NormalIndexOfDirection({}));
    EXPECT_EQ(mesh.normalsValid, 0);

    mesh.normalsValid = 1;
    const std::uint8_t kept_normal = mesh.frames[0].packed[2].normal;
    mesh.AutoNormalsAfterCompression(true, true, true);
    const PACKED_NODE& vertex = mesh.frames[0].packed[2];
    EXPECT_EQ(vertex.normal, kept_normal);
    EXPECT_GT(NormalTableEntry(vertex.tangent).x, 0.85);
    EXPECT_LT(NormalTableEntry(vertex.binormal).y, -0.85);
    EXPECT_EQ(mesh.work.Count(), 6);
    // Once computed, tangents are not worked out again: the first vertex that is not a marker tells.
    mesh.frames[0].packed[1].tangent = 7;
    mesh.AutoNormalsAfterCompression(false, false, true);
    EXPECT_EQ(mesh.frames[0].packed[1].tangent, 7);

    for (int i = 0; i < kNormalTableSize; ++i) {  // unit vectors, each its own nearest from any length
        const Vec3 entry = NormalTableEntry(static_cast<std::uint8_t>(i));
        EXPECT_NEAR(Length(entry), 1.0, 1e-5) << i;
        EXPECT_EQ(NormalIndexOfDirection(entry * 3.0), i);
    }
}

}  // namespace
