#include "gfx2d/bitmap_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "gfx2d/texture_pixels.h"
#include "support/bitmap_writer.h"

namespace {

TestRgb Gradient(int x, int y) {
    return {static_cast<std::uint8_t>(10 * x + 1), static_cast<std::uint8_t>(20 * y + 2), 200};
}

using Rgb = std::array<int, 3>;

Rgb ReadPixel(const BitmapFile& bitmap, int x, int y) {
    std::uint8_t r, g, b;
    bitmap.PixelAt(x, y, r, g, b);
    return {r, g, b};
}

Rgb Expected(TestRgb c) {
    return {c.red, c.green, c.blue};
}

TEST(BitmapFile, ReadsEveryDepthPaddingAndRowOrder) {
    for (const auto& [bits, top_down] : {std::pair{24, false}, {32, false}, {24, true}}) {
        SCOPED_TRACE(testing::Message() << bits << " bits, top down " << top_down);
        const std::optional<BitmapFile> bitmap =
            ParseBitmap(BitmapBytes({3, 2, bits, top_down, {}, Gradient}));
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->stride, 12);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x)  // a top-down file reads upside down
                EXPECT_EQ(ReadPixel(*bitmap, x, y), Expected(Gradient(x, top_down ? 1 - y : y)));
        }
    }
    // Indices 0 to 3 of a three-colour palette: one beyond it reads black.
    TestBitmap indexed{5, 3, 8, false, {{255, 0, 0}, {0, 255, 0}, {1, 2, 3}}, [](int x, int y) {
                           return TestRgb{static_cast<std::uint8_t>((x + y) % 4), 0, 0};
                       }};
    const std::optional<BitmapFile> bitmap = ParseBitmap(BitmapBytes(indexed));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->stride, 8);
    const std::array<Rgb, 4> pixels{ReadPixel(*bitmap, 0, 0), ReadPixel(*bitmap, 1, 0),
                                    ReadPixel(*bitmap, 3, 2), ReadPixel(*bitmap, 2, 1)};
    EXPECT_EQ(pixels, (std::array<Rgb, 4>{{{255, 0, 0}, {0, 255, 0}, {0, 255, 0}, {0, 0, 0}}}));
}

// Sets a 32-bit field of the file's bytes.
void Patch(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size = 4) {
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(BitmapFile, RefusesShortAndLyingFiles) {
    const std::vector<std::uint8_t> good = BitmapBytes({4, 4, 24, false, {}, Gradient});
    ASSERT_TRUE(ParseBitmap(good));

    std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    EXPECT_FALSE(ParseBitmap(truncated));
    EXPECT_FALSE(ParseBitmap(std::span(good).first(40)));
    std::vector<std::uint8_t> not_bm = good;
    not_bm[0] = 'X';
    EXPECT_FALSE(ParseBitmap(not_bm));
    for (std::uint32_t bits : {1u, 4u, 16u, 0u, 48u}) {
        std::vector<std::uint8_t> depth = good;
        Patch(depth, 28, bits, 2);
        EXPECT_FALSE(ParseBitmap(depth)) << bits << " bits";
    }
    for (std::uint32_t offset : {0u, 53u, static_cast<std::uint32_t>(good.size()), 0xFFFFFFF0u}) {
        std::vector<std::uint8_t> lying = good;
        Patch(lying, 10, offset);
        EXPECT_FALSE(ParseBitmap(lying)) << "data offset " << offset;
    }
    for (std::uint32_t width : {0u, 5u, 0x7FFFFFFFu, 0x80000000u}) {
        std::vector<std::uint8_t> wide = good;
        Patch(wide, 18, width);
        EXPECT_FALSE(ParseBitmap(wide)) << "width " << width;
    }
    // Headers asking for more than 256 MiB of pixels are refused before anything is sized by them.
    std::vector<std::uint8_t> huge = good;
    Patch(huge, 18, 20000);
    Patch(huge, 22, 20000);
    EXPECT_FALSE(ParseBitmap(huge));
}

TEST(BitmapFile, SizeComesFromTheHeadersAlone) {
    const std::string path = std::string(std::getenv("TMPDIR")) + "/size.bmp";
    std::vector<std::uint8_t> bytes = BitmapBytes({100, 50, 24, true, {}, Gradient});
    bytes.resize(54);  // headers only
    WriteBytes(path, bytes);
    int width = -1, height = -1;
    GetBMPSize(path, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(100, 50));
    bytes.resize(53);
    WriteBytes(path, bytes);
    GetBMPSize(path, width, height);
    EXPECT_EQ(width + height, 0);
    GetBMPSize(path + ".missing", width, height);
    EXPECT_EQ(width + height, 0);
}

TEST(TexturePixels, PowerOfTwoSides) {
    for (const auto& [side, power] : {std::pair{-3, 1}, {1, 1}, {2, 2}, {50, 64}, {100, 128}, {4096, 4096}})
        EXPECT_EQ(PowerOfTwoAtLeast(side), power) << side;
}

TEST(TexturePixels, CutOutIsBottomUpWithTheKeyTransparent) {
    const TestBitmap source{3, 2, 24, false, {}, [](int x, int y) {
                                if (x == 0 && y == 0) return TestRgb{255, 0, 128};  // the key colour
                                if (x == 1 && y == 0) return TestRgb{255, 0, 127};  // one step from it
                                return TestRgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7};
                            }};
    const BitmapFile bitmap = *ParseBitmap(BitmapBytes(source));
    const RgbaImage image = CutOutTexture(bitmap, 0, 0, 3, 2, 4, 2, 0x8000FF, true);
    ASSERT_EQ(image.pixels.size(), 4u * 2 * 4);
    auto pixel = [&](int column, int buffer_row) {
        const std::uint8_t* p = &image.pixels[(buffer_row * 4 + column) * 4];
        return std::array<int, 4>{p[0], p[1], p[2], p[3]};
    };
    // Buffer row 1 is the image's top row; the bottom row holds image row 1; the
    // padding to the power of two stays transparent.
    EXPECT_EQ(pixel(0, 1)[3], 0);
    EXPECT_EQ(pixel(1, 1), (std::array{255, 0, 127, 255}));
    EXPECT_EQ(pixel(2, 0), (std::array{2, 1, 7, 255}));
    EXPECT_EQ(pixel(3, 0)[3], 0);

    const RgbaImage unkeyed = CutOutTexture(bitmap, 0, 0, 3, 2, 4, 2, 0x8000FF, false);
    EXPECT_EQ(unkeyed.pixels[(1 * 4 + 0) * 4 + 3], 255);
    // A cut-out reaching beyond the bitmap leaves those pixels transparent.
    const RgbaImage shifted = CutOutTexture(bitmap, 2, 1, 2, 2, 2, 2, 0x8000FF, true);
    EXPECT_EQ(shifted.pixels[(1 * 2 + 0) * 4 + 0], 2);  // top-left: bitmap (2, 1)
    EXPECT_EQ(shifted.pixels[(1 * 2 + 1) * 4 + 3], 0);  // column 3 is outside
    EXPECT_EQ(shifted.pixels[(0 * 2 + 0) * 4 + 3], 0);  // row 2 is outside
}

TEST(TexturePixels, EveryPixelPassesTheAlphaTestFromAlpha128) {
    for (const auto& [lowest, passes] : {std::pair{128, true}, {127, false}, {0, false}}) {
        RgbaImage image{2, 1, {9, 9, 9, 255, 9, 9, 9, static_cast<std::uint8_t>(lowest)}};
        EXPECT_EQ(EveryPixelPassesAlphaTest(image), passes) << lowest;
    }
}

TEST(TexturePixels, MipLevelsWeightRightAndLowerNeighbours) {
    // A 4 x 4 level whose every channel holds 10 * row + column.
    RgbaImage image{4, 4, std::vector<std::uint8_t>(4 * 4 * 4)};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            for (int channel = 0; channel < 4; ++channel)
                image.pixels[(row * 4 + column) * 4 + channel] = static_cast<std::uint8_t>(10 * row + column);
        }
    }
    ShrinkToNextMipLevel(image, 2, 2);
    ASSERT_EQ(image.width, 2);
    auto value = [&](int row, int column) { return image.pixels[(row * 2 + column) * 4]; };
    EXPECT_EQ(value(0, 0), (4 * 0 + 2 * 1 + 2 * 21 + 20) / 9);  // right and below: rows 0 and 2
    EXPECT_EQ(value(0, 1), (2 * 2 + 20) / 3);                   // only below
    EXPECT_EQ(value(1, 0), (2 * 20 + 21) / 3);                  // only right
    EXPECT_EQ(value(1, 1), 22);                                 // neither
    ShrinkToNextMipLevel(image, 1, 1);
    EXPECT_EQ(image.width, 1);
    EXPECT_EQ(image.pixels[0], (4 * 0 + 2 * 1 + 2 * 21 + 20) / 9);

    RgbaImage strip{4, 1, std::vector<std::uint8_t>(4 * 4, 90)};
    strip.pixels[4] = 0;  // column 1, red
    ShrinkToNextMipLevel(strip, 2, 0);
    EXPECT_EQ(strip.height, 1);
    EXPECT_EQ(strip.pixels[0], (2 * 90 + 0) / 3);
}

TEST(TexturePixels, NormalMapOfFlatAndSlopedHeights) {
    std::vector<std::uint8_t> flat(3 * 3 * 4, 77);
    build_detail_normalmap(flat.data(), 3, 3);
    EXPECT_EQ(std::vector(flat.begin(), flat.begin() + 4),
              (std::vector<std::uint8_t>{127, 127, 255, 77}));  // alpha kept

    // Heights rising by one step per column: gx = -8 steps of 1/255 (with wrapping at the edges).
    std::vector<std::uint8_t> ramp(4 * 1 * 4, 0);
    for (int x = 0; x < 4; ++x)
        ramp[x * 4 + 2] = static_cast<std::uint8_t>(x * 51);
    build_detail_normalmap(ramp.data(), 4, 1);
    const double gx = 4 * (0 - 102) / 255.0;  // pixel 1: left neighbour 0, right neighbour 102
    const double n = 1.0 / static_cast<float>(std::sqrt(gx * gx + 1));
    EXPECT_EQ(ramp[4 + 0], static_cast<int>((gx * n + 1) * 0.5 * 255));
    EXPECT_EQ(ramp[4 + 1], 127);
    EXPECT_EQ(ramp[4 + 2], static_cast<int>((n + 1) * 0.5 * 255));
}

}  // namespace
