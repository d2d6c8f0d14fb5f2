#include <gtest/gtest.h>

#include <filesystem>
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

// A 128 x 128 font sheet whose cell for code c is filled with red 2c, green 255 - c, blue 7.
std::string WriteColourFont() {
    const std::string path = PrivateTempFolder() + "colour_font.bmp";
    WriteBitmap(
        path,
        {128, 128, 24, false, {}, [](int x, int y) {
             const int code = (y / 16) * 16 + x / 8;
             return TestRgb{static_cast<std::uint8_t>(2 * code), static_cast<std::uint8_t>(255 - code), 7};
         }});
    return path;
}

Rgb CellColour(int code) {
    return {2 * code, 255 - code, 7};
}

class Text : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        SETFONT(0);
    }
};

TEST_F(Text, StartUpLoadsTheDefaultFont) {
    double width = 0, height = 0;
    GETFONTSIZE(width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(8.0, 16.0));
    PRINT(DynStr("W"), 0, 0);
    EXPECT_GT(LitPixels(0, 0, 8, 16), 0);  // the glyph has ink
}

TEST_F(Text, CellsFollowTheSheetLayout) {
    LOADFONT(DynStr(WriteColourFont().c_str()), 2);
    EXPECT_EQ(__nCurFont, 2);
    PRINT(DynStr("AB"), 10, 20);
    // Bytes above 127 show the cell of their code modulo 128; a line feed is cell 10.
    PRINT(DynStr("\xC1\n"), 100, 100);
    // "AB" with 8 x 16 cells covers x 10 to 25, y 20 to 35.
    ExpectPixels({{13, 27, CellColour('A')},
                  {21, 27, CellColour('B')},
                  {10, 20, CellColour('A')},
                  {25, 35, CellColour('B')},
                  {26, 27, kBlack},
                  {13, 36, kBlack},
                  {9, 27, kBlack},
                  {104, 108, CellColour('A')},
                  {112, 108, CellColour(10)}});
}

TEST_F(Text, NumbersPrintAsTheirText) {
    LOADFONT(DynStr(WriteColourFont().c_str()), 1);
    PRINT(1.0 / 3.0, 0, 0);  // "0.3333333333": 12 cells
    ExpectPixels(
        {{4, 8, CellColour('0')}, {12, 8, CellColour('.')}, {95, 8, CellColour('3')}, {96, 8, kBlack}});
    PRINT(DynStr(""), 200, 200);  // not even the cell of code 0
    EXPECT_EQ(LitPixels(190, 190, 230, 230), 0);
}

TEST_F(Text, FontNumbersAreHeldWithinTheFonts) {
    SETFONT(20);
    EXPECT_EQ(__nCurFont, 15);
    SETFONT(-3);
    EXPECT_EQ(__nCurFont, 0);
    LOADFONT(DynStr((PrivateTempFolder() + "no_such_font.bmp").c_str()), 7);  // changes only the current font
    EXPECT_EQ(__nCurFont, 7);
    double width = -1, height = -1;
    GETFONTSIZE(width, height);
    EXPECT_EQ(width + height, 0);
}

// Presses keys from a script, one state per presented frame.
class TypingInput : public ScriptedInput {
public:
    explicit TypingInput(std::vector<std::uint8_t> keys) : keys_(std::move(keys)) {}
    void OnFrame() override {
        ReleaseAllKeys();
        if (frame_ < keys_.size() && keys_[frame_] != 0) SetKey(keys_[frame_], true);
        ++frame_;
    }
    std::size_t Frames() const { return frame_; }

private:
    std::vector<std::uint8_t> keys_;
    std::size_t frame_ = 0;
};

TEST_F(Text, InputEditsTheTextUntilEnter) {
    // 4, 2, Backspace, ".", 5, then 30 frames without a key, then Enter.
    std::vector<std::uint8_t> script = {0x05, 0, 0x03, 0, 0x0E, 0, 0x34, 0x06};
    script.insert(script.end(), 30, 0);
    script.push_back(0x1C);
    auto input = std::make_unique<TypingInput>(script);
    TypingInput* typing = input.get();
    UseInputSource(std::move(input));
    double value = 0;
    INPUT(value, 10, 10);
    EXPECT_EQ(value, 4.5);
    EXPECT_EQ(typing->Frames(), script.size());
    EXPECT_EQ(SurfaceGrid(3), std::pair(0, 0));  // the saved picture is freed

    // Three Backspaces on "ab": the third finds the text empty and changes nothing.
    auto edit =
        std::make_unique<TypingInput>(std::vector<std::uint8_t>{0x0E, 0, 0x0E, 0, 0x0E, 0, 0x1E, 0x1C});
    UseInputSource(std::move(edit));
    DynStr text("ab");
    INPUT(text, 0, 0);
    EXPECT_STREQ(text.c_str(), "a");

    // A quick typist: every key down and up again within one frame.
    runtime_ = StartTestRuntime();
    for (std::uint8_t key : {0x23, 0x12, 0x26, 0x26, 0x18, 0x1C}) {  // h e l l o Enter
        runtime_.input->SetKey(key, true);
        runtime_.input->SetKey(key, false);
    }
    DynStr typed;
    INPUT(typed, 0, 0);
    EXPECT_STREQ(typed.c_str(), "hello");
}

class Backgrounds : public Text {};

TEST_F(Backgrounds, ABitmapBackgroundIsCutInto64PixelTiles) {
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
}

TEST_F(Backgrounds, TheFramesPictureCanBecomeTheBackground) {
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
    BLACKSCREEN();
}

TEST_F(Backgrounds, ScreenshotsRoundTrip) {
    FillPixels(0, 0, 3, 2, Rgb{0, 255, 0});
    FillPixels(637, 478, 640, 480, Rgb{0, 0, 255});
    const std::string path = PrivateTempFolder() + "shot.bmp";
    SAVEBMP(DynStr(path.c_str()));
    const std::optional<BitmapFile> shot = ReadBitmapFile(path);
    ASSERT_TRUE(shot);
    EXPECT_EQ((std::array{shot->width, shot->height, shot->bits}), (std::array{640, 480, 24}));
    for (const PixelIs& pixel :
         std::initializer_list<PixelIs>{{2, 1, {0, 255, 0}}, {639, 479, {0, 0, 255}}, {300, 300, kBlack}}) {
        std::uint8_t r, g, b;
        shot->PixelAt(pixel.x, pixel.y, r, g, b);
        EXPECT_EQ((Rgb{r, g, b}), pixel.colour) << pixel.x << ", " << pixel.y;
    }

    pPrism->ChangeSize(642, 481);  // sizes are rounded up to multiples of 4
    SAVEBMP(DynStr(path.c_str()));
    pPrism->ChangeSize(640, 480);
    int width, height;
    GetBMPSize(path, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(644, 484));
    EXPECT_EQ(pPrism->SaveBMPFile((PrivateTempFolder() + "no/such/folder.bmp").c_str()), 0);
}

using TextDeathTest = Text;

TEST_F(TextDeathTest, FilesThatAreNotImagesOrAreCutShortEndTheProgramWithError3) {
    const std::string not_a_bitmap = PrivateTempFolder() + "not_a_bitmap.bmp";
    WriteBytes(not_a_bitmap, {'n', 'o', 't', ' ', 'a', ' ', 'b', 'i', 't', 'm', 'a', 'p'});
    const std::string cut_png = PrivateTempFolder() + "cut.png";
    ASSERT_TRUE(WriteImage(cut_png, TestImage{8, 8}, TestFormat::kPng));
    std::filesystem::resize_file(cut_png, std::filesystem::file_size(cut_png) / 2);
    for (const std::string& path : {not_a_bitmap, cut_png}) {
        ExpectProgramEndsWithError(
            3, [&] { LOADFONT(DynStr(path.c_str()), 3); }, "LOADFONT " + path);
        ExpectProgramEndsWithError(
            3, [&] { LOADBMP(DynStr(path.c_str())); }, "LOADBMP " + path);
    }
}

}  // namespace
