// Images, fonts and backgrounds through every load command, and the text drawn with fonts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "files/container_bytes.h"
#include "files/whole_file.h"
#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/drawing_test.h"

namespace {

// Top row red, green, blue and the key colour; bottom row white, and a clear yellow at the end.
const TestImage kPattern{4, 2, [](int x, int y) {
                             const TestRgba top[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 128}};
                             if (y == 0) return top[x];
                             return x == 3 ? TestRgba{255, 255, 0, 0} : TestRgba{255, 255, 255};
                         }};

std::string WrittenImage(const std::string& name, const TestImage& image, TestFormat format) {
    const std::string path = PrivateTempFolder() + name;
    EXPECT_TRUE(WriteImage(path, image, format)) << name << ": " << IMG_GetError();
    return path;
}

using Text = DrawingTest;
using Images = DrawingTest;

TEST_F(Images, EveryFormatDrawsWithItsAlphaOrTheColourKeyAndBrokenFilesLeaveTheSpriteWithoutTexture) {
    for (const auto& [format, name, alpha] : std::initializer_list<std::tuple<TestFormat, const char*, bool>>{
             {TestFormat::kPngWithAlpha, "pattern_alpha.png", true},
             {TestFormat::kTga32, "pattern32.tga", true},
             {TestFormat::kTga24BottomUp, "pattern_bottom_up.tga", false},
             {TestFormat::kPng, "png_named_as.bmp", false}}) {  // the content decides, not the name
        SCOPED_TRACE(name);
        glClear(GL_COLOR_BUFFER_BIT);
        LOADSPRITE(DynStr(WrittenImage(name, kPattern, format).c_str()), 7);
        EXPECT_EQ(SizesOf(&OpenGLPrism::GetSpriteSize, 7), std::pair(4, 2));
        SPRITE(7, 10, 10);
        ExpectPixels({{10, 10, kRed}, {11, 10, {0, 255, 0}}, {12, 10, {0, 0, 255}}, {12, 11, kWhite}});
        ExpectPixels(
            {{13, 10, alpha ? Rgb{255, 0, 128} : kBlack}, {13, 11, alpha ? kBlack : Rgb{255, 255, 0}}});
        EXPECT_NE(pPrism->SpriteTextures(7)[1], 0u);  // the mipmapped texture too
    }

    const std::string good_png = WrittenImage("good.png", kPattern, TestFormat::kPngWithAlpha);
    const std::vector<std::uint8_t> png = *ReadWholeFile(good_png, 1 << 20);
    const std::string box = PrivateTempFolder() + "images.sbx";
    WriteBytes(box,
               BuildContainer({}, {{"inbox.png", PackedText(std::string(png.begin(), png.end()))}}, true));
    SETSHOEBOX(DynStr(box.c_str()), "");
    LOADSPRITE(LitStr("inbox.png"), 11);
    SETSHOEBOX("", "");
    SPRITE(11, 0, 0);
    ExpectPixels({{0, 0, kRed}, {3, 0, {255, 0, 128}}});

    const std::vector<std::uint8_t> cut_png(png.begin(), png.begin() + std::ssize(png) * 2 / 3);
    std::vector<std::uint8_t> huge_tga = TgaBytes(kPattern, 24, true);
    huge_tga[12] = huge_tga[13] = huge_tga[14] = huge_tga[15] = 0xFF;  // 65535 x 65535 and no pixels for it
    for (const auto& [name, bytes, reason] :
         std::initializer_list<std::tuple<const char*, std::vector<std::uint8_t>, const char*>>{
             {"cut.png", cut_png, "the PNG data is cut short"},
             {"huge.tga", huge_tga, "the image of 65535 x 65535 pixels is too large"},
             {"text.png", {'n', 'o', ' ', 'i', 'm', 'a', 'g', 'e'}, "not a BMP, PNG, JPEG or TGA image"}}) {
        SCOPED_TRACE(name);
        LOADSPRITE(DynStr(good_png.c_str()), 10);
        const std::string path = PrivateTempFolder() + name;
        WriteBytes(path, bytes);
        DeleteErrorLog();
        LOADSPRITE(DynStr(path.c_str()), 10);
        EXPECT_EQ(pPrism->SpriteTextures(10), (std::array<GLuint, 2>{0, 0}));
        const std::string message = path + " cannot be read as an image: " + reason;
        EXPECT_THAT(ErrorLogLines(), testing::ElementsAre(testing::StartsWith(message)));
    }
}

Rgb CellColour(int code) {
    return {2 * code, 255 - code, 7};
}

TEST_F(Text, CellsFollowTheSheetLayoutFontNumbersStayWithinTheFontsAndInputEditsUntilEnter) {
    PRINT(DynStr("W"), 0, 0);  // start-up loaded font 0
    EXPECT_GT(LitPixels(0, 0, 8, 16), 0);
    glClear(GL_COLOR_BUFFER_BIT);
    // A PNG sheet whose cell for code c has CellColour(c), and the cell of "Z" is clear.
    const TestImage sheet{128, 128, [](int x, int y) {
                              const int code = (y / 16) * 16 + x / 8;
                              const Rgb c = CellColour(code);
                              return TestRgba{std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2]),
                                              std::uint8_t(code == 'Z' ? 0 : 255)};
                          }};
    LOADFONT(DynStr(WrittenImage("font.png", sheet, TestFormat::kPngWithAlpha).c_str()), 2);
    EXPECT_EQ(__nCurFont, 2);
    PRINT(DynStr("ABZ"), 10, 20);
    // Bytes above 127 show the cell of their code modulo 128; a line feed is cell 10.
    PRINT(DynStr("\xC1\n"), 100, 100);
    PRINT(1.0 / 3.0, 0, 0);       // "0.3333333333": 12 cells
    PRINT(DynStr(""), 200, 200);  // not even the cell of code 0
    ExpectPixels({{10, 20, CellColour('A')}, {25, 35, CellColour('B')}, {30, 27, kBlack}, {13, 36, kBlack}});
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

    // Typed before the first frame: Backspace on "", 4 2 Backspace . 5 Enter, then h e l l o Enter.
    for (const int key : {0x0E, 0x05, 0x03, 0x0E, 0x34, 0x06, 0x1C, 0x23, 0x12, 0x26, 0x26, 0x18, 0x1C}) {
        runtime_.input->SetKey(key, true);
        runtime_.input->SetKey(key, false);
    }
    double value = 0;
    INPUT(value, 10, 10);
    EXPECT_EQ(value, 4.5);
    EXPECT_EQ(SizesOf(&OpenGLPrism::GetSurfaceGrid, 3), std::pair(0, 0));  // the saved picture is freed
    DynStr typed("x");
    INPUT(typed, 0, 0);
    EXPECT_STREQ(typed.c_str(), "xhello");
}

TEST_F(Text, BackgroundsAreCutInto64PixelTilesTheFrameCanBecomeOneAndFadesTake52Frames) {
    const std::string path = PrivateTempFolder() + "background.bmp";
    WriteBitmap(path, {200, 100, 24, false, {}, [](int x, int y) {
                           if (x >= 190 && y >= 90) return TestRgb{255, 0, 128};
                           return x < 100 ? TestRgb{0, 0, 255} : TestRgb{0, 255, 0};
                       }});
    LOADBMP(DynStr(path.c_str()));
    EXPECT_EQ(SizesOf(&OpenGLPrism::GetSurfaceGrid, 0), std::pair(4, 2));
    EXPECT_EQ(PixelAt(10, 10), (Rgb{0, 0, 255}));  // shown at once
    SHOWSCREEN();  // and behind every following frame; the rest of the last tile column stays black
    ExpectPixels({{150, 90, {0, 255, 0}}, {210, 50, kBlack}, {195, 95, kBlack}});
    BLACKSCREEN();
    SHOWSCREEN();
    EXPECT_EQ(PixelAt(10, 10), kBlack);
    LOADBMP(DynStr((PrivateTempFolder() + "missing.bmp").c_str()));  // not found: nothing changes
    EXPECT_EQ(SizesOf(&OpenGLPrism::GetSurfaceGrid, 0).first, 0);

    FILLRECT(630, 470, 640, 480, 0x0000FF);  // batched, drawn before the frame is taken
    USEASBMP();
    ASSERT_EQ(SizesOf(&OpenGLPrism::GetSurfaceGrid, 0), std::pair(3, 4));  // 480 = 256 + 128 + 64 + 32
    for (int row = 0, expected = 256; row < 4; ++row, expected /= 2) {
        int width, height;
        pPrism->GetSurfaceTileSize(0, 2, row, width, height);
        EXPECT_EQ(std::pair(width, height), std::pair(256, expected));
    }
    SHOWSCREEN();
    ExpectPixels({{639, 479, kRed}, {629, 479, kBlack}});

    const std::string green = PrivateTempFolder() + "green.bmp";
    WriteBitmap(green, SolidBitmap(100, 70, {0, 200, 0}));
    FILLRECT(0, 0, 640, 480, 0xFF0000);  // the picture so far
    ALPHAMODE(0.5);
    const long swaps = __hWnd->SwapCount();
    BLENDSCREEN(green.c_str());
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 52);
    ExpectPixels({{0, 0, {0, 200, 0}}, {99, 69, {0, 200, 0}}, {100, 10, kBlack}, {300, 300, kBlack}});
    EXPECT_TRUE(!glIsEnabled(GL_BLEND) && glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FLOAT_EQ(pPrism->ColorIntensity(), 1.0f);
    SHOWSCREEN();  // every following frame starts on the bitmap
    ExpectPixels({{50, 35, {0, 200, 0}}, {300, 300, kBlack}});
    FILLRECT(0, 0, 640, 480, 0xFF0000);
    BLENDSCREEN((PrivateTempFolder() + "no such picture.bmp").c_str());  // a missing file changes nothing
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 53);
    EXPECT_EQ(PixelAt(320, 240), (Rgb{0, 0, 255}));
}

using TextDeathTest = Text;

TEST_F(TextDeathTest, FilesThatAreNotImagesEndTheProgramWithError3) {
    const std::string not_a_bitmap = PrivateTempFolder() + "not_a_bitmap.bmp";
    std::ofstream(not_a_bitmap) << "plain text, not a bitmap";
    ExpectProgramEndsWithError(3, [&] { LOADFONT(DynStr(not_a_bitmap.c_str()), 3); });
    ExpectProgramEndsWithError(3, [&] { LOADBMP(DynStr(not_a_bitmap.c_str())); });
    ExpectProgramEndsWithError(3, [&] { BLENDSCREEN(not_a_bitmap.c_str()); });
}

}  // namespace
