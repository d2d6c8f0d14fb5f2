// Mesh objects through the commands: built, saved, loaded, drawn and collided with.
#include <SDL.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "gfx3d/scene_fixture.h"

namespace {

TEST_F(Scene, ATexturedSquareShowsTheImageUprightVertexColoursDrawOnlyIfAnyAndEmptyObjectsNothing) {
    const std::string path = TempPath("quadrants.bmp");
    WriteBitmap(path, {64, 64, 24, false, {}, [](int x, int y) {
                           if (y < 32) return x < 32 ? TestRgb{255, 0, 0} : TestRgb{0, 0, 255};
                           return x < 32 ? TestRgb{0, 255, 0} : TestRgb{255, 255, 255};
                       }});
    LOADSPRITE(path.c_str(), 20);
    BuildSquare(1, 0, 0, 0, 5);  // pixels 200 to 440 across, 120 to 360 down
    X_SETTEXTURE(20, -1);
    X_DRAWOBJ(1, 0);
    // A texel and a half inside each quadrant's corners, away from the filtering's mixing.
    ExpectPixels(
        {{206, 126, kRed}, {314, 234, kRed}, {434, 126, kBlue}, {206, 354, kGreen}, {326, 246, kWhite}});
    ExpectPixels({{198, 240, kBlack}, {442, 240, kBlack}, {320, 118, kBlack}, {320, 362, kBlack}});

    // The same through vertex arrays: half of the only frame blended with itself.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_DRAWANIM(1, 0, 0, 0.5, 0);
    ExpectPixels({{260, 180, kRed}, {380, 300, kWhite}});

    X_SETTEXTURE(-1, -1);  // vertex colours are drawn only when the object has some
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    BuildSquare(1, 0, 0, 0, 2, 0x0000FF);
    BuildSquare(2, 0, 0, 0, 2, -1);  // -1 is no marker: it is stored as white
    X_DRAWOBJ(1, 0);                 // the display list
    EXPECT_EQ(PixelAt(320, 240), kRed);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_DRAWANIM(1, 0, 0, 0.5, 0);  // vertex arrays
    EXPECT_EQ(PixelAt(320, 240), kRed);

    glColor3f(0, 0, 1);
    X_DRAWANIM(2, 0, 0, 0.5, 0);  // drawn in white, the colour every object draw starts with
    EXPECT_EQ(PixelAt(320, 240), kWhite);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);  // without triangles, or missing: nothing
    X_OBJSTART(1);
    X_OBJADDVERTEX(-5, -5, 0, 0, 0, 0xFFFFFF);
    X_OBJADDVERTEX(5, 5, 0, 0, 0, 0xFFFFFF);
    X_OBJEND();
    ASSERT_EQ(prism3D.objects[1].frames[0].packed.Count(), 3);
    X_DRAWOBJ(1, 0);
    X_DRAWANIM(1, 0, 0, 0.5, 0);
    X_DRAWOBJ(3, 0);  // never filled
    X_DRAWOBJ(-1, 0);
    X_DRAWOBJ(4095, 0);
    EXPECT_EQ(CountInRow(240, 0, 640, kBlack), 640);
}

// Object n loaded from a file whose frames are white strips through the given points in the plane z = 0.
void LoadFrames(int n, const std::vector<std::vector<std::pair<float, float>>>& frames) {
    MeshObject mesh, frame;
    for (const auto& points : frames) {
        UserObjectStart(frame, kGroupStrip);
        for (auto [x, y] : points)
            UserObjectAddVertex(frame, x, y, 0, 0, 0, 0xFFFFFF);
        mesh.frames.Add(frame.frames[0]);
    }
    UserObjectEnd(mesh, 2);
    const std::string path = TempPath("frames.ddd");
    ASSERT_TRUE(mesh.Save(path));
    X_LOADOBJ(path.c_str(), n);
}

// The centres, among -6 to 6, where a square is drawn.
std::vector<int> DrawnCentres() {
    std::vector<int> centres;
    for (int x = -6; x <= 6; ++x) {
        if (PixelAt(ScreenX(x), 240) == kWhite) centres.push_back(x);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return centres;
}

TEST_F(Scene, FramesAreChosenAndBlendedWithinTheObjectAndALongerFrameGetsAVertexBufferLargeEnough) {
    std::vector<std::vector<std::pair<float, float>>> squares;  // of side 1.8, centred on x = -6, -2, 2, 6
    for (float x : {-6, -2, 2, 6})
        squares.push_back({{x - 0.9f, 0.9f}, {x - 0.9f, -0.9f}, {x + 0.9f, 0.9f}, {x + 0.9f, -0.9f}});
    LoadFrames(5, squares);
    X_DRAWOBJ(5, 2);
    EXPECT_EQ(DrawnCentres(), std::vector<int>{2});
    X_DRAWOBJ(5, -1);  // frame 0
    EXPECT_EQ(DrawnCentres(), std::vector<int>{-6});
    X_DRAWOBJ(5, 4);  // no such frame
    EXPECT_EQ(DrawnCentres(), std::vector<int>{});
    X_DRAWANIM(5, 0, 3, 0.5, 1);  // frame 1.5: half of 1 and half of 2
    EXPECT_EQ(DrawnCentres(), std::vector<int>{0});
    X_DRAWANIM(5, 2, 5, 0.25, 0);  // 0.25 of frame 2 and 0.75 of frame 3 (5 held at 3)
    EXPECT_EQ(DrawnCentres(), std::vector<int>{5});
    X_DRAWANIM(5, 0, 3, 1, 1);  // the last frame, not one beyond it
    EXPECT_EQ(DrawnCentres(), std::vector<int>{6});

    // Frame 1 one small triangle, frame 2 a band of 20 triangles from x = -5 to 5.
    std::vector<std::pair<float, float>> band;
    for (int i = 0; i <= 10; ++i)
        band.insert(band.end(), {{-5.0f + i, 1}, {-5.0f + i, -1}});
    LoadFrames(7, {squares[0], {{-1, 1}, {-1, -1}, {0, 1}}, band});
    X_DRAWOBJ(7, 1);
    X_DRAWOBJ(7, 2);
    EXPECT_EQ(CountInRow(240, ScreenX(-4.5), ScreenX(4.5) + 1, kWhite), ScreenX(4.5) + 1 - ScreenX(-4.5));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_DRAWOBJ(7, 1);  // the shorter list refills the larger buffer
    ExpectPixels({{ScreenX(-0.8), 240, kWhite}, {ScreenX(2), 240, kBlack}});
    const GLuint buffer = prism3D.objects[7].vertexBuffer;
    prism3D.objects[7].Clear(true);  // and the buffer goes with the object
    const auto is_buffer = reinterpret_cast<PFNGLISBUFFERARBPROC>(SDL_GL_GetProcAddress("glIsBufferARB"));
    EXPECT_TRUE(buffer != 0 && !is_buffer(buffer));
}

TEST_F(Scene, TheBumpLightShadesThroughTheNormalMapAndTheTexture) {
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!std::strstr(extensions, "GL_EXT_texture_env_dot3")) GTEST_SKIP() << "no dot3 texture combiner";
    LoadBitmapSprite(60, SolidBitmap(64, 64, {128, 128, 255}));
    LoadBitmapSprite(61, SolidBitmap(64, 64, {255, 0, 0}));
    BuildSquare(1, 0, 0, 0, 5);
    X_SETTEXTURE(61, 60);
    // A normal map straight out of the surface, lit from far behind the camera (eye coordinates).
    X_SPOT_LT(-1, 0xFFFFFF, 0, 0, 990, 0, 0, 0, 1);
    X_DRAWOBJ(1, 0);
    EXPECT_TRUE(PixelAt(320, 240)[0] >= 250 && PixelAt(320, 240)[1] <= 2);
    // A light along the surface leaves it dark.
    X_SPOT_LT(-1, 0xFFFFFF, 1000, 0, -10, 0, 0, 0, 1);
    X_DRAWOBJ(1, 0);
    EXPECT_LE(PixelAt(320, 240)[0], 8);

    // Without the bump light the display list draws again, both texture units modulating.
    X_SPOT_LT(-1, 0, 0, 0, 0, 0, 0, 0, 0);
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE);
}

TEST_F(Scene, SavedObjectsLoadBadOnesEmptyTheSlotOutsideNumbersAreRefusedBuildsNeedAStart) {
    BuildSquare(1, 0, 0, 0, 2, 0x0000FF);
    const std::string path = TempPath("square.ddd");
    X_SAVEOBJ(path.c_str(), 1);
    X_LOADOBJ(path.c_str(), 2);
    EXPECT_EQ(prism3D.objects[2].SaveToBytes(), prism3D.objects[1].SaveToBytes());
    EXPECT_TRUE(prism3D.objects[2].displayList != 0 && prism3D.objects[2].frames[0].maxRadius > 2.8f);
    X_DRAWOBJ(2, 0);
    EXPECT_EQ(PixelAt(320, 240), kRed);

    BuildSquare(3, 0, 0, 0, 2);  // a missing file changes nothing, a bad one empties the slot
    X_LOADOBJ(TempPath("nowhere.ddd").c_str(), 3);
    EXPECT_TRUE(prism3D.objects[3].frames.Count() == 1 && prism3D.objects[3].displayList != 0);

    std::vector<std::uint8_t> bytes = BuiltObject({NumberedVertices(4)}).SaveToBytes();
    bytes[4] ^= 1;  // the version is no longer exactly 1.02
    WriteBytes(TempPath("bad.ddd"), bytes);
    const GLuint list = prism3D.objects[3].displayList;
    X_LOADOBJ(TempPath("bad.ddd").c_str(), 3);
    EXPECT_TRUE(prism3D.objects[3].frames.Empty() && prism3D.objects[3].displayList == 0 && !glIsList(list));
    glClear(GL_COLOR_BUFFER_BIT);
    X_DRAWOBJ(3, 0);
    EXPECT_EQ(PixelAt(320, 240), kBlack);

    const std::string refused = TempPath("refused.ddd");
    X_SAVEOBJ(refused.c_str(), 4095);
    X_SAVEOBJ(refused.c_str(), -1);
    EXPECT_FALSE(std::filesystem::exists(refused));
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
    EXPECT_TRUE(prism3D.objects[5].frames[0].raw.Count() == 2 && prism3D.objects[5].frames[0].packed.Empty());
    EXPECT_EQ(prism3D.objects[6].frames[0].packed.Count(), 5);
}

TEST_F(Scene, NewGroupsAreSeparateStripsAutoNormalsApplyAndSpheresCollideWhereItIsDrawn) {
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

    X_AUTONORMALS(2);
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
