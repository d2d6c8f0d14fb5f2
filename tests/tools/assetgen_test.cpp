#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bitmap_writer.h"
#include "font_sheet.h"
#include "gfx2d/bitmap_file.h"
#include "nature_textures.h"
#include "road_tiles.h"

namespace assetgen_test {
namespace {

using assetgen::Image;
using assetgen::Rgb;

Image NumberedPixels(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.At(x, y) = {static_cast<std::uint8_t>(x + 1), static_cast<std::uint8_t>(y + 1), 200};
    }
    return image;
}

// What the generator writes, the runtime's own reader reads back pixel for
// pixel, for every row padding; a file is written whole or not at all.
TEST(BitmapWriter, TheRuntimeReadsBackEveryPixelForEveryRowPaddingAndNoPartIsLeft) {
    for (int width : {1, 2, 3, 4}) {
        SCOPED_TRACE(width);
        const Image image = NumberedPixels(width, 3);
        const std::vector<std::uint8_t> bytes = assetgen::EncodeBitmap(image);
        EXPECT_EQ(bytes.size(), 54u + 3 * static_cast<std::size_t>(assetgen::BitmapRowStride(width)));
        const std::optional<BitmapFile> bitmap = ParseBitmap(bytes);
        ASSERT_TRUE(bitmap && bitmap->bits == 24 && bitmap->width == width && bitmap->height == 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                Rgb read{};
                bitmap->PixelAt(x, y, read.r, read.g, read.b);
                EXPECT_EQ(read, image.At(x, y)) << "pixel " << x << ", " << y;
            }
        }
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    ASSERT_TRUE(assetgen::WriteBitmapFile(folder / "numbers.bmp", NumberedPixels(5, 4)));
    EXPECT_TRUE(ReadBitmapFile((folder / "numbers.bmp").string()));
    EXPECT_FALSE(std::filesystem::exists(folder / "numbers.bmp.part"));
    EXPECT_FALSE(assetgen::WriteBitmapFile(folder / "no-such-folder" / "numbers.bmp", NumberedPixels(5, 4)));
    EXPECT_FALSE(std::filesystem::exists(folder / "no-such-folder"));
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Pure black and white, ink in the cells of printable codes only, and each
// cell's right column and bottom row black so that glyphs never touch; glyphs
// sit in their own cells the right way up: "." low, "'" high, capitals on one
// baseline. A file that is no font gives no sheet.
TEST(FontSheet, IsA128SquareOfBlackAndWhiteCellsWithGlyphsTheRightWayUpOnlyForPrintableCodes) {
    const std::optional<Image> sheet = assetgen::RenderFontSheet(ASSETGEN_FONT_FILE);
    ASSERT_TRUE(sheet && sheet->Width() == 128 && sheet->Height() == 128);
    const auto inked_rows = [&](int code) {  // rows of the code's cell (0 = its top row) that hold ink
        std::vector<int> rows;
        for (int y = 0; y < assetgen::kFontCellHeight; ++y) {
            for (int x = 0; x < assetgen::kFontCellWidth; ++x) {
                if (sheet->At(code % 16 * assetgen::kFontCellWidth + x,
                              code / 16 * assetgen::kFontCellHeight + y) != kBlack) {
                    rows.push_back(y);
                    break;
                }
            }
        }
        return rows;
    };
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            const Rgb pixel = sheet->At(x, y);
            ASSERT_TRUE(pixel == kBlack || pixel == kWhite) << "blurred pixel at " << x << ", " << y;
            const bool border = x % assetgen::kFontCellWidth == assetgen::kFontCellWidth - 1 ||
                                y % assetgen::kFontCellHeight == assetgen::kFontCellHeight - 1;
            ASSERT_TRUE(!border || pixel == kBlack) << "ink on a cell border at " << x << ", " << y;
        }
    }
    for (int code = 0; code < 128; ++code)
        EXPECT_EQ(!inked_rows(code).empty(), code > 32 && code < 127) << "code " << code;
    EXPECT_GE(inked_rows('.').front(), 9);
    EXPECT_LE(inked_rows('\'').back(), 6);
    EXPECT_GE(inked_rows('|').size(), 12u);
    EXPECT_EQ(inked_rows('A').back(), inked_rows('H').back());
    EXPECT_GT(inked_rows('g').back(), inked_rows('a').back());  // the descender reaches below
    const std::filesystem::path not_a_font = std::filesystem::temp_directory_path() / "not-a-font.ttf";
    std::ofstream(not_a_font) << "plain text";
    EXPECT_FALSE(assetgen::RenderFontSheet(not_a_font).has_value());
}

enum class Zone { kAsphalt, kKerb, kGrass, kOther };

Zone ZoneOf(Rgb c) {
    if (std::max({c.r, c.g, c.b}) < 110 && std::abs(c.r - c.b) < 16 && std::abs(c.g - c.b) < 16)
        return Zone::kAsphalt;
    if (std::min({c.r, c.g, c.b}) >= 110 && std::abs(c.r - c.b) < 30) return Zone::kKerb;
    if (c.g > c.b + 20 && c.g >= c.r) return Zone::kGrass;
    return Zone::kOther;
}

// A pixel of a tile by its distance inward from one side and its position
// along that side, for the sides as they lie on the ground.
Rgb FromSide(const Image& tile, int bit, int depth, int along) {
    const int last = assetgen::kRoadTileSize - 1;
    if (bit == assetgen::kEdgeTowardLowerY) return tile.At(along, depth);  // the top row
    if (bit == assetgen::kEdgeTowardLowerX) return tile.At(depth, along);
    if (bit == assetgen::kEdgeTowardHigherX) return tile.At(last - depth, along);
    return tile.At(along, last - depth);  // toward higher y: the bottom row
}

TEST(RoadTiles, KerbAndVergeLieExactlyOnTheSidesWhoseBitsAreSet) {
    constexpr int kKerbStart = assetgen::kVergeWidth;
    constexpr int kKerbEnd = kKerbStart + assetgen::kKerbWidth;
    constexpr int kAlong = 60;  // halfway along, clear of the corners and of a stone joint
    for (int mask = 0; mask < 16; ++mask) {
        const Image tile = assetgen::MakeRoadTile(mask);
        for (int bit : {1, 2, 4, 8}) {
            SCOPED_TRACE(testing::Message() << "mask " << mask << ", side " << bit);
            for (int depth = 0; depth < kKerbEnd + 8; ++depth) {
                Zone expected = Zone::kAsphalt;
                if ((mask & bit) != 0 && depth < kKerbStart) expected = Zone::kGrass;
                if ((mask & bit) != 0 && depth >= kKerbStart && depth < kKerbEnd) expected = Zone::kKerb;
                ASSERT_EQ(ZoneOf(FromSide(tile, bit, depth, kAlong)), expected) << "depth " << depth;
            }
        }
    }
}

// The key colour all round but for the trunk on the bottom row; leaves and bark
// never blended toward the key colour.
TEST(Tree, StandsOnTheBottomRowOnBackgroundOfExactlyTheKeyColour) {
    const Image tree = assetgen::MakeTree();
    const int size = assetgen::kTreeSize;
    ASSERT_EQ(tree.Width(), size);
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Rgb pixel = tree.At(x, y);
            const bool edge = y == 0 || x == 0 || x == size - 1;
            ASSERT_TRUE(pixel == assetgen::kKeyColour || (!edge && pixel.b <= pixel.g)) << x << ", " << y;
            opaque += pixel != assetgen::kKeyColour;
        }
    }
    EXPECT_NE(tree.At(size / 2, size - 1), assetgen::kKeyColour);  // the trunk reaches the ground
    EXPECT_GT(opaque, size * size / 4);
    EXPECT_LT(opaque, size * size * 3 / 4);
}

TEST(GeneratedFiles, SitBesideTheProgramsAsBitmapsOfTheirSize) {
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::vector<std::string> names = {"Smalfont.bmp", "grass0.bmp", "shop.bmp", "tree.bmp"};
    for (int mask = 0; mask < 16; ++mask)
        names.push_back("track" + std::to_string(mask) + ".bmp");
    for (const std::string& name : names) {
        const std::optional<BitmapFile> bitmap = ReadBitmapFile((folder / name).string());
        ASSERT_TRUE(bitmap) << name;
        EXPECT_EQ(bitmap->bits, 24) << name;
        EXPECT_EQ(bitmap->width, 128) << name;
        EXPECT_EQ(bitmap->height, 128) << name;
    }
}

}  // namespace
}  // namespace assetgen_test
