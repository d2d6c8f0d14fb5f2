#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

namespace {

void ExpectBlend(const FrameBlend& blend, int a, int b, float w) {
    EXPECT_EQ(blend.a, a);
    EXPECT_EQ(blend.b, b);
    EXPECT_FLOAT_EQ(blend.w, w);
}

TEST(FrameBlend, InterpolationShowsThePositionBetweenFromAndTo) {
    ExpectBlend(ChooseFrameBlend(4, 0, 3, 0.5, true), 1, 2, 0.5f);    // frame 1.5
    ExpectBlend(ChooseFrameBlend(4, 0, 3, 0.25, true), 0, 1, 0.25f);  // frame 0.75
    ExpectBlend(ChooseFrameBlend(4, 3, 0, 0.25, true), 3, 2, 0.25f);  // frame 2.25
}

TEST(FrameBlend, WholePositionsDrawThatFrameAndPairsStayInTheObject) {
    ExpectBlend(ChooseFrameBlend(4, 2, 2, 0.7, true), 2, 2, 0);
    ExpectBlend(ChooseFrameBlend(4, 3, 1, 1, true), 1, 1, 0);
    ExpectBlend(ChooseFrameBlend(4, 0, 3, 1, true), 3, 3, 0);  // the last frame, not one beyond
    ExpectBlend(ChooseFrameBlend(4, 1, 9, 1, true), 3, 3, 0);  // `to` held at the last frame
    ExpectBlend(ChooseFrameBlend(4, -5, 2, 0, true), 0, 0, 0);
    // t beyond 0 to 1 stays between the two frames.
    ExpectBlend(ChooseFrameBlend(4, 1, 3, 7, true), 3, 3, 0);
    ExpectBlend(ChooseFrameBlend(4, 1, 3, -7, true), 1, 1, 0);
    ExpectBlend(ChooseFrameBlend(4, 1, 3, std::nan(""), true), 1, 1, 0);
    ExpectBlend(ChooseFrameBlend(1, 0, 0, 0.5, true), 0, 0, 0);
}

TEST(FrameBlend, WithoutInterpolationTheWeightIsT) {
    ExpectBlend(ChooseFrameBlend(6, 2, 5, 0.25, false), 2, 5, 0.25f);
    ExpectBlend(ChooseFrameBlend(6, 7, -1, 0.5, false), 5, 0, 0.5f);
    ExpectBlend(ChooseFrameBlend(6, 3, 0, 0, false), 3, 0, 0);  // a single frame
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
}

TEST(FrameBlend, FramesOfDifferentLengthsBlendOnlyWhatBothHave) {
    MeshObject mesh = TwoFrames();
    mesh.frames[1].prepared.Clear(false);
    BlendWorkVertices(mesh, {0, 1, 0.5f});
    EXPECT_EQ(mesh.work.Count(), 0);
}

TEST(FrameBlend, BumpLightVectorsEncodeTheLightDirectionInTangentSpace) {
    MeshObject mesh = TwoFrames();
    POLY_NODE& vertex = mesh.frames[0].prepared[0];
    const float tangent[3] = {1, 0, 0}, binormal[3] = {0, 1, 0};
    std::copy(tangent, tangent + 3, vertex.tangent);
    std::copy(binormal, binormal + 3, vertex.binormal);
    BlendWorkVertices(mesh, {0, 0, 0});
    std::fill_n(mesh.work[0].normal, 3, 0.0f);
    mesh.work[0].normal[2] = 1;
    // The light straight along the tangent from the vertex at (0, 0, 0).
    SetBumpLightVectors(mesh, 0, {10, 0, 0});
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(mesh.work[0].light[i], i == 0 ? 1.0 : 0.5, 1e-6) << i;
}

}  // namespace
