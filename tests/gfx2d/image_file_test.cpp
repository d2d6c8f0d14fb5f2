// PNG, JPEG and TGA images through every load command: read by their
// content, drawn with their alpha or the colour key, and refused when broken.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "files/container_bytes.h"
#include "files/whole_file.h"
#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/drawing_test.h"
#include "support/error_log_lines.h"
#include "support/image_writer.h"

namespace {

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    return ReadWholeFile(path, 1 << 20).value_or(std::vector<std::uint8_t>{});
}

constexpr TestRgba kKeyPixel{255, 0, 128, 255};
constexpr TestRgba kClearYellow{255, 255, 0, 0};

// Top row red, green, blue and the key colour; bottom row white, and a
// yellow of alpha 0 at the end.
const TestImage kPattern{
    4, 2, [](int x, int y) {
        if (y == 1) return x == 3 ? kClearYellow : TestRgba{255, 255, 255, 255};
        const TestRgba top[] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, kKeyPixel};
        return top[x];
    }};

std::string WrittenImage(const std::string& name, const TestImage& image, TestFormat format) {
    const std::string path = PrivateTempFolder() + name;
    EXPECT_TRUE(WriteImage(path, image, format)) << name << ": " << IMG_GetError();
    return path;
}

using Images = DrawingTest;

TEST_F(Images, EveryFormatDrawsWithItsAlphaOrTheColourKey) {
    for (const auto& c : std::initializer_list<std::pair<TestFormat, const char*>>{
             {TestFormat::kPng, "pattern.png"},
             {TestFormat::kPngWithAlpha, "pattern_alpha.png"},
             {TestFormat::kTga32, "pattern32.tga"},
             {TestFormat::kTga24BottomUp, "pattern_bottom_up.tga"},
             {TestFormat::kPng, "png_named_as.bmp"}}) {  // the content decides, not the name
        const auto& [format, name] = c;
        SCOPED_TRACE(name);
        glClear(GL_COLOR_BUFFER_BIT);
        LOADSPRITE(DynStr(WrittenImage(name, kPattern, format).c_str()), 7);
        EXPECT_EQ(SpriteSize(7), std::pair(4, 2));
        SPRITE(7, 10, 10);
        ExpectPixels({{10, 10, kRed}, {11, 10, {0, 255, 0}}, {12, 10, {0, 0, 255}}, {12, 11, kWhite}});
        if (HasAlpha(format))  // with alpha of its own there is no key
            ExpectPixels({{13, 10, {255, 0, 128}}, {13, 11, kBlack}});
        else
            ExpectPixels({{13, 10, kBlack}, {13, 11, {255, 255, 0}}});
        EXPECT_NE(pPrism->SpriteTextures(7)[1], 0u);  // the mipmapped texture too
    }
}

TEST_F(Images, ContainerEntriesBackgroundsAndFontsAreReadByContent) {
    // The entry is extracted to a temporary file whose name tells nothing of its format.
    const std::vector<std::uint8_t> png = ReadBytes(WrittenImage("boxed.png", kPattern, TestFormat::kPng));
    const std::string box = PrivateTempFolder() + "images.sbx";
    WriteBytes(box,
               BuildContainer({}, {{"inbox.png", PackedText(std::string(png.begin(), png.end()))}}, true));
    SETSHOEBOX(DynStr(box.c_str()), "");
    LOADSPRITE(LitStr("inbox.png"), 11);
    SETSHOEBOX("", "");
    SPRITE(11, 0, 0);
    ExpectPixels({{0, 0, kRed}, {3, 1, {255, 255, 0}}});
    // A background whose key-coloured corner is drawn black.
    const TestImage picture{100, 70, [](int x, int y) {
                                return x >= 90 && y >= 60 ? kKeyPixel : TestRgba{0, 255, 0, 255};
                            }};
    LOADBMP(DynStr(WrittenImage("background.png", picture, TestFormat::kPng).c_str()));
    EXPECT_EQ(SurfaceGrid(0), std::pair(2, 2));
    ExpectPixels({{80, 65, {0, 255, 0}}, {95, 65, kBlack}});
    BLACKSCREEN();
    // A font sheet whose cell of "A" (column 1, row 4) is white and every other clear red.
    const TestImage sheet{128, 128, [](int x, int y) {
                              const bool a_cell = x / 8 == 1 && y / 16 == 4;
                              return a_cell ? TestRgba{255, 255, 255, 255} : TestRgba{255, 0, 0, 0};
                          }};
    LOADFONT(DynStr(WrittenImage("font.png", sheet, TestFormat::kPngWithAlpha).c_str()), 5);
    glClear(GL_COLOR_BUFFER_BIT);
    PRINT(LitStr("AB"), 0, 0);
    SETFONT(0);
    ExpectPixels({{4, 8, kWhite}, {12, 8, kBlack}});
}

// Good files cut short or damaged, each loaded over a sprite that had an image.
TEST_F(Images, BrokenFilesLeaveTheSpriteWithoutTextureAndSayWhy) {
    const std::string good_png = WrittenImage("good.png", kPattern, TestFormat::kPngWithAlpha);
    std::vector<std::uint8_t> cut_png = ReadBytes(good_png);
    cut_png.resize(cut_png.size() * 2 / 3);
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
        const std::vector<std::string> log = ErrorLogLines();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].rfind(path + " cannot be read as an image: " + reason, 0), 0u) << log[0];
    }
}

}  // namespace
