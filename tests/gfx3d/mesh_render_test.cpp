#include <SDL.h>

#include <cstring>
#include <vector>

#include "gfx3d/scene_fixture.h"

namespace {

const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};

using MeshRender = Scene;

TEST_F(MeshRender, ATexturedSquareCoversItsPixelsWithTheImageUpright) {
    // Quadrants from the top left: red, blue; green, white.
    const std::string path = TempPath("quadrants.bmp");
    WriteBitmap(path, {64, 64, 24, false, {}, [](int x, int y) {
                           if (y < 32) return x < 32 ? TestRgb{255, 0, 0} : TestRgb{0, 0, 255};
                           return x < 32 ? TestRgb{0, 255, 0} : TestRgb{255, 255, 255};
                       }});
    LOADSPRITE(path.c_str(), 20);
    BuildSquare(1, 0, 0, 0, 5);  // pixels 200 to 440 across, 120 to 360 down
    X_SETTEXTURE(20, -1);
    X_DRAWOBJ(1, 0);
    // Pixels a texel and a half (6 pixels) inside each quadrant's corners: closer, the
    // filtering mixes in the neighbouring texels.
    ExpectPixels(
        {{206, 126, kRed}, {314, 234, kRed}, {434, 126, kBlue}, {206, 354, kGreen}, {326, 246, kWhite}});
    ExpectPixels({{198, 240, kBlack}, {442, 240, kBlack}, {320, 118, kBlack}, {320, 362, kBlack}});

    // The same through vertex arrays: half of the only frame blended with itself.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_DRAWANIM(1, 0, 0, 0.5, 0);
    ExpectPixels({{260, 180, kRed}, {380, 300, kWhite}});
}

TEST_F(MeshRender, VertexColoursAreDrawnOnlyWhenTheObjectHasSomeAndEmptyObjectsDrawNothing) {
    BuildSquare(1, 0, 0, 0, 2, 0x0000FF);
    BuildSquare(2, 0, 0, 0, 2, -1);  // -1 is no marker: it is stored as white
    EXPECT_EQ(prism3D.objects[1].usesVertexColours, 1);
    EXPECT_EQ(prism3D.objects[2].usesVertexColours, 0);
    X_DRAWOBJ(1, 0);  // the display list
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

// Object n loaded from a file whose frame f is a square of side 1.8 centred
// on (centres[f], 0, 0): it covers the whole number nearest its centre alone.
void LoadMovingSquare(int n, const std::vector<float>& centres) {
    MeshObject mesh;
    UserObjectStart(mesh, kGroupStrip);
    for (auto [x, y] : {std::pair{-0.9f, 0.9f}, {-0.9f, -0.9f}, {0.9f, 0.9f}, {0.9f, -0.9f}})
        UserObjectAddVertex(mesh, centres[0] + x, y, 0, 0, 0, 0xFFFFFF);
    for (std::size_t f = 1; f < centres.size(); ++f) {
        mesh.frames.Add(mesh.frames[0]);
        for (POLY_NODE& node : mesh.frames.Last().raw)
            node.position[0] += centres[f] - centres[0];
    }
    UserObjectEnd(mesh, 2);
    const std::string path = TempPath("moving.ddd");
    ASSERT_TRUE(mesh.Save(path));
    X_LOADOBJ(path.c_str(), n);
    ASSERT_EQ(prism3D.objects[static_cast<std::size_t>(n)].frames.Count(), static_cast<int>(centres.size()));
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

TEST_F(MeshRender, FramesAreChosenAndBlendedWithinTheObject) {
    LoadMovingSquare(5, {-6, -2, 2, 6});
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
}

void AddRawVertex(POLY_FRAME& frame, float x, float y, std::uint32_t colour = 0xFFFFFF) {
    POLY_NODE node{};
    node.position[0] = x;
    node.position[1] = y;
    node.colour = colour;
    frame.raw.Add(node);
}

TEST_F(MeshRender, ALongerFrameGetsAVertexBufferLargeEnoughForItFreedWithTheObject) {
    // Frame 0 a square, frame 1 one small triangle, frame 2 a band of 20 triangles from x = -5 to 5.
    MeshObject mesh;
    UserObjectStart(mesh, kGroupStrip);
    for (auto [x, y] : {std::pair{-7, 1}, {-7, -1}, {-5, 1}, {-5, -1}})
        UserObjectAddVertex(mesh, static_cast<float>(x), static_cast<float>(y), 0, 0, 0, 0xFFFFFF);
    POLY_FRAME& small = (mesh.frames.Add(POLY_FRAME{}), mesh.frames.Last());
    AddRawVertex(small, 0, 0, kMarkerTriangles);
    for (const auto& [x, y] : {std::pair{-1, 1}, {-1, -1}, {0, 1}})
        AddRawVertex(small, x, y);
    POLY_FRAME& band = (mesh.frames.Add(POLY_FRAME{}), mesh.frames.Last());
    AddRawVertex(band, 0, 0, kMarkerStrip);
    for (int i = 0; i <= 10; ++i) {
        AddRawVertex(band, -5.0f + i, 1);
        AddRawVertex(band, -5.0f + i, -1);
    }
    UserObjectEnd(mesh, 2);
    const std::string path = TempPath("growing.ddd");
    ASSERT_TRUE(mesh.Save(path));
    X_LOADOBJ(path.c_str(), 7);
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

bool HasExtension(const char* name) {
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions != nullptr && std::strstr(extensions, name) != nullptr;
}

TEST_F(MeshRender, TheBumpLightShadesThroughTheNormalMapAndTheTexture) {
    if (!HasExtension("GL_EXT_texture_env_dot3")) GTEST_SKIP() << "no dot3 texture combiner";
    // The normal map straight out of the surface.
    LoadBitmapSprite(60, SolidBitmap(64, 64, {128, 128, 255}));
    LoadBitmapSprite(61, SolidBitmap(64, 64, {255, 0, 0}));
    BuildSquare(1, 0, 0, 0, 5);
    X_SETTEXTURE(61, 60);
    // The bump light is placed in eye coordinates: here far behind the
    // camera, so it shines straight onto the whole square.
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

}  // namespace
