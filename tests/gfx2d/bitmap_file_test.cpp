#include "gfx2d/bitmap_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

#include "gfx2d/texture_pixels.h"
#include "support/bitmap_writer.h"

namespace {

TestRgb Gradient(int x, int y) {
    return {static_cast<std::uint8_t>(10 * x + 1), static_cast<std::uint8_t>(20 * y + 2), 200};
}

std::array<int, 3> ReadPixel(const BitmapFile& bitmap, int x, int y) {
    std::uint8_t r, g, b;
    bitmap.PixelAt(x, y, r, g, b);
    return {r, g, b};
}

TEST(BitmapFile, ReadsEveryDepthPaddingAndRowOrderItsSizeFromTheHeadersAndRefusesShortAndLyingFiles) {
    for (const auto& [bits, top_down] : {std::pair{24, false}, {32, false}, {24, true}}) {
        SCOPED_TRACE(testing::Message() << bits << " bits, top down " << top_down);
        const auto bitmap = ParseBitmap(BitmapBytes({3, 2, bits, top_down, {}, Gradient}));
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(bitmap->stride, 12);
        for (int i = 0; i < 6; ++i) {  // a top-down file reads upside down
            const TestRgb c = Gradient(i % 3, top_down ? 1 - i / 3 : i / 3);
            EXPECT_EQ(ReadPixel(*bitmap, i % 3, i / 3), (std::array<int, 3>{c.red, c.green, c.blue}));
        }
    }
    // Indices 0 to 3 of a three-colour palette: one beyond it reads black.
    const std::optional<BitmapFile> indexed =
        ParseBitmap(BitmapBytes({5, 3, 8, false, {{255, 0, 0}, {0, 255, 0}, {1, 2, 3}}, [](int x, int y) {
                                     return TestRgb{static_cast<std::uint8_t>((x + y) % 4), 0, 0};
                                 }}));
    ASSERT_TRUE(indexed);
    EXPECT_EQ(indexed->stride, 8);
    EXPECT_EQ((std::array{ReadPixel(*indexed, 0, 0), ReadPixel(*indexed, 3, 2), ReadPixel(*indexed, 2, 1)}),
              (std::array<std::array<int, 3>, 3>{{{255, 0, 0}, {0, 255, 0}, {0, 0, 0}}}));

    const std::vector<std::uint8_t> good = BitmapBytes({4, 4, 24, false, {}, Gradient});
    ASSERT_TRUE(ParseBitmap(good));
    EXPECT_FALSE(ParseBitmap(std::span(good).first(good.size() - 1)));
    EXPECT_FALSE(ParseBitmap(std::span(good).first(40)));
    const auto patched = [&good](std::initializer_list<std::tuple<std::size_t, std::uint32_t, int>> fields,
                                 std::size_t gap = 0) {
        std::vector<std::uint8_t> bytes = good;
        bytes.insert(bytes.begin() + 54, gap, 0);
        for (const auto& [at, value, size] : fields)
            for (int i = 0; i < size; ++i)
                bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        return bytes;
    };
    EXPECT_FALSE(ParseBitmap(patched({{0, 'X', 1}})));
    EXPECT_FALSE(ParseBitmap(patched({{28, 16, 2}})));                     // bit count
    EXPECT_FALSE(ParseBitmap(patched({{10, 53, 4}})));                     // data inside the headers
    EXPECT_FALSE(ParseBitmap(patched({{10, 0xFFFFFFF0u, 4}})));            // data beyond the end
    EXPECT_FALSE(ParseBitmap(patched({{10, 54 + 65536, 4}}, 65536)));      // headers over 64 KiB
    EXPECT_FALSE(ParseBitmap(patched({{18, 5, 4}})));                      // rows longer than the data
    EXPECT_FALSE(ParseBitmap(patched({{18, 0x80000000u, 4}})));            // negative width
    EXPECT_FALSE(ParseBitmap(patched({{18, 20000, 4}, {22, 20000, 4}})));  // over 256 MiB
    EXPECT_TRUE(ParseBitmap(patched({{10, 54 + 1000, 4}}, 1000)));

    const std::string path = std::string(std::getenv("TMPDIR")) + "/size.bmp";
    std::vector<std::uint8_t> bytes = BitmapBytes({100, 50, 24, true, {}, Gradient});
    for (const auto& [length, size] : {std::pair{54, std::pair(100, 50)}, {53, std::pair(0, 0)}}) {
        bytes.resize(static_cast<std::size_t>(length));
        WriteBytes(path, bytes);
        int width = -1, height = -1;
        GetBMPSize(path, width, height);
        EXPECT_EQ(std::pair(width, height), size) << length << " bytes";
    }
}

TEST(TexturePixels, MipLevelsAndNormalMapsWeighTheirNeighbours) {
    RgbaImage image{4, 4, std::vector<std::uint8_t>(4 * 4 * 4)};
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = static_cast<std::uint8_t>(10 * (i / 16) + i / 4 % 4);
    ShrinkToNextMipLevel(image, 2, 2);
    ASSERT_EQ(image.width, 2);
    // Each channel of the 4 x 4 level held 10 * row + column; the last row and column have one neighbour.
    EXPECT_EQ((std::array<int, 4>{image.pixels[0], image.pixels[4], image.pixels[8], image.pixels[12]}),
              (std::array<int, 4>{(2 * 1 + 2 * 21 + 20) / 9, (2 * 2 + 20) / 3, (2 * 20 + 21) / 3, 22}));

    std::vector<std::uint8_t> pixels(4 * 4 * 4, 77);
    for (std::size_t i = 2; i < pixels.size(); i += 4)
        pixels[i] = i == (1 * 4 + 1) * 4 + 2 ? 255 : 0;
    build_detail_normalmap(pixels.data(), 4, 4);
    const int gx[4][4] = {{-1, 0, 1, 0}, {-2, 0, 2, 0}, {-1, 0, 1, 0}, {0, 0, 0, 0}};
    const int gy[4][4] = {{1, 2, 1, 0}, {0, 0, 0, 0}, {-1, -2, -1, 0}, {0, 0, 0, 0}};
    for (int i = 0; i < 16; ++i) {  // one raised height at (1, 1); alpha stays
        const int x = i % 4, y = i / 4;
        const double n = 1.0 / static_cast<float>(std::sqrt(gx[y][x] * gx[y][x] + gy[y][x] * gy[y][x] + 1));
        EXPECT_EQ(
            (std::array<int, 4>{pixels[i * 4], pixels[i * 4 + 1], pixels[i * 4 + 2], pixels[i * 4 + 3]}),
            (std::array<int, 4>{static_cast<int>((gx[y][x] * n + 1) * 127.5),
                                static_cast<int>((gy[y][x] * n + 1) * 127.5),
                                static_cast<int>((n + 1) * 127.5), 77}))
            << x << ", " << y;
    }
}

}  // namespace
