#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "gfx3d/mesh_test_objects.h"
#include "platform/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets in the file of the object below: header, 6 colours, 6 texture
// pairs, then frame 0 (count, offset, scale, 6 records) and frame 1.
constexpr std::size_t kFrameCountAt = 12;
constexpr std::size_t kColourCountAt = 16;
constexpr std::size_t kPairCountAt = 20;
constexpr std::size_t kColoursAt = 24;
constexpr std::size_t kFrame0At = kColoursAt + 6 * 4 + 6 * 8;
constexpr std::size_t kRecordsAt = kFrame0At + 28;
constexpr std::size_t kFrame1At = kRecordsAt + 6 * 5;

// Two frames of a strip of 5 coloured, textured vertices: the second frame is
// the first moved and stretched.
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

void PutI32(Bytes& bytes, std::size_t at, std::int32_t value) {
    std::memcpy(bytes.data() + at, &value, 4);  // the tests run on little-endian machines
}

void ExpectEmpty(const MeshObject& mesh) {
    EXPECT_TRUE(mesh.frames.Empty() && mesh.colours.Empty() && mesh.u.Empty() && mesh.v.Empty());
    EXPECT_EQ(mesh.normalsValid, 0);
}

TEST(DddFile, LayoutIsLittleEndianWithoutPadding) {
    const Bytes bytes = TwoFrameObject().SaveToBytes();
    ASSERT_EQ(bytes.size(), kFrame1At + 28 + 6 * 5);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x17, 0xB3, 0xC6, 0x00}));
    double version;
    std::memcpy(&version, bytes.data() + 4, 8);
    EXPECT_EQ(version, 1.02);
    EXPECT_EQ(Bytes(bytes.begin() + kFrameCountAt, bytes.begin() + kColoursAt),
              (Bytes{2, 0, 0, 0, 6, 0, 0, 0, 6, 0, 0, 0}));
    // The first colour is the strip marker; frame 0 holds 6 records.
    EXPECT_EQ(Bytes(bytes.begin() + kColoursAt, bytes.begin() + kColoursAt + 4),
              (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(bytes[kFrame0At], 6);
    EXPECT_EQ(bytes[kRecordsAt + 4], 0);      // the marker's colour index
    EXPECT_EQ(bytes[kRecordsAt + 5 + 4], 1);  // the first vertex's colour
    EXPECT_EQ(bytes[kRecordsAt + 5 + 2], 0);  // its z is the frame's minimum
}

TEST(DddFile, OnlyVersion102WithTheRightMagicLoads) {
    const Bytes good = TwoFrameObject().SaveToBytes();
    for (double version : {1.0, 1.03, 1.0200000000000002}) {
        Bytes bytes = good;
        std::memcpy(bytes.data() + 4, &version, 8);
        MeshObject mesh;
        EXPECT_FALSE(mesh.LoadFromBytes(bytes)) << version;
        ExpectEmpty(mesh);
    }
    Bytes bytes = good;
    bytes[3] = 1;
    MeshObject mesh;
    EXPECT_FALSE(mesh.LoadFromBytes(bytes));
}

TEST(DddFile, EveryTruncatedFileFailsAndLeavesTheObjectEmpty) {
    const Bytes good = TwoFrameObject().SaveToBytes();
    MeshObject mesh = TwoFrameObject();
    for (std::size_t length = 0; length < good.size(); ++length) {
        ASSERT_FALSE(mesh.LoadFromBytes(std::span(good.data(), length))) << length;
        ExpectEmpty(mesh);
    }
    EXPECT_TRUE(mesh.LoadFromBytes(good));
}

TEST(DddFile, LyingCountsAndIndicesAreRejected) {
    const Bytes good = TwoFrameObject().SaveToBytes();
    struct Lie {
        const char* what;
        std::size_t at;
        std::int32_t value;
    };
    const Lie lies[] = {
        {"negative frame count", kFrameCountAt, -1},
        {"negative colour count", kColourCountAt, -5},
        {"negative pair count", kPairCountAt, -1},
        {"huge colour count", kColourCountAt, 0x7FFFFFFF},
        {"huge pair count", kPairCountAt, 0x40000000},
        {"more frames than bytes", kFrameCountAt, 3},
        {"negative vertex count", kFrame0At, -1},
        {"more vertices than bytes", kFrame0At, 0x7FFFFFFF},
        {"vertices past the frame's records", kFrame1At, 7},
    };
    for (const Lie& lie : lies) {
        Bytes bytes = good;
        PutI32(bytes, lie.at, lie.value);
        MeshObject mesh;
        EXPECT_FALSE(mesh.LoadFromBytes(bytes)) << lie.what;
        ExpectEmpty(mesh);
    }

    Bytes colour_past_table = good;
    colour_past_table[kRecordsAt + 5 + 4] = 6;  // the table has entries 0 to 5
    Bytes normal_past_table = good;
    normal_past_table[kRecordsAt + 5 + 3] = 162;
    for (const Bytes& bytes : {colour_past_table, normal_past_table}) {
        MeshObject mesh;
        EXPECT_FALSE(mesh.LoadFromBytes(bytes));
        ExpectEmpty(mesh);
    }
    normal_past_table[kRecordsAt + 5 + 3] = 161;
    EXPECT_TRUE(MeshObject().LoadFromBytes(normal_past_table));
}

TEST(DddFile, FewerTexturePairsThanFrame0VerticesIsRejected) {
    // Drop the last texture pair: 5 pairs for 6 vertices.
    const Bytes good = TwoFrameObject().SaveToBytes();
    Bytes bytes(good.begin(), good.begin() + kFrame0At - 8);
    bytes.insert(bytes.end(), good.begin() + kFrame0At, good.end());
    PutI32(bytes, kPairCountAt, 5);
    MeshObject mesh;
    EXPECT_FALSE(mesh.LoadFromBytes(bytes));
    ExpectEmpty(mesh);
}

TEST(DddFile, EmptyObjectsAndFileFailures) {
    // An empty object saves zero counts and loads back as a valid, empty object.
    const Bytes empty = MeshObject().SaveToBytes();
    EXPECT_EQ(empty.size(), 24u);
    MeshObject mesh;
    EXPECT_TRUE(mesh.LoadFromBytes(empty));
    EXPECT_TRUE(mesh.frames.Empty());

    EXPECT_FALSE(mesh.Load(PrivateTempFolder() + "no-such-object.ddd"));
    EXPECT_FALSE(mesh.Load(PrivateTempFolder()));  // a folder, not a file
    EXPECT_FALSE(TwoFrameObject().Save(PrivateTempFolder() + "no-such-folder/object.ddd"));
}

}  // namespace
