#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx3d/mesh_test_objects.h"
#include "platform/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets in the file of the object below: header, 6 colours, 6 texture
// pairs, then frame 0 (count, offset, scale, 6 records) and frame 1.
constexpr std::size_t kFrameCountAt = 12, kColourCountAt = 16, kPairCountAt = 20, kColoursAt = 24;
constexpr std::size_t kFrame0At = kColoursAt + 6 * 4 + 6 * 8, kRecordsAt = kFrame0At + 28;
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

void ExpectEmpty(const MeshObject& mesh) {
    EXPECT_TRUE(mesh.frames.Empty() && mesh.colours.Empty() && mesh.u.Empty() && mesh.v.Empty());
    EXPECT_EQ(mesh.normalsValid, 0);
}

TEST(DddFile, LayoutIsLittleEndianWithoutPaddingAndOnlyVersion102Loads) {
    const Bytes good = TwoFrameObject().SaveToBytes();
    ASSERT_EQ(good.size(), kFrame1At + 28 + 6 * 5);
    EXPECT_EQ(Bytes(good.begin(), good.begin() + 4), (Bytes{0x17, 0xB3, 0xC6, 0x00}));
    EXPECT_EQ(Bytes(good.begin() + kFrameCountAt, good.begin() + kColoursAt),
              (Bytes{2, 0, 0, 0, 6, 0, 0, 0, 6, 0, 0, 0}));
    EXPECT_EQ(good[kFrame0At], 6);
    EXPECT_EQ(good[kRecordsAt + 5 + 4], 1);  // the first vertex's colour, after the marker's
    for (double version : {1.0, 1.03, 1.02}) {
        Bytes bytes = good;
        std::memcpy(bytes.data() + 4, &version, 8);
        MeshObject mesh;
        EXPECT_EQ(mesh.LoadFromBytes(bytes), version == 1.02) << version;
    }
}

TEST(DddFile, ShortFilesLyingCountsOrIndicesAndMissingFilesFailAndLeaveTheObjectEmpty) {
    const Bytes good = TwoFrameObject().SaveToBytes();
    MeshObject mesh = TwoFrameObject();
    for (std::size_t length = 0; length < good.size(); ++length) {
        ASSERT_FALSE(mesh.LoadFromBytes(std::span(good.data(), length))) << length;
        ExpectEmpty(mesh);
    }
    // Counts that lie: negative colours, huge pairs, more frames or vertices than
    // bytes, vertices past the frame's records.
    for (const auto& [at, value] :
         std::initializer_list<std::pair<std::size_t, std::int32_t>>{{kColourCountAt, -5},
                                                                     {kPairCountAt, 0x40000000},
                                                                     {kFrameCountAt, 3},
                                                                     {kFrame0At, 0x7FFFFFFF},
                                                                     {kFrame1At, 7}}) {
        Bytes bytes = good;
        std::memcpy(bytes.data() + at, &value, 4);  // the tests run on little-endian machines
        EXPECT_FALSE(mesh.LoadFromBytes(bytes)) << at;
        ExpectEmpty(mesh);
    }
    Bytes colour_past_table = good;
    colour_past_table[kRecordsAt + 5 + 4] = 6;  // the table has entries 0 to 5
    Bytes normal_past_table = good;
    normal_past_table[kRecordsAt + 5 + 3] = 162;
    // 5 texture pairs for frame 0's 6 vertices.
    Bytes few_pairs(good.begin(), good.begin() + kFrame0At - 8);
    few_pairs.insert(few_pairs.end(), good.begin() + kFrame0At, good.end());
    few_pairs[kPairCountAt] = 5;
    for (const Bytes& bytes : {colour_past_table, normal_past_table, few_pairs}) {
        EXPECT_FALSE(mesh.LoadFromBytes(bytes));
        ExpectEmpty(mesh);
    }
    normal_past_table[kRecordsAt + 5 + 3] = 161;
    EXPECT_TRUE(mesh.LoadFromBytes(normal_past_table));
    EXPECT_TRUE(mesh.LoadFromBytes(MeshObject().SaveToBytes()));  // zero counts load as a valid, empty object
    EXPECT_FALSE(mesh.Load(PrivateTempFolder() + "no-such-object.ddd"));
    EXPECT_FALSE(mesh.Load(PrivateTempFolder()));  // a folder, not a file
    EXPECT_FALSE(TwoFrameObject().Save(PrivateTempFolder() + "no-such-folder/object.ddd"));
}

}  // namespace
