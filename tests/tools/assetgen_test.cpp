// The generator's bitmaps, font sheet, road tiles and tree, and the game's models
// and textures as the build leaves them beside the programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "bitmap_writer.h"
#include "font_sheet.h"
#include "gfx2d/bitmap_file.h"
#include "gfx3d/mesh_object.h"
#include "gfx3d/vector3.h"
#include "lettering.h"
#include "nature_textures.h"
#include "road_tiles.h"

namespace assetgen_test {
namespace {

const std::filesystem::path kProgramFolder = std::filesystem::read_symlink("/proc/self/exe").parent_path();

using assetgen::Image;
using assetgen::Rgb;

TEST(BitmapWriter, TheRuntimeReadsBackEveryPixelForEveryRowPaddingAndNoPartIsLeft) {
    for (int width : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(width);
        Image image(width, 3);
        for (int i = 0; i < width * 3; ++i)
            image.At(i % width, i / width) = {static_cast<std::uint8_t>(i % width + 1),
                                              static_cast<std::uint8_t>(i / width + 1), 200};
        const std::vector<std::uint8_t> bytes = assetgen::EncodeBitmap(image);
        EXPECT_EQ(bytes.size(), 54u + 3 * static_cast<std::size_t>(assetgen::BitmapRowStride(width)));
        const std::optional<BitmapFile> bitmap = ParseBitmap(bytes);
        ASSERT_TRUE(bitmap && bitmap->bits == 24 && bitmap->width == width && bitmap->height == 3);
        for (int i = 0; i < width * 3; ++i) {
            Rgb read{};
            bitmap->PixelAt(i % width, i / width, read.r, read.g, read.b);
            EXPECT_EQ(read, image.At(i % width, i / width)) << "pixel " << i % width << ", " << i / width;
        }
        if (width < 5) continue;
        const std::filesystem::path folder = std::filesystem::temp_directory_path();
        ASSERT_TRUE(assetgen::WriteBitmapFile(folder / "numbers.bmp", image));
        EXPECT_TRUE(ReadBitmapFile((folder / "numbers.bmp").string()) &&
                    !std::filesystem::exists(folder / "numbers.bmp.part"));  // written whole or not at all
        EXPECT_FALSE(assetgen::WriteBitmapFile(folder / "no-such-folder" / "numbers.bmp", image) ||
                     std::filesystem::exists(folder / "no-such-folder"));
    }
}

constexpr Rgb kBlack{0, 0, 0};

// Cells with a black right column and bottom row, so that glyphs never touch.
TEST(FontSheet, IsA128SquareOfBlackAndWhiteCellsWithGlyphsUprightOnlyForPrintableCodesAndLetteringFits) {
    const std::optional<Image> sheet = assetgen::RenderFontSheet(ASSETGEN_FONT_FILE);
    ASSERT_TRUE(sheet && sheet->Width() == 128 && sheet->Height() == 128);
    constexpr int kW = assetgen::kFontCellWidth, kH = assetgen::kFontCellHeight;
    std::vector<std::vector<int>> inked_rows(128);  // per code, the rows of its cell (0 = top) with ink
    for (int i = 0; i < 128 * 128; ++i) {
        const int x = i % 128, y = i / 128;
        const Rgb pixel = sheet->At(x, y);
        ASSERT_TRUE(pixel == kBlack || pixel == (Rgb{255, 255, 255}))
            << "blurred pixel at " << x << ", " << y;
        ASSERT_TRUE(pixel == kBlack || (x % kW != kW - 1 && y % kH != kH - 1)) << "ink on a border at " << x;
        std::vector<int>& rows = inked_rows[y / kH * 16 + x / kW];
        if (pixel != kBlack && (rows.empty() || rows.back() != y % kH)) rows.push_back(y % kH);
    }
    for (int code = 0; code < 128; ++code)
        EXPECT_EQ(!inked_rows[code].empty(), code > 32 && code < 127) << "code " << code;
    EXPECT_GE(inked_rows['.'].front(), 9);
    EXPECT_LE(inked_rows['\''].back(), 6);
    EXPECT_GE(inked_rows['|'].size(), 12u);
    EXPECT_EQ(inked_rows['A'].back(), inked_rows['H'].back());
    EXPECT_GT(inked_rows['g'].back(), inked_rows['a'].back());  // the descender reaches below
    const std::filesystem::path not_a_font = std::filesystem::temp_directory_path() / "not-a-font.ttf";
    std::ofstream(not_a_font) << "plain text";
    EXPECT_FALSE(assetgen::RenderFontSheet(not_a_font).has_value());
    EXPECT_FALSE(assetgen::SetLetteringToFit(not_a_font, "SHOP", 100, 20).has_value());
    for (auto [width, height] : {std::pair{200, 40}, std::pair{60, 40}, std::pair{300, 12}}) {
        const std::optional<assetgen::Lettering> words =
            assetgen::SetLetteringToFit(ASSETGEN_LETTERING_FONT_FILE, "GRAVELRIDER", width, height);
        ASSERT_TRUE(words.has_value());
        EXPECT_TRUE(words->Width() <= width && words->Height() <= height) << width << " x " << height;
        EXPECT_TRUE(words->Width() > width * 0.8 || words->Height() > height * 0.8);  // as large as fits
    }
}

enum class Zone { kAsphalt, kKerb, kGrass, kOther };

Zone ZoneOf(Rgb c) {
    if (std::max({c.r, c.g, c.b}) < 110 && std::abs(c.r - c.b) < 16 && std::abs(c.g - c.b) < 16)
        return Zone::kAsphalt;
    if (std::min({c.r, c.g, c.b}) >= 110 && std::abs(c.r - c.b) < 30) return Zone::kKerb;
    if (c.g > c.b + 20 && c.g >= c.r) return Zone::kGrass;
    return Zone::kOther;
}

TEST(RoadTiles, KerbAndVergeLieExactlyOnTheSidesWhoseBitsAreSet) {
    constexpr int kKerbStart = assetgen::kVergeWidth, kKerbEnd = kKerbStart + assetgen::kKerbWidth;
    constexpr int kAlong = 60, kLast = assetgen::kRoadTileSize - 1;  // halfway along, clear of joints
    for (int mask = 0; mask < 16; ++mask) {
        const Image tile = assetgen::MakeRoadTile(mask);
        // Each side's bit, its middle pixel and the step inward: top row, left, right, bottom row.
        for (const auto& [bit, x, y, dx, dy] : {std::array{assetgen::kEdgeTowardLowerY, kAlong, 0, 0, 1},
                                                {assetgen::kEdgeTowardLowerX, 0, kAlong, 1, 0},
                                                {assetgen::kEdgeTowardHigherX, kLast, kAlong, -1, 0},
                                                {assetgen::kEdgeTowardHigherY, kAlong, kLast, 0, -1}}) {
            SCOPED_TRACE(testing::Message() << "mask " << mask << ", side " << bit);
            for (int depth = 0; depth < kKerbEnd + 8; ++depth) {
                const Zone expected = (mask & bit) == 0 || depth >= kKerbEnd ? Zone::kAsphalt
                                      : depth < kKerbStart                   ? Zone::kGrass
                                                                             : Zone::kKerb;
                ASSERT_EQ(ZoneOf(tile.At(x + dx * depth, y + dy * depth)), expected) << "depth " << depth;
            }
        }
    }
}

// Leaves and bark never blended toward the key colour, which lies all round but under the trunk.
TEST(Tree, StandsOnTheBottomRowOnBackgroundOfExactlyTheKeyColour) {
    const Image tree = assetgen::MakeTree();
    const int size = assetgen::kTreeSize;
    ASSERT_EQ(tree.Width(), size);
    int opaque = 0;
    for (int i = 0; i < size * size; ++i) {
        const int x = i % size, y = i / size;
        const Rgb pixel = tree.At(x, y);
        const bool edge = y == 0 || x == 0 || x == size - 1;
        ASSERT_TRUE(pixel == assetgen::kKeyColour || (!edge && pixel.b <= pixel.g)) << x << ", " << y;
        opaque += pixel != assetgen::kKeyColour;
    }
    EXPECT_NE(tree.At(size / 2, size - 1), assetgen::kKeyColour);  // the trunk reaches the ground
    EXPECT_GT(opaque, size * size / 4);
    EXPECT_LT(opaque, size * size * 3 / 4);
}

// The models' textures are powers of two without the key colour, which would be a hole in the model.
TEST(GeneratedFiles, SitBesideTheProgramsAsBitmapsOfTheirSizeAndTexturesWithoutTheKeyColour) {
    std::vector<std::string> names = {"truck1.bmp", "trailer2.bmp", "shop1.bmp", "Smalfont.bmp",
                                      "grass0.bmp", "shop.bmp",     "tree.bmp"};
    for (int mask = 0; mask < 16; ++mask)
        names.push_back("track" + std::to_string(mask) + ".bmp");
    for (std::size_t k = 0; k < names.size(); ++k) {
        SCOPED_TRACE(names[k]);
        const std::optional<BitmapFile> bitmap = ReadBitmapFile((kProgramFolder / names[k]).string());
        ASSERT_TRUE(bitmap && bitmap->bits == 24);
        const int width = bitmap->width, height = bitmap->height;
        if (k >= 3) {
            EXPECT_TRUE(width == 128 && height == 128) << width << " x " << height;
            continue;
        }
        EXPECT_TRUE(std::has_single_bit(static_cast<unsigned>(width)) &&
                    std::has_single_bit(static_cast<unsigned>(height)) && width >= 64)
            << width << " x " << height;
        for (int i = 0; i < width * height; ++i) {
            std::uint8_t r, g, b;
            bitmap->PixelAt(i % width, i / width, r, g, b);
            ASSERT_FALSE(r == 255 && g == 0 && b == 128) << "at " << i % width << ", " << i / width;
        }
    }
}

// How many times the surface, facing the way it is drawn (corners 0, 2, 1), wraps round the point:
// about 1 inside a closed part seen from outside, 0 outside it, -1 inside a part turned inside out.
double WindingNumber(const std::vector<std::array<Vec3, 3>>& triangles, Vec3 point) {
    double angle = 0;
    for (const auto& t : triangles) {
        const Vec3 a = t[0] - point, b = t[2] - point, c = t[1] - point;
        const double la = Length(a), lb = Length(b), lc = Length(c);
        angle += 2 * std::atan2(Dot(a, Cross(b, c)),
                                la * lb * lc + Dot(a, b) * lc + Dot(a, c) * lb + Dot(b, c) * la);
    }
    return angle / (4 * std::numbers::pi);
}

// The trucks cover the footprints the city collision samples (ahead is the model's -x, 2 wide):
// the cab from 0.3 to 2.25 ahead of its reference point, the trailer from 1.25 behind to 6.95 ahead.
TEST(GameModels, EveryPartIsClosedAndDrawnFromOutsideAndTheTrucksCoverTheirFootprints) {
    for (const auto& [name, back, ahead] : {std::tuple{"truck1.ddd", 0.3, 2.25},
                                            {"trailer2.ddd", -1.25, 6.95},
                                            {"sphere.ddd", 0.0, 0.0},
                                            {"arrow.ddd", 0.0, 0.0},
                                            {"shop1.ddd", 0.0, 0.0}}) {
        SCOPED_TRACE(name);
        MeshObject mesh;
        ASSERT_TRUE(mesh.Load((kProgramFolder / name).string()));
        ASSERT_EQ(mesh.frames.Count(), 1);
        EXPECT_LE(mesh.colours.Count(), 256) << "a colour index is one byte";
        mesh.PrepareTriangles();  // the triangles as the renderer draws them
        const Queue<POLY_NODE>& prepared = mesh.frames[0].prepared;
        std::vector<std::array<Vec3, 3>> triangles;
        for (std::int32_t i = 0; i + 2 < prepared.Count(); i += 3)
            triangles.push_back({FromFloats(prepared[i].position), FromFloats(prepared[i + 1].position),
                                 FromFloats(prepared[i + 2].position)});
        ASSERT_FALSE(triangles.empty());
        // Closed: every edge is crossed once each way, by positions as packed.
        std::map<std::tuple<double, double, double, double, double, double>, int> edges;
        double least = 1e9, most = -1e9, side = 0;
        for (const auto& t : triangles) {
            for (int k = 0; k < 3; ++k) {
                const Vec3 a = t[k], b = t[(k + 1) % 3];
                ++edges[{a.x, a.y, a.z, b.x, b.y, b.z}];
                --edges[{b.x, b.y, b.z, a.x, a.y, a.z}];
                least = std::min(least, -a.x);
                most = std::max(most, -a.x);
                side = std::max(side, std::abs(a.z));
            }
        }
        for (const auto& [edge, balance] : edges)
            ASSERT_EQ(balance, 0) << "an open edge from x = " << std::get<0>(edge);
        for (std::int32_t i = 0; i + 2 < prepared.Count(); i += 3) {
            const auto& t = triangles[i / 3];
            // The game culls with clockwise front faces: a face shows where its corners run clockwise.
            const Vec3 drawn = NormalisedIfNonZero(Cross(t[2] - t[0], t[1] - t[0]));
            const Vec3 centre = (t[0] + t[1] + t[2]) * (1.0 / 3);
            ASSERT_GT(WindingNumber(triangles, centre - drawn * 1e-3), 0.5)
                << "a face drawn from inside, at x = " << centre.x << ", z = " << centre.z;
            // The stored normals agree, for a renderer that lights the models.
            ASSERT_GT(Dot(FromFloats(prepared[i].normal), drawn), 0.5);
        }
        if (back == ahead) continue;
        EXPECT_NEAR(least, back, 1e-3);
        EXPECT_NEAR(most, ahead, 1e-3);
        EXPECT_NEAR(side, 1.0, 1e-3);
    }
}

}  // namespace
}  // namespace assetgen_test
