#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"
#include "support/image_writer.h"
#include "support/program_end.h"

namespace {

class Text : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        SETFONT(0);
    }
    void TearDown() override { pPrism->FreeSurface(0); }
};

Rgb CellColour(int code) {
    return {2 * code, 255 - code, 7};
}

TEST_F(Text, CellsFollowTheSheetLayoutAndFontNumbersStayWithinTheFonts) {
    PRINT(DynStr("W"), 0, 0);  // start-up loaded font 0
    EXPECT_GT(LitPixels(0, 0, 8, 16), 0);
    glClear(GL_COLOR_BUFFER_BIT);
    // A 128 x 128 sheet whose cell for code c is filled with CellColour(c).
    const std::string path = PrivateTempFolder() + "colour_font.bmp";
    WriteBitmap(path, {128, 128, 24, false, {}, [](int x, int y) {
                           const Rgb c = CellColour((y / 16) * 16 + x / 8);
                           return TestRgb{std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2])};
                       }});
    LOADFONT(DynStr(path.c_str()), 2);
    EXPECT_EQ(__nCurFont, 2);
    PRINT(DynStr("AB"), 10, 20);
    // Bytes above 127 show the cell of their code modulo 128; a line feed is cell 10.
    PRINT(DynStr("\xC1\n"), 100, 100);
    PRINT(1.0 / 3.0, 0, 0);       // "0.3333333333": 12 cells
    PRINT(DynStr(""), 200, 200);  // not even the cell of code 0
    // "AB" with 8 x 16 cells covers x 10 to 25, y 20 to 35.
    ExpectPixels({{10, 20, CellColour('A')}, {25, 35, CellColour('B')}, {26, 27, kBlack}, {13, 36, kBlack}});
    ExpectPixels({{104, 108, CellColour('A')}, {112, 108, CellColour(10)}, {12, 8, CellColour('.')}});
    ExpectPixels({{95, 8, CellColour('3')}, {96, 8, kBlack}});
    EXPECT_EQ(LitPixels(190, 190, 230, 230), 0);

    for (const auto& [font, current] : {std::pair{20, 15}, {-3, 0}}) {
        SETFONT(font);
        EXPECT_EQ(__nCurFont, current);
    }
    LOADFONT(DynStr((PrivateTempFolder() + "no_such_font.bmp").c_str()), 7);  // changes only the current font
    EXPECT_EQ(__nCurFont, 7);
    double width = -1, height = -1;
    GETFONTSIZE(width, height);
    EXPECT_EQ(width + height, 0);
}

TEST_F(Text, InputEditsTheTextUntilEnter) {
    // Each key goes down and up again before the first frame, as a quick typist's do:
    // Backspace on "", 4 2 Backspace . 5 Enter, then h e l l o Enter.
    for (const std::uint8_t key :
         {0x0E, 0x05, 0x03, 0x0E, 0x34, 0x06, 0x1C, 0x23, 0x12, 0x26, 0x26, 0x18, 0x1C}) {
        runtime_.input->SetKey(key, true);
        runtime_.input->SetKey(key, false);
    }
    double value = 0;
    INPUT(value, 10, 10);
    EXPECT_EQ(value, 4.5);
    EXPECT_EQ(SurfaceGrid(3), std::pair(0, 0));  // the saved picture is freed
    DynStr typed("x");
    INPUT(typed, 0, 0);
    EXPECT_STREQ(typed.c_str(), "xhello");
}

TEST_F(Text, ABitmapBackgroundIsCutInto64PixelTilesAndTheFrameCanBecomeOne) {
    const std::string path = PrivateTempFolder() + "background.bmp";
    WriteBitmap(path, {200, 100, 24, false, {}, [](int x, int) {
                           return x < 100 ? TestRgb{0, 0, 255} : TestRgb{0, 255, 0};
                       }});
    LOADBMP(DynStr(path.c_str()));
    EXPECT_EQ(SurfaceGrid(0), std::pair(4, 2));
    EXPECT_EQ(PixelAt(10, 10), (Rgb{0, 0, 255}));  // shown at once
    SHOWSCREEN();  // and behind every following frame; the rest of the last tile column stays black
    ExpectPixels({{150, 90, {0, 255, 0}}, {210, 50, kBlack}});
    BLACKSCREEN();
    SHOWSCREEN();
    EXPECT_EQ(PixelAt(10, 10), kBlack);
    LOADBMP(DynStr((PrivateTempFolder() + "missing.bmp").c_str()));  // not found: nothing changes
    EXPECT_EQ(SurfaceGrid(0).first, 0);

    FillPixels(630, 470, 640, 480, kRed);
    USEASBMP();
    ASSERT_EQ(SurfaceGrid(0), std::pair(3, 4));  // 480 = 256 + 128 + 64 + 32
    for (int row = 0, expected = 256; row < 4; ++row, expected /= 2) {
        int width, height;
        pPrism->GetSurfaceTileSize(0, 2, row, width, height);
        EXPECT_EQ(std::pair(width, height), std::pair(256, expected));
    }
    SHOWSCREEN();
    ExpectPixels({{639, 479, kRed}, {629, 479, kBlack}});
}

TEST_F(Text, ScreenshotsHaveSidesOfMultiplesOf4) {
    const std::string path = PrivateTempFolder() + "shot.bmp";
    pPrism->ChangeSize(642, 481);
    SAVEBMP(DynStr(path.c_str()));
    pPrism->ChangeSize(640, 480);
    int width, height;
    GetBMPSize(path, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(644, 484));
    EXPECT_EQ(pPrism->SaveBMPFile((PrivateTempFolder() + "no/such/folder.bmp").c_str()), 0);
}

TEST_F(Text, AScreenFadeTakes52FramesToABitmapThatStaysAsTheBackgroundAndNotToAMissingOne) {
    const std::string path = PrivateTempFolder() + "green.bmp";
    WriteBitmap(path, SolidBitmap(100, 70, {0, 200, 0}));
    FILLRECT(0, 0, 640, 480, 0xFF0000);  // the picture so far
    ALPHAMODE(0.5);
    const long swaps = __hWnd->SwapCount();
    BLENDSCREEN(path.c_str());
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 52);
    // The tile beyond the bitmap's edge stays black.
    ExpectPixels({{0, 0, {0, 200, 0}}, {99, 69, {0, 200, 0}}, {100, 10, kBlack}, {300, 300, kBlack}});
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FLOAT_EQ(pPrism->ColorIntensity(), 1.0f);
    SHOWSCREEN();  // every following frame starts on the bitmap
    ExpectPixels({{50, 35, {0, 200, 0}}, {300, 300, kBlack}});
    FILLRECT(0, 0, 640, 480, 0xFF0000);
    BLENDSCREEN((PrivateTempFolder() + "no such picture.bmp").c_str());  // a missing file changes nothing
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 53);
    EXPECT_EQ(PixelAt(320, 240), (Rgb{0, 0, 255}));
}

using TextDeathTest = Text;

TEST_F(TextDeathTest, FilesThatAreNotImagesOrAreCutShortEndTheProgramWithError3) {
    const std::string not_a_bitmap = PrivateTempFolder() + "not_a_bitmap.bmp";
    std::ofstream(not_a_bitmap) << "plain text, not a bitmap";
    const std::string cut_png = PrivateTempFolder() + "cut.png";
    ASSERT_TRUE(WriteImage(cut_png, TestImage{8, 8}, TestFormat::kPng));
    std::filesystem::resize_file(cut_png, std::filesystem::file_size(cut_png) / 2);
    ExpectProgramEndsWithError(
        3, [&] { LOADFONT(DynStr(not_a_bitmap.c_str()), 3); }, "LOADFONT");
    ExpectProgramEndsWithError(
        3, [&] { LOADBMP(DynStr(cut_png.c_str())); }, "LOADBMP");
    ExpectProgramEndsWithError(
        3, [&] { BLENDSCREEN(not_a_bitmap.c_str()); }, "BLENDSCREEN");
}

}  // namespace
