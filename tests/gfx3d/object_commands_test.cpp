#include <filesystem>

#include "gfx3d/scene_fixture.h"

namespace {

using ObjectCommands = Scene;

TEST_F(ObjectCommands, ASavedObjectLoadsReadyToDrawABadOneEmptiesTheSlotAndAMissingOneNothing) {
    BuildSquare(1, 0, 0, 0, 2, 0x0000FF);
    const std::string path = TempPath("square.ddd");
    X_SAVEOBJ(path.c_str(), 1);
    X_LOADOBJ(path.c_str(), 2);
    const MeshObjectX& loaded = prism3D.objects[2];
    // Everything the file holds is the same: the packed frames, colours and texture coordinates.
    EXPECT_EQ(loaded.SaveToBytes(), prism3D.objects[1].SaveToBytes());
    EXPECT_NE(loaded.displayList, 0u);
    EXPECT_GT(loaded.frames[0].maxRadius, 2.8f);
    X_DRAWOBJ(2, 0);
    EXPECT_EQ(PixelAt(320, 240), kRed);

    BuildSquare(3, 0, 0, 0, 2);  // a missing file changes nothing, a bad one empties the slot
    X_LOADOBJ(TempPath("nowhere.ddd").c_str(), 3);
    EXPECT_EQ(prism3D.objects[3].frames.Count(), 1);
    EXPECT_NE(prism3D.objects[3].displayList, 0u);

    std::vector<std::uint8_t> bytes = BuiltObject({NumberedVertices(4)}).SaveToBytes();
    bytes[4] ^= 1;  // the version is no longer exactly 1.02
    WriteBytes(TempPath("bad.ddd"), bytes);
    const GLuint list = prism3D.objects[3].displayList;
    X_LOADOBJ(TempPath("bad.ddd").c_str(), 3);
    EXPECT_TRUE(prism3D.objects[3].frames.Empty());
    EXPECT_EQ(prism3D.objects[3].displayList, 0u);
    EXPECT_FALSE(glIsList(list));
    glClear(GL_COLOR_BUFFER_BIT);
    X_DRAWOBJ(3, 0);
    EXPECT_EQ(PixelAt(320, 240), kBlack);
}

TEST_F(ObjectCommands, ObjectNumbersOutsideTheSlotsAreRefusedAndBuildingNeedsAStartAndThreeEntries) {
    BuildSquare(1, 0, 0, 0, 2);
    const std::string path = TempPath("refused.ddd");
    X_SAVEOBJ(path.c_str(), 4095);
    X_SAVEOBJ(path.c_str(), -1);
    EXPECT_FALSE(std::filesystem::exists(path));
    X_SAVEOBJ(path.c_str(), 1);
    X_LOADOBJ(path.c_str(), 4095);
    EXPECT_EQ(X_COLLISION(4095, 0, 100, 0, 0, 0), 0);
    EXPECT_EQ(X_COLLISION(1, 0, 100, 0, 0, 0), 1);

    X_DRAWANIM(4095, 0, 0, 0.5, 0);
    X_OBJSTART(4095);  // no build starts, so the vertices go nowhere
    X_OBJADDVERTEX(1, 2, 3, 0, 0, 0);
    X_OBJNEWGROUP();
    X_OBJEND();
    EXPECT_EQ(prism3D.buildSlot, -1);

    BuildSquare(4, 0, 0, 0, 2);
    X_OBJSTART(4);
    X_OBJADDVERTEX(1, 2, 3, 0, 0, 0);
    X_OBJEND();  // a marker and one vertex: the slot ends empty
    EXPECT_TRUE(prism3D.objects[4].frames.Empty() && prism3D.objects[4].displayList == 0);

    // A second start abandons the first object unpacked.
    X_OBJSTART(5);
    X_OBJADDVERTEX(1, 2, 3, 0, 0, 0);
    BuildSquare(6, 0, 0, 0, 2);
    EXPECT_EQ(prism3D.objects[5].frames[0].raw.Count(), 2);
    EXPECT_TRUE(prism3D.objects[5].frames[0].packed.Empty());
    EXPECT_EQ(prism3D.objects[6].frames[0].packed.Count(), 5);
}

TEST_F(ObjectCommands, NewGroupsAreSeparateStripsAndTheAutoNormalModeIsUsed) {
    // Two strips meeting at a ridge along x = 0, each with its own ridge vertices.
    auto build = [](int n, double mode) {
        X_AUTONORMALS(mode);
        X_OBJSTART(n);
        const int xs[4] = {-2, 0, 0, 2};
        for (int i = 0; i < 4; ++i) {
            if (i == 2) X_OBJNEWGROUP();
            const int x = xs[i];
            for (int z : {0, 2})
                X_OBJADDVERTEX(x, x == 0 ? 1 : 0, z, 0, 0, 0xFFFFFF);
        }
        X_OBJEND();
    };
    build(1, 2);
    build(2, 1);
    build(3, 0);
    // Packed entry 3 is the first strip's ridge vertex: shared by both slopes, or its own slope.
    EXPECT_NEAR(NormalTableEntry(prism3D.objects[1].frames[0].packed[3].normal).x, 0, 1e-6);
    EXPECT_LT(NormalTableEntry(prism3D.objects[2].frames[0].packed[3].normal).x, -0.2);
    EXPECT_EQ(prism3D.objects[3].normalsValid, 0);
}

TEST_F(ObjectCommands, ASphereCollidesWithTheObjectWhereItIsDrawn) {
    X_CAMERA(10, 8, 12, 0, 0, 0);  // any camera: the sphere and the object meet in the same space
    BuildSquare(1, 0, 0, 0, 2);    // in the plane z = 0
    X_MOVEMENT(100, 0, 0);
    EXPECT_EQ(X_COLLISION(1, 0, 0.5, 100.5, 0.5, 0.4), 1);
    EXPECT_EQ(X_COLLISION(1, 0, 0.5, 100.5, 0.5, 0.5), 0);  // exactly the radius from the plane
    EXPECT_EQ(X_COLLISION(1, 0, 0.5, 102.3, 0, 0.1), 1);    // beyond an edge, within reach of it
    EXPECT_EQ(X_COLLISION(1, 0, 0.5, 0.5, 0.5, 0), 0);      // where the object would be unmoved
    EXPECT_EQ(X_COLLISION(1, 1, 0.5, 100.5, 0.5, 0), 0);    // no frame 1
    X_SCALING(2, 2, 2);
    X_MOVEMENT(100, 0, 0);
    EXPECT_EQ(X_COLLISION(1, 0, 0.5, 103.5, 0, 0.1), 1);
}

}  // namespace
