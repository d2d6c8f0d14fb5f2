#include <gtest/gtest.h>

#include <cmath>

#include "gfx3d/mesh_test_objects.h"

namespace {

TEST(Packing, EachAxisSpansItsBytesFromMinimumToMaximum) {
    // x runs from -10 to 30, y has the single value 7.5, z runs from 2 to 4.
    MeshObject mesh = BuiltObject({{{-10, 7.5, 2}, {30, 7.5, 4}, {10, 7.5, 3}}});
    const POLY_FRAME& frame = mesh.frames[0];
    ASSERT_EQ(frame.packed.Count(), 4);  // the strip marker and three vertices
    EXPECT_FLOAT_EQ(frame.scale[0], 40.0f / 255);
    EXPECT_EQ(frame.scale[1], 1.0f);  // a single value: step 1, bytes are x - min
    EXPECT_FLOAT_EQ(frame.offset[1], -7.5f);
    EXPECT_EQ(frame.packed[1].x, 0);
    EXPECT_EQ(frame.packed[2].x, 255);
    EXPECT_EQ(frame.packed[3].x, 127);  // the middle, truncated
    EXPECT_EQ(frame.packed[1].y, 0);
    EXPECT_NEAR(UnpackPosition(frame, frame.packed[2]).x, 30, 1e-4);  // decoded within one step
    // All vertices far from the origin: a marker's zero position is held to the bytes' ends.
    mesh = BuiltObject({{{100, -100, 5}, {200, -50, 5}, {150, -75, 5}}});
    EXPECT_EQ(mesh.frames[0].packed[0].x, 0);
    EXPECT_EQ(mesh.frames[0].packed[0].y, 255);
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
    ASSERT_EQ(mesh.colours.Count(), 258);  // the marker and 257 colours
    EXPECT_EQ(mesh.frames[0].packed[255].colour, 255);
    EXPECT_EQ(mesh.frames[0].packed[256].colour, 0);  // table entry 256 wraps to index 0
    EXPECT_EQ(mesh.frames[0].packed[257].colour, 1);
}

TEST(NormalTable, HoldsUnitVectorsAndFindsEachEntryAsItsOwnNearest) {
    for (int i = 0; i < kNormalTableSize; ++i) {
        const Vec3 entry = NormalTableEntry(static_cast<std::uint8_t>(i));
        EXPECT_NEAR(Length(entry), 1.0, 1e-5) << i;
        EXPECT_EQ(NormalIndexOfDirection(entry * 3.0), i) << "a longer vector is normalised first";
    }
}

}  // namespace
