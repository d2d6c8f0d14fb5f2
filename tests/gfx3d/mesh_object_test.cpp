// Building, packing, triangle lists, frame blends, normals, files and collision of mesh objects.
#include <cmath>
#include <cstring>
#include <string>

#include "gfx3d/scene_fixture.h"

namespace {

using Us = std::vector<float>;
using Bytes = std::vector<std::uint8_t>;

TEST(Packing, EachAxisSpansItsBytesColoursShareEntriesWrappingAtThe257thAndTopBitsNeverSplitTheObject) {
    MeshObject mesh = BuiltObject({{{-10, 7.5, 2}, {30, 7.5, 4}, {10, 7.5, 3}}});
    const POLY_FRAME& frame = mesh.frames[0];
    ASSERT_EQ(frame.packed.Count(), 4);  // the strip marker and three vertices
    EXPECT_FLOAT_EQ(frame.scale[0], 40.0f / 255);
    EXPECT_EQ(frame.scale[1], 1.0f);  // a single value: step 1, bytes are x - min
    EXPECT_FLOAT_EQ(frame.offset[1], -7.5f);
    EXPECT_EQ((std::array{frame.packed[1].x, frame.packed[2].x, frame.packed[3].x, frame.packed[1].y}),
              (std::array<std::uint8_t, 4>{0, 255, 127, 0}));
    EXPECT_NEAR(UnpackPosition(frame, frame.packed[2]).x, 30, 1e-4);  // decoded within one step
    // All vertices far from the origin: a marker's zero position is held to the bytes' ends.
    mesh = BuiltObject({{{100, -100, 5}, {200, -50, 5}, {150, -75, 5}}});
    EXPECT_EQ(mesh.frames[0].packed[0].x + 256 * mesh.frames[0].packed[0].y, 255 * 256);

    mesh = MeshObject();
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
    EXPECT_EQ(VertexColourFromNumber(-1), 0xFFFFFFFFu);
    EXPECT_EQ(VertexColourFromNumber(255.9), 255u);
    TestGroup strip = NumberedVertices(4);
    strip[1].colour = VertexColourFromNumber(-1);
    strip[2].colour = kMarkerFan;
    strip[3].colour = 0x120000FF;
    mesh = BuiltObject({strip});
    mesh.PrepareTriangles();
    ASSERT_EQ(mesh.work.Count(), 6);  // still one strip of two triangles
    EXPECT_EQ((std::array{mesh.work[1].colour, mesh.work[2].colour, mesh.work[5].colour}),
              (std::array<std::uint32_t, 3>{0x00FFFFFF, 0x00FFFFFD, 0x000000FF}));
}

TEST(PrepareTriangles, StripsFansListsGroupsAndVerticesBeforeAnyMarkerFormTheirTriangles) {
    const auto prepared_us = [](const MeshObject& mesh) {  // which vertices the triangles use
        std::vector<float> us;
        for (const POLY_NODE& node : mesh.frames[0].prepared)
            us.push_back(node.u);
        return us;
    };
    // A strip a b c d e gives (a,b,c), (c,b,d), (c,d,e): every triangle faces the same way.
    // Seven listed vertices make two triangles; the seventh is dropped.
    for (const auto& [kind, count, us] : {std::tuple{kGroupStrip, 5, Us{0, 1, 2, 2, 1, 3, 2, 3, 4}},
                                          {kGroupFan, 5, Us{0, 1, 2, 0, 2, 3, 0, 3, 4}},
                                          {kGroupTriangles, 7, Us{0, 1, 2, 3, 4, 5}}}) {
        MeshObject mesh = BuiltObject({NumberedVertices(count)}, kind);
        mesh.PrepareTriangles();
        EXPECT_EQ(prepared_us(mesh), us) << kind;
    }
    TestGroup strip = NumberedVertices(4);  // two strips of 3 and 4: 1 + 2 triangles, not 5
    for (TestVertex& p : strip)
        p.u += 10;
    MeshObject mesh = BuiltObject({NumberedVertices(3), strip});
    mesh.PrepareTriangles();
    EXPECT_EQ(prepared_us(mesh), (Us{0, 1, 2, 10, 11, 12, 12, 11, 13}));
    EXPECT_EQ(mesh.work.Count(), 9);  // the work list is frame 0's triangle list

    mesh = MeshObject();  // 4 vertices before any marker, 3 texture pairs, the scale left at zero
    mesh.colours.Add(0x00FFFFFF);
    mesh.frames.Add(POLY_FRAME{});
    for (int i = 0; i < 4; ++i) {
        mesh.frames[0].packed.Add(PACKED_NODE{static_cast<std::uint8_t>(i), 9, 9, 0, 0, 0, 0});
        if (i < 3) mesh.u.Add(i + 1.0f), mesh.v.Add(0.5f);
    }
    mesh.frames.Add(mesh.frames[0]);
    mesh.frames[1].packed.Add(PACKED_NODE{4, 0, 0, 0, 0, 0, 0});
    mesh.frames[1].packed.Add(PACKED_NODE{5, 0, 0, 0, 0, 0, 0});
    mesh.PrepareTriangles();
    EXPECT_EQ(prepared_us(mesh), (Us{1, 2, 3}));
    const POLY_NODE& second = mesh.frames[0].prepared[1];
    EXPECT_EQ((std::array{second.v, second.position[0], second.position[1], second.position[2]}),
              (std::array{-0.5f, 0.0f, 0.0f, 0.0f}));  // v negated; positions at the zero scale
    ASSERT_EQ(mesh.frames[1].prepared.Count(), 6);
    EXPECT_EQ(std::pair(mesh.frames[1].prepared[5].u, mesh.frames[1].prepared[5].v), std::pair(0.0f, 0.0f));
}

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

TEST(AutoNormals, FollowTheStripWindingKeepValidNormalsAndTangentsFollowTheTexture) {
    // A square facing +z with u along x and v along y: tangent +x, binormal -y as v is negated.
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

// Offsets in the file of the object below: header, 6 colours and pairs, frame 0, frame 1.
constexpr std::size_t kFrameCountAt = 12, kColourCountAt = 16, kPairCountAt = 20, kColoursAt = 24;
constexpr std::size_t kFrame0At = kColoursAt + 6 * 4 + 6 * 8, kRecordsAt = kFrame0At + 28;
constexpr std::size_t kFrame1At = kRecordsAt + 6 * 5;

// Two frames of a strip of 5 coloured, textured vertices, the second moved and stretched.
MeshObject TwoFrameObject() {
    MeshObject mesh;
    UserObjectStart(mesh, kGroupStrip);
    for (int i = 0; i < 5; ++i)
        UserObjectAddVertex(mesh, i * 1.5f, i % 2 ? 1.0f : -1.0f, 0.25f * i, 0.1f * i, 1 - 0.2f * i,
                            0x000010u * (i + 1));
    mesh.frames.Add(mesh.frames[0]);
    for (POLY_NODE& node : mesh.frames[1].raw)
        node.position[0] = node.position[0] * 2 + 3;
    UserObjectEnd(mesh, 2);
    return mesh;
}

TEST(DddFile, LayoutIsLittleEndianWithoutPaddingAndShortOrLyingFilesFailLeavingTheObjectEmpty) {
    const Bytes good = TwoFrameObject().SaveToBytes();
    ASSERT_EQ(good.size(), kFrame1At + 28 + 6 * 5);
    EXPECT_EQ(Bytes(good.begin(), good.begin() + 4), (Bytes{0x17, 0xB3, 0xC6, 0x00}));
    EXPECT_EQ(Bytes(good.begin() + kFrameCountAt, good.begin() + kColoursAt),
              (Bytes{2, 0, 0, 0, 6, 0, 0, 0, 6, 0, 0, 0}));
    EXPECT_EQ(good[kFrame0At], 6);
    EXPECT_EQ(good[kRecordsAt + 5 + 4], 1);  // the first vertex's colour, after the marker's
    std::vector<Bytes> bad;
    for (std::size_t length = 0; length < good.size(); ++length)
        bad.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    for (double version : {1.0, 1.03}) {  // only 1.02 loads
        bad.push_back(good);
        std::memcpy(bad.back().data() + 4, &version, 8);
    }
    // Counts that lie: negative, huge, more than the bytes hold, past the frame's records.
    for (const auto& [at, value] :
         std::initializer_list<std::pair<std::size_t, std::int32_t>>{{kColourCountAt, -5},
                                                                     {kPairCountAt, 0x40000000},
                                                                     {kFrameCountAt, 3},
                                                                     {kFrame0At, 0x7FFFFFFF},
                                                                     {kFrame1At, 7}}) {
        bad.push_back(good);
        std::memcpy(bad.back().data() + at, &value, 4);  // the tests run on little-endian machines
    }
    bad.push_back(good);
    bad.back()[kRecordsAt + 5 + 4] = 6;  // a colour past the table's entries 0 to 5
    Bytes normal_past_table = good;
    normal_past_table[kRecordsAt + 5 + 3] = 162;
    bad.push_back(normal_past_table);
    bad.emplace_back(good.begin(), good.begin() + kFrame0At - 8);  // 5 texture pairs for 6 vertices
    bad.back().insert(bad.back().end(), good.begin() + kFrame0At, good.end());
    bad.back()[kPairCountAt] = 5;
    MeshObject mesh;
    for (std::size_t i = 0; i < bad.size(); ++i) {
        ASSERT_TRUE(mesh.LoadFromBytes(good));
        EXPECT_FALSE(mesh.LoadFromBytes(bad[i])) << i;
        EXPECT_TRUE(mesh.frames.Empty() && mesh.colours.Empty() && mesh.u.Empty() && mesh.v.Empty() &&
                    mesh.normalsValid == 0)
            << i;
    }
    normal_past_table[kRecordsAt + 5 + 3] = 161;
    EXPECT_TRUE(mesh.LoadFromBytes(normal_past_table));
    EXPECT_TRUE(mesh.LoadFromBytes(MeshObject().SaveToBytes()));  // zero counts load as a valid, empty object
    EXPECT_FALSE(mesh.Load(PrivateTempFolder() + "no-such-object.ddd"));
    EXPECT_FALSE(mesh.Load(PrivateTempFolder()));  // a folder, not a file
    EXPECT_FALSE(TwoFrameObject().Save(PrivateTempFolder() + "no-such-folder/object.ddd"));
}

const Vec3 kTriangle[3] = {{0, 0, 0}, {0, 4, 0}, {4, 0, 0}};

TEST(SpherePolygon, HitsThroughThePlaneOrAnEdgeAndDegenerateTrianglesByTheirOutline) {
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {1, 1, 0}, 0.001));  // centre on the plane, inside
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {1, 1, 0.5}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {1, 1, 0.5}, 0.4));
    // Beyond the hypotenuse x + y = 4: 0.354 from it.
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {2.25, 2.25, 0}, 0.5));
    EXPECT_FALSE(SpherePolygonCollision(kTriangle, {2.25, 2.25, 0}, 0.3));
    EXPECT_TRUE(SpherePolygonCollision(kTriangle, {-0.3, -0.3, 0.1}, 0.5));  // near a corner
    EXPECT_TRUE(InsidePolygon({0, 2, 0}, kTriangle));                        // on an edge counts as inside
    double distance = 0;
    EXPECT_EQ(ClassifySphere({1, 1, -1.5}, {0, 0, 1}, kTriangle[0], 2, distance), kSphereIntersects);
    EXPECT_FALSE(EdgeSphereCollision({-1.5, 0, 0}, kTriangle, 1.5));  // the edge test too
    EXPECT_TRUE(EdgeSphereCollision({-1.4, 0, 0}, kTriangle, 1.5));
    EXPECT_FALSE(EdgeSphereCollision({0, -1.6, 0}, kTriangle, 1.5));  // the edges end at the corners

    const Vec3 line[3] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    EXPECT_TRUE(SpherePolygonCollision(line, {0.5, 0, 0}, 0.1));
    EXPECT_TRUE(SpherePolygonCollision(line, {1, 0.5, 0}, 0.6));
    EXPECT_FALSE(SpherePolygonCollision(line, {1, 5, 0}, 1));
    EXPECT_FALSE(SpherePolygonCollision(std::span(kTriangle, 2), {1, 0, 0}, 1));
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    MeshObject two = BuiltObject({NumberedVertices(2)});
    two.PrepareTriangles();
    EXPECT_FALSE(SphereTouchesFrame(two, 0, identity, {0, 0, 0}, 100));
    EXPECT_FALSE(SphereTouchesFrame(MeshObject(), 0, identity, {0, 0, 0}, 100));
}

}  // namespace
