#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/drawing_test.h"

namespace {

constexpr int kDisc = 21, kStripes = 22, kNoise = 23, kOpaque = 24, kGrab = 25;

class Batching : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        // A disc on the key colour, stripes in a larger texture, noise, and noise with no key texel.
        const auto disc = [](int x, int y) {
            return (x - 16) * (x - 16) + (y - 16) * (y - 16) < 200 ? TestRgb{255, 255, 0}
                                                                   : TestRgb{255, 0, 128};
        };
        const auto stripes = [](int x, int) { return x % 3 == 0 ? TestRgb{0, 0, 255} : TestRgb{0, 200, 60}; };
        const auto noise = [](int x, int y) {
            return TestRgb{std::uint8_t(x * 97 + y * 31), std::uint8_t(x * 13 ^ y * 71),
                           std::uint8_t(40 + (x + y) % 2 * 200)};
        };
        LoadBitmapSprite(kDisc, {32, 32, 24, false, {}, disc});
        LoadBitmapSprite(kStripes, {37, 19, 24, false, {}, stripes});
        LoadBitmapSprite(kNoise, {40, 24, 24, false, {}, noise});
        LoadBitmapSprite(kOpaque, {32, 16, 24, false, {}, noise});
    }
    void TearDown() override {
        pPrism->SetBatching(true);
        pPrism->SetExactShortcuts(true);
        pPrism->ChooseFrameTarget(OpenGLPrism::FrameTargetChoice::kBySprites);
    }

    // Draw calls the batch makes for the drawing: all, or those with nearest filtering.
    static long DrawCallsFor(const std::function<void()>& draw,
                             long (OpenGLPrism::*calls)() const = &OpenGLPrism::BatchDraws) {
        FinishBatchedDrawing();
        const long before = (pPrism->*calls)();
        draw();
        FinishBatchedDrawing();
        return (pPrism->*calls)() - before;
    }
};

// Every kind of 2D drawing, quads on and off texel centres, and an opaque texture at every alpha.
void DrawMixedScene() {
    for (int i = 0; i < 40; ++i)
        SPRITE(i % 3 == 0 ? kStripes : (i % 3 == 1 ? kNoise : kDisc), (i * 37) % 600, (i * 53) % 440);
    PRINT(LitStr("Speed: ") + 42, 10, 10);
    FILLRECT(200, 200, 260, 230, 0x3080F0);
    STRETCHSPRITE(kNoise, 20, 300, 40, 24);  // at its own size
    STRETCHSPRITE(kNoise, 100, 300, 41, 24);
    ZOOMSPRITE(kStripes, 200, 300, 1.5, 1.5);
    DRAWLINE(0, 479, 639, 0, 0x00FF00);
    SETPIXEL(5, 470, 0xFFFFFF);
    ALPHAMODE(0.5);
    for (int i = 0; i < 20; ++i)
        SPRITE(kDisc, 100 + i * 9, 100 + i * 5);
    FILLRECT(150, 150, 350, 180, 0xFFFFFF);
    SPRITE(kOpaque, 510, 30);
    PRINT(LitStr("added at half"), 120, 120);
    ALPHAMODE(-0.7);
    for (int i = 0; i < 10; ++i)
        SPRITE(i % 2 == 0 ? kDisc : kStripes, 250 + i * 13, 260);
    DRAWLINE(20, 20, 300, 400, 0x8000FF);  // the key colour: alpha 0
    ALPHAMODE(0);
    ROTOSPRITE(kStripes, 500, 100, 30);
    SPRITE(kOpaque, 500, 20);
    STRETCHSPRITE(kOpaque, 500, 60, 90, 35);
    VIEWPORT(101, 53, 300, 200);
    SPRITE(kNoise, 7, 9);
    SPRITE(kDisc, 290, 190);  // clipped by the viewport
    PRINT(LitStr("in a viewport"), 0, 40);
    VIEWPORT(0, 0, 0, 0);
    for (const bool scaled : {false, true}) {  // under a model view matrix of its own
        FinishBatchedDrawing();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        scaled ? glScalef(2, 2, 1) : glTranslatef(0.5f, -0.25f, 0);
        SPRITE(kNoise, scaled ? 250 : 400, scaled ? 150 : 400);
        if (!scaled) PRINT(LitStr("shifted"), 400, 440);
        FinishBatchedDrawing();
        glPopMatrix();
    }
    ALPHAMODE(0.25);  // interpolated colours, rounded from a quarter of 255, added
    STARTPOLY(-1);
    POLYVECTOR(20, 300, 0, 0, 0xFF0000);
    POLYVECTOR(200, 470, 0, 0, 0x00FF00);
    POLYVECTOR(20, 470, 0, 0, 0x0000FF);
    ALPHAMODE(1);
    ENDPOLY();
    ALPHAMODE(0);
    GRABSPRITE(kGrab, 240, 250, 64, 48);  // alpha and all
    SPRITE(kGrab, 560, 400);
    FinishBatchedDrawing();
    glColor4f(1, 1, 1, 0.3f);
    SPRITE(kOpaque, 540, 200);  // fails the alpha test everywhere
    FinishBatchedDrawing();
    glColor4f(1, 1, 1, 1);
}

TEST_F(Batching, AMixedSceneLooksTheSameBatchedAndWithShortcuts) {
    const long nearest_calls = DrawCallsFor(DrawMixedScene, &OpenGLPrism::NearestDraws);
    glClear(GL_COLOR_BUFFER_BIT);
    const long untested_calls = DrawCallsFor(DrawMixedScene, &OpenGLPrism::UntestedDraws);
    const std::vector<unsigned char> fast = FramePixels(0, 0, 640, 480);
    const long batched_calls = DrawCallsFor(DrawMixedScene);
    EXPECT_GT(LitPixels(0, 0, 640, 480), 20000);  // the scene is there to compare
    EXPECT_GE(nearest_calls, 3);
    EXPECT_GE(untested_calls, 2);

    for (const auto& [batching, shortcuts] : {std::pair{false, true}, {true, false}}) {
        SCOPED_TRACE(batching ? "batched, no shortcuts" : "unbatched");
        pPrism->SetBatching(batching);
        pPrism->SetExactShortcuts(shortcuts);
        glClear(GL_COLOR_BUFFER_BIT);
        DrawMixedScene();
        EXPECT_TRUE(fast == FramePixels(0, 0, 640, 480));
        EXPECT_TRUE(batching || batched_calls < DrawCallsFor(DrawMixedScene));
    }
    pPrism->SetBatching(true);
    pPrism->SetExactShortcuts(true);
    pPrism->ChooseFrameTarget(OpenGLPrism::FrameTargetChoice::kPicture);
    ASSERT_TRUE(pPrism->DrawsOffScreen());
    DrawMixedScene();
    EXPECT_TRUE(fast == FramePixels(0, 0, 640, 480)) << "drawn off screen";
}

TEST_F(Batching, ManySpritesMoveTheDisplayOffScreenBetweenFrames) {
    for (const int sprites : {299, 1200}) {  // 299 x 32 x 32 pixels: just under once
        for (int i = 0; i < sprites; ++i)
            SPRITE(kDisc, i % 600, i % 440);
        EXPECT_FALSE(pPrism->DrawsOffScreen());  // moved only between frames
        SHOWSCREEN();
    }
    ASSERT_TRUE(pPrism->DrawsOffScreen());
    EXPECT_EQ(LitPixels(0, 0, 640, 480), 0);
    ALPHAMODE(0.25);  // a quarter of 255, taken as each point is given, added twice is 128, not 126
    STARTPOLY(-1);
    for (const auto& [x, y] : {std::pair{10, 10}, {10, 50}, {50, 50}, {50, 10}})
        POLYVECTOR(x, y, 0, 0, 0xFFFFFF);
    ALPHAMODE(1);
    ENDPOLY();
    ENDPOLY();
    EXPECT_EQ(PixelAt(30, 30), (Rgb{128, 128, 128}));
    ALPHAMODE(0);
    SHOWSCREEN();
    EXPECT_TRUE(pPrism->DrawsOffScreen());
}

TEST_F(Batching, DrawingThatSharesItsStateIsOneDrawCallAndIsDrawnBeforeTheFrameIsReadPresentedOrDrawnIn3D) {
    EXPECT_EQ(DrawCallsFor([] {
                  for (int i = 0; i < 250; ++i) {
                      SPRITE(kDisc, i, i % 400);
                      STRETCHSPRITE(kDisc, i, 10, 5, 70);
                  }
                  PRINT(LitStr("one font"), 0, 0);
                  for (int i = 0; i < 50; ++i)
                      FILLRECT(i, i, i + 20, i + 9, i * 0x050301);  // rectangles of any colour
              }),
              3);
    EXPECT_EQ(DrawCallsFor([] {  // each change of texture or blend mode
                  SPRITE(kDisc, 0, 0);
                  SPRITE(kStripes, 0, 0);
                  ALPHAMODE(0.5);
                  SPRITE(kStripes, 0, 0);
                  ALPHAMODE(0);
              }),
              3);
    pPrism->SetTexture3D(kDisc, -1, 0);
    glDisable(GL_TEXTURE_2D);  // behind the display's back
    pPrism->SetTexture3D(kDisc, -1, 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    pPrism->FinishBatch();  // as code that uses OpenGL itself does first
    pPrism->SetTexture3D(kDisc, -1, 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    FILLRECT(0, 0, 32, 32, 0x0000FF);
    GRABSPRITE(30, 0, 0, 32, 32);
    glClear(GL_COLOR_BUFFER_BIT);
    SPRITE(30, 0, 0);
    EXPECT_EQ(PixelAt(10, 10), kRed) << "GRABSPRITE";
    BLACKSCREEN();
    FILLRECT(0, 0, 32, 32, 0x0000FF);
    const std::string path = PrivateTempFolder() + "batched.bmp";
    SAVEBMP(DynStr(path.c_str()));
    std::uint8_t r = 0, g = 0, b = 0;
    if (const std::optional<BitmapFile> shot = ReadBitmapFile(path)) shot->PixelAt(10, 10, r, g, b);
    EXPECT_EQ((Rgb{r, g, b}), kRed) << "SAVEBMP";
    pPrism->ChangeSize(642, 481);  // sides rounded up to multiples of 4
    EXPECT_EQ(pPrism->SaveBMPFile(path.c_str()), 1);
    pPrism->ChangeSize(640, 480);
    const BitmapFile saved = ReadBitmapFile(path).value();
    EXPECT_EQ(std::pair(saved.width, saved.height), std::pair(644, 484));
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 644 * 484 * 3);
    EXPECT_EQ(pPrism->SaveBMPFile((PrivateTempFolder() + "no/such/folder.bmp").c_str()), 0);
    glClear(GL_COLOR_BUFFER_BIT);
    FILLRECT(0, 0, 10, 10, 0x0000FF);
    X_MAKE3D(1, 100, 45);  // drawn in the 2D projection it was gathered in
    X_MAKE2D();
    EXPECT_EQ(PixelAt(5, 5), kRed);
    FILLRECT(20, 20, 30, 30, 0x0000FF);
    SHOWSCREEN();
    EXPECT_EQ(PixelAt(25, 25), kBlack);  // presented, not carried into the next frame
}

}  // namespace
