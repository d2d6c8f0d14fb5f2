#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"

namespace {

constexpr int kDisc = 21;
constexpr int kStripes = 22;
constexpr int kNoise = 23;
constexpr int kOpaque = 24;

std::size_t DifferentBytes(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    std::size_t different = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        different += a[i] != b[i] ? 1 : 0;
    return different;
}

class Batching : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        // A yellow disc on the key colour, 37 x 19 (a texture larger than the
        // image) of blue and green stripes, and 40 x 24 and 32 x 16 (no texel
        // transparent) of colours that change from each pixel to the next in
        // both directions.
        const auto disc = [](int x, int y) {
            const bool inside = (x - 16) * (x - 16) + (y - 16) * (y - 16) < 200;
            return inside ? TestRgb{255, 255, 0} : TestRgb{255, 0, 128};
        };
        const auto stripes = [](int x, int) { return x % 3 == 0 ? TestRgb{0, 0, 255} : TestRgb{0, 200, 60}; };
        const auto noise = [](int x, int y) {
            return TestRgb{static_cast<std::uint8_t>(x * 97 + y * 31),
                           static_cast<std::uint8_t>(x * 13 ^ y * 71),
                           static_cast<std::uint8_t>(40 + (x + y) % 2 * 200)};
        };
        LoadBitmapSprite(kDisc, {32, 32, 24, false, {}, disc});
        LoadBitmapSprite(kStripes, {37, 19, 24, false, {}, stripes});
        LoadBitmapSprite(kNoise, {40, 24, 24, false, {}, noise});
        LoadBitmapSprite(kOpaque, {32, 16, 24, false, {}, noise});
    }
    void TearDown() override {
        pPrism->SetBatching(true);
        pPrism->SetExactShortcuts(true);
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

// Sprites of two textures interleaved with text, rectangles, lines, points
// and changes of the blend mode, in a viewport of its own.
void DrawMixedScene() {
    for (int i = 0; i < 40; ++i)
        SPRITE(i % 3 == 0 ? kStripes : kDisc, (i * 37) % 600, (i * 53) % 440);
    PRINT(LitStr("Speed: ") + 42, 10, 10);
    FILLRECT(200, 200, 260, 230, 0x3080F0);
    STRETCHSPRITE(kStripes, 300, 40, 80, 50);
    ZOOMSPRITE(kDisc, 400, 300, 1.5, 0.75);
    DRAWLINE(0, 479, 639, 0, 0x00FF00);
    SETPIXEL(5, 470, 0xFFFFFF);
    PRINT(LitStr("Damage: ") + 7, 10, 26);
    ALPHAMODE(0.5);
    for (int i = 0; i < 20; ++i)
        SPRITE(kDisc, 100 + i * 9, 100 + i * 5);
    FILLRECT(150, 150, 350, 180, 0xFFFFFF);
    PRINT(LitStr("added at half"), 120, 120);
    ALPHAMODE(-0.7);
    for (int i = 0; i < 10; ++i)
        SPRITE(i % 2 == 0 ? kDisc : kStripes, 250 + i * 13, 260);
    DRAWLINE(20, 20, 300, 400, 0x8000FF);  // the key colour: alpha 0
    ALPHAMODE(0);
    ROTOSPRITE(kStripes, 500, 100, 30);
    SPRITE(kDisc, 505, 105);
    VIEWPORT(320, 240, 200, 150);
    SPRITE(kDisc, 190, 140);  // clipped by the viewport
    PRINT(LitStr("in the viewport"), 0, 0);
    VIEWPORT(0, 0, 0, 0);
}

TEST_F(Batching, AMixedSceneLooksTheSameBatchedAndUnbatched) {
    DrawMixedScene();
    const std::vector<unsigned char> batched = FramePixels(0, 0, 640, 480);
    const long batched_calls = DrawCallsFor(DrawMixedScene);

    glClear(GL_COLOR_BUFFER_BIT);
    pPrism->SetBatching(false);
    DrawMixedScene();
    const std::vector<unsigned char> unbatched = FramePixels(0, 0, 640, 480);
    const long unbatched_calls = DrawCallsFor(DrawMixedScene);

    EXPECT_GT(LitPixels(0, 0, 640, 480), 20000);  // the scene is there to compare
    EXPECT_EQ(DifferentBytes(batched, unbatched), 0u);
    EXPECT_LT(batched_calls, unbatched_calls);
}

// Drawing of its own that moves the 2D projection off whole pixels, or scales it.
void UnderModelView(const std::function<void()>& transform, const std::function<void()>& draw) {
    FinishBatchedDrawing();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    transform();
    draw();
    FinishBatchedDrawing();
    glPopMatrix();
}

// Sprites modulated by a colour of the given alpha, set by drawing of its own.
void WithColourAlpha(float alpha, const std::function<void()>& draw) {
    FinishBatchedDrawing();
    glColor4f(1, 1, 1, alpha);
    draw();
    FinishBatchedDrawing();
    glColor4f(1, 1, 1, 1);
}

void ShiftHalfAPixel() {
    glTranslatef(0.5f, -0.25f, 0);
}
void ScaleTwice() {
    glScalef(2, 2, 1);
}

// Quads on texel centres (unscaled sprites and text, in the window and in a
// viewport) among quads off them: stretched and zoomed sprites, and sprites
// and text under a shifted or scaled projection; a texture without a
// transparent texel, plain, blended and at an alpha below the test's.
void DrawSamplingScene() {
    for (int i = 0; i < 30; ++i)
        SPRITE(i % 3 == 0 ? kStripes : (i % 3 == 1 ? kNoise : kDisc), (i * 37) % 600, (i * 53) % 440);
    STRETCHSPRITE(kNoise, 20, 300, 40, 24);  // at its own size
    PRINT(LitStr("Texel centres"), 3, 7);
    STRETCHSPRITE(kNoise, 100, 300, 41, 24);
    ZOOMSPRITE(kStripes, 200, 300, 1.5, 1.5);
    VIEWPORT(101, 53, 300, 200);
    SPRITE(kNoise, 7, 9);
    PRINT(LitStr("in a viewport"), 0, 40);
    VIEWPORT(0, 0, 0, 0);
    UnderModelView(ShiftHalfAPixel, [] {
        SPRITE(kNoise, 400, 400);
        PRINT(LitStr("shifted"), 400, 440);
    });
    UnderModelView(ScaleTwice, [] { SPRITE(kNoise, 250, 150); });
    SPRITE(kOpaque, 500, 20);
    STRETCHSPRITE(kOpaque, 500, 60, 90, 35);
    ALPHAMODE(0.5);
    SPRITE(kOpaque, 510, 30);
    ALPHAMODE(0);
    WithColourAlpha(0.3f, [] { SPRITE(kOpaque, 540, 200); });  // fails the alpha test everywhere
}

TEST_F(Batching, ExactShortcutsKeepEveryPixel) {
    const long nearest_calls = DrawCallsFor(DrawSamplingScene, &OpenGLPrism::NearestDraws);
    glClear(GL_COLOR_BUFFER_BIT);
    const long untested_calls = DrawCallsFor(DrawSamplingScene, &OpenGLPrism::UntestedDraws);
    const std::vector<unsigned char> fast = FramePixels(0, 0, 640, 480);

    glClear(GL_COLOR_BUFFER_BIT);
    pPrism->SetExactShortcuts(false);
    DrawSamplingScene();
    const std::vector<unsigned char> general = FramePixels(0, 0, 640, 480);

    EXPECT_GE(nearest_calls, 3);  // the shortcuts were taken
    EXPECT_GE(untested_calls, 2);
    EXPECT_GT(LitPixels(0, 0, 640, 480), 20000);
    EXPECT_EQ(DifferentBytes(fast, general), 0u);
}

TEST_F(Batching, ShortcutsOnlyWhereTheyKeepEveryPixel) {
    const struct {
        const char* what;
        std::function<void()> draw;
        long nearest_calls;
        long untested_calls;
    } cases[] = {
        {"unscaled sprites of an image smaller than its texture", [] { SPRITE(kStripes, 3, 4); }, 1, 0},
        {"a sprite stretched to its own size", [] { STRETCHSPRITE(kNoise, 3, 4, 40, 24); }, 1, 0},
        {"text", [] { PRINT(LitStr("text"), 5, 5); }, 1, 0},
        {"a stretched sprite among unscaled ones",
         [] {
             SPRITE(kNoise, 0, 0);
             STRETCHSPRITE(kNoise, 50, 0, 40, 25);
             SPRITE(kNoise, 100, 0);
         },
         0, 0},
        {"a projection shifted off whole pixels",
         [] { UnderModelView(ShiftHalfAPixel, [] { SPRITE(kNoise, 0, 0); }); }, 0, 0},
        {"a scaled projection", [] { UnderModelView(ScaleTwice, [] { SPRITE(kNoise, 0, 0); }); }, 0, 0},
        {"untextured drawing", [] { FILLRECT(0, 0, 10, 10, 0xFF); }, 0, 0},
        {"a texture without transparent texels, stretched", [] { STRETCHSPRITE(kOpaque, 0, 0, 50, 50); }, 0,
         1},
        {"the same at an alpha below the test's",
         [] { WithColourAlpha(0.3f, [] { SPRITE(kOpaque, 0, 0); }); }, 1, 0},
        {"a grabbed sprite, whose alpha is not known",
         [] {
             GRABSPRITE(30, 0, 0, 32, 32);
             SPRITE(30, 0, 0);
         },
         1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DrawCallsFor(c.draw, &OpenGLPrism::NearestDraws), c.nearest_calls) << c.what;
        EXPECT_EQ(DrawCallsFor(c.draw, &OpenGLPrism::UntestedDraws), c.untested_calls) << c.what;
    }
}

TEST_F(Batching, DrawingThatSharesItsStateIsOneDrawCall) {
    const struct {
        const char* what;
        std::function<void()> draw;
        long calls;
    } cases[] = {
        {"sprites of one texture, plain and stretched",
         [] {
             for (int i = 0; i < 250; ++i) {
                 SPRITE(kDisc, i, i % 400);
                 STRETCHSPRITE(kDisc, i, 10, 5, 70);
             }
         },
         1},
        {"text in one font",
         [] {
             PRINT(LitStr("one"), 0, 0);
             PRINT(3, 0, 20);
         },
         1},
        {"rectangles, then points, of any colour",
         [] {
             for (int i = 0; i < 50; ++i)
                 FILLRECT(i, i, i + 20, i + 9, i * 0x050301);
             for (int i = 0; i < 50; ++i)
                 SETPIXEL(i, 300, i * 0x010203);
         },
         2},
        {"each change of texture",
         [] {
             SPRITE(kDisc, 0, 0);
             SPRITE(kStripes, 0, 0);
             SPRITE(kDisc, 0, 0);
         },
         3},
        {"a line, then the point that ends it",
         [] {
             DRAWLINE(0, 0, 10, 10, 0xFF);
             DRAWLINE(0, 5, 10, 5, 0xFF);
         },
         4},
        {"a change of the blend mode",
         [] {
             SPRITE(kDisc, 0, 0);
             ALPHAMODE(0.5);
             SPRITE(kDisc, 0, 0);
             ALPHAMODE(0);
         },
         2},
        {"a rotated sprite, drawn by itself after the batch",
         [] {
             SPRITE(kDisc, 0, 0);
             ROTOSPRITE(kDisc, 0, 0, 45);
         },
         1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawCallsFor(c.draw), c.calls) << c.what;
}

// Whatever reads the frame sees the drawing batched before it.
TEST_F(Batching, ReadingTheFrameDrawsTheBatchFirst) {
    const struct {
        const char* what;
        std::function<Rgb()> colour_at_10_10_as_read;
    } readers[] = {
        {"GRABSPRITE",
         [] {
             GRABSPRITE(30, 0, 0, 32, 32);
             glClear(GL_COLOR_BUFFER_BIT);
             SPRITE(30, 0, 0);
             return PixelAt(10, 10);
         }},
        {"USEASBMP",
         [] {
             USEASBMP();
             glClear(GL_COLOR_BUFFER_BIT);
             pPrism->PasteSurface(0);
             const Rgb colour = PixelAt(10, 10);
             BLACKSCREEN();
             return colour;
         }},
        {"SAVEBMP",
         [] {
             const std::string path = PrivateTempFolder() + "batched.bmp";
             SAVEBMP(DynStr(path.c_str()));
             std::uint8_t r = 0, g = 0, b = 0;
             if (const std::optional<BitmapFile> shot = ReadBitmapFile(path)) shot->PixelAt(10, 10, r, g, b);
             return Rgb{r, g, b};
         }},
    };
    for (const auto& reader : readers) {
        glClear(GL_COLOR_BUFFER_BIT);
        FILLRECT(0, 0, 32, 32, 0x0000FF);
        EXPECT_EQ(reader.colour_at_10_10_as_read(), kRed) << reader.what;
    }
}

TEST_F(Batching, TheBatchIsDrawnBefore3DAndInTheFrameItBelongsTo) {
    FILLRECT(0, 0, 10, 10, 0x0000FF);
    X_MAKE3D(1, 100, 45);  // drawn in the 2D projection it was gathered in
    X_MAKE2D();
    EXPECT_EQ(PixelAt(5, 5), kRed);

    FILLRECT(20, 20, 30, 30, 0x0000FF);
    SHOWSCREEN();
    EXPECT_EQ(PixelAt(25, 25), kBlack);  // presented, not carried into the next frame
}

TEST_F(Batching, SelectingTheSelectedTextureCostsNoCall) {
    pPrism->SetTexture3D(kDisc, -1, 0);
    glDisable(GL_TEXTURE_2D);  // behind the display's back
    pPrism->SetTexture3D(kDisc, -1, 0);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    pPrism->FinishBatch();  // as code that uses OpenGL itself does first
    pPrism->SetTexture3D(kDisc, -1, 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

}  // namespace
