#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

void ExpectBlend(const FrameBlend& blend, int a, int b, float w) {
    EXPECT_EQ(blend.a, a);
    EXPECT_EQ(blend.b, b);
    EXPECT_FLOAT_EQ(blend.w, w);
}

// The draw tests choose frames through the commands; here, the pairs that
// would fall outside the object or come from a weight outside 0 to 1.
TEST(FrameBlend, PairsStayInTheObject) {
    ExpectBlend(ChooseFrameBlend(4, 3, 0, 0.25, true), 3, 2, 0.25f);  // frame 2.25, counting down
    ExpectBlend(ChooseFrameBlend(4, 2, 2, 0.7, true), 2, 2, 0);
    ExpectBlend(ChooseFrameBlend(4, 3, 1, 1, true), 1, 1, 0);
    ExpectBlend(ChooseFrameBlend(4, -5, 2, 0, true), 0, 0, 0);
    ExpectBlend(ChooseFrameBlend(4, 1, 3, 7, true), 3, 3, 0);
    ExpectBlend(ChooseFrameBlend(4, 1, 3, std::nan(""), true), 1, 1, 0);
    ExpectBlend(ChooseFrameBlend(6, 7, -1, 0.5, false), 5, 0, 0.5f);  // without interpolation the weight is t
}

// Two frames of one triangle; frame 1 is frame 0 moved by 4 along x and
// carrying a different colour.
MeshObject TwoFrames() {
    MeshObject mesh;
    UserObjectStart(mesh, kGroupTriangles);
    // Coordinates spanning 0 to 255 pack exactly.
    UserObjectAddVertex(mesh, 0, 0, 0, 0, 0, 0x0000FF);
    UserObjectAddVertex(mesh, 0, 255, 0, 0, 0, 0x0000FF);
    UserObjectAddVertex(mesh, 255, 0, 0, 0, 0, 0x0000FF);
    mesh.frames.Add(mesh.frames[0]);
    for (POLY_NODE& node : mesh.frames[1].raw) {
        if (IsMarkerColour(node.colour)) continue;
        node.position[0] += 4;
        node.colour = 0x00FF00;
    }
    UserObjectEnd(mesh, 0);
    mesh.PrepareTriangles();
    return mesh;
}

TEST(FrameBlend, BlendedVerticesMixPositionsAndKeepTheFirstFramesColour) {
    MeshObject mesh = TwoFrames();
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

}  // namespace
