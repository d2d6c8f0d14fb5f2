// Telling image formats apart by their bytes, and the sizes their headers give.
#include "platform/image_headers.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

static Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Bytes kPngStart = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
const Bytes kJpegStart = {0xFF, 0xD8};
const Bytes kJpegApp0 = {0xFF, 0xE0, 0, 4, 1, 2};
const Bytes kJpegTables = {0xFF, 0xC4, 0, 3, 0xC0};  // Huffman tables, not a frame
const Bytes kJpegFrame = {0xFF, 0xC0, 0, 11, 8, 0x01, 0x02, 0x03, 0x04, 1, 1, 0x11, 0};  // 772 x 258
const Bytes kJpegScan = {0xFF, 0xDA, 0, 2, 0x12, 0xFF, 0x00, 0x34};
const Bytes kJpegEnd = {0xFF, 0xD9};

static Bytes Tga(std::uint8_t has_map, std::uint8_t type, std::uint8_t map_bits, std::uint8_t depth,
                 std::uint8_t descriptor) {
    return {0, has_map, type, 0, 0, 0, 1, map_bits, 0, 0, 0, 0, 0x20, 0x01, 0x10, 0, depth, descriptor};
}

TEST(ImageHeaders, KindsAndSizesComeFromTheBytes) {
    const struct {
        const char* what;
        Bytes bytes;
        ImageKind kind;
        int width, height;  // 0: no size
    } cases[] = {
        // clang-format off
        {"png", Join({kPngStart, {0, 0, 1, 0, 0, 0, 0, 3}}), ImageKind::kPng, 256, 3},
        {"png without its IHDR", Join({Bytes(kPngStart.begin(), kPngStart.end() - 4), {'I', 'D', 'A', 'T'},
            {0, 0, 1, 0, 0, 0, 0, 3}}), ImageKind::kPng, 0, 0},
        {"png of no width", Join({kPngStart, {0, 0, 0, 0, 0, 0, 0, 3}}), ImageKind::kPng, 0, 0},
        {"jpeg", Join({kJpegStart, kJpegApp0, kJpegTables, kJpegFrame}), ImageKind::kJpeg, 772, 258},
        {"jpeg with fill bytes", Join({kJpegStart, {0xFF, 0xFF}, kJpegFrame}), ImageKind::kJpeg, 772, 258},
        {"jpeg scan before its frame", Join({kJpegStart, kJpegScan, kJpegFrame}), ImageKind::kJpeg, 0, 0},
        {"jpeg segment past the end", Join({kJpegStart, {0xFF, 0xE0, 0x40, 0}, kJpegFrame}), ImageKind::kJpeg, 0, 0},
        {"jpeg frame too short for its size", Join({kJpegStart, {0xFF, 0xC0, 0, 4, 8, 1}, {2, 3, 4, 1, 1}}),
            ImageKind::kJpeg, 0, 0},
        {"jpeg frame cut short", Join({kJpegStart, Bytes(kJpegFrame.begin(), kJpegFrame.end() - 6)}),
            ImageKind::kJpeg, 0, 0},
        {"tga true colour", Tga(0, 2, 0, 24, 0x20), ImageKind::kTga, 288, 16},
        {"tga colour mapped", Tga(1, 9, 24, 8, 0), ImageKind::kTga, 288, 16},
        {"tga mapped without a map", Tga(0, 1, 0, 8, 0), ImageKind::kUnknown, 0, 0},
        {"tga of an odd depth", Tga(0, 2, 0, 13, 0), ImageKind::kUnknown, 0, 0},
        {"tga of an unknown type", Tga(0, 4, 0, 24, 0), ImageKind::kUnknown, 0, 0},
        {"tga interleaved", Tga(0, 2, 0, 24, 0x40), ImageKind::kUnknown, 0, 0},
        {"tga header cut short", Bytes(17, 0), ImageKind::kUnknown, 0, 0},
        {"bitmap", Join({{'B', 'M'}, Bytes(60, 0)}), ImageKind::kUnknown, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ImageKindOf(c.bytes), c.kind) << c.what;
        EXPECT_EQ(ImageHeaderSize(c.bytes, c.kind).value_or(std::pair(0, 0)), std::pair(c.width, c.height))
            << c.what;
    }
}

TEST(ImageHeaders, DataIsCompleteOnlyWhenItReachesItsEnd) {
    // A 2 x 1 TGA of 24 bits: plain, then as run-length packets (a run of two; one raw pixel and a cut).
    const auto tga = [](std::uint8_t type, Bytes pixels) {
        return Join({{0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 24, 0}, pixels});
    };
    const Bytes png_header = Join({kPngStart, {0, 0, 0, 4, 0, 0, 0, 2, 8, 0, 0, 0, 0}, Bytes(4, 0)});
    const Bytes png_end = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    const struct {
        const char* what;
        Bytes bytes;
        ImageKind kind;
        bool complete;
    } cases[] = {
        {"png", Join({png_header, {0, 0, 0, 1, 'I', 'D', 'A', 'T', 7}, Bytes(4, 0), png_end}),
         ImageKind::kPng, true},
        {"png without IEND", png_header, ImageKind::kPng, false},
        // A chunk claiming more bytes than the file has left, then IEND.
        {"png chunk past the end",
         Join({png_header, {0x4A, 0, 0, 0x12, 't', 'R', 'N', 'S'}, Bytes(4, 0), png_end}), ImageKind::kPng,
         false},
        {"jpeg", Join({kJpegStart, kJpegFrame, kJpegScan, kJpegEnd}), ImageKind::kJpeg, true},
        {"jpeg without its end", Join({kJpegStart, kJpegFrame, kJpegScan}), ImageKind::kJpeg, false},
        // An end marker inside a segment before the scan (a thumbnail's) does not count.
        {"jpeg ending before its scan",
         Join({kJpegStart, {0xFF, 0xE1, 0, 4, 0xFF, 0xD9}, kJpegFrame, kJpegScan}), ImageKind::kJpeg, false},
        {"tga", tga(2, Bytes(6, 0x40)), ImageKind::kTga, true},
        {"tga a byte short", tga(2, Bytes(5, 0x40)), ImageKind::kTga, false},
        {"tga of one run", tga(10, {0x81, 1, 2, 3}), ImageKind::kTga, true},
        {"tga of raw packets", tga(10, {0x00, 1, 2, 3, 0x00, 4, 5, 6}), ImageKind::kTga, true},
        {"tga of a raw packet cut short", tga(10, {0x01, 1, 2, 3, 4}), ImageKind::kTga, false},
        {"tga of too few packets", tga(10, {0x00, 1, 2, 3}), ImageKind::kTga, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageIsComplete(c.bytes, c.kind), c.complete) << c.what;
}
