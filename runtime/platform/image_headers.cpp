#include "platform/image_headers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kTgaHeaderSize = 18;

constexpr std::uint8_t kJpegScan = 0xDA;
constexpr std::uint8_t kJpegEnd = 0xD9;

std::uint32_t BigEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 8 | bytes[at + 1];
}

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return BigEndian16(bytes, at) << 16 | BigEndian16(bytes, at + 2);
}

std::uint32_t LittleEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at + 1]) << 8 | bytes[at];
}

bool IsOneOf(std::uint8_t value, std::initializer_list<std::uint8_t> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool IsPng(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kPngSignature.size() &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin());
}

bool IsJpeg(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

// Colour-mapped, true-colour and grey images, plain (1, 2, 3) or run-length
// packed (9, 10, 11); a colour-mapped image needs its map.
bool IsTgaHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kTgaHeaderSize) return false;
    const std::uint8_t has_map = bytes[1];
    const std::uint8_t type = bytes[2];
    const bool mapped = type == 1 || type == 9;
    if (!IsOneOf(type, {1, 2, 3, 9, 10, 11}) || has_map > 1 || (mapped && has_map == 0)) return false;
    if (has_map == 1 && !IsOneOf(bytes[7], {15, 16, 24, 32})) return false;
    const bool interleaved = (bytes[17] & 0xC0) != 0;
    return IsOneOf(bytes[16], {8, 15, 16, 24, 32}) && !interleaved;
}

std::optional<std::pair<int, int>> NonEmpty(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return std::nullopt;
    return std::pair<int, int>(static_cast<int>(width), static_cast<int>(height));
}

std::optional<std::pair<int, int>> PngSize(std::span<const std::uint8_t> bytes) {
    // The first chunk, IHDR, holds the width and height.
    constexpr std::size_t kChunkType = 12;
    if (bytes.size() < 24 || std::memcmp(bytes.data() + kChunkType, "IHDR", 4) != 0) return std::nullopt;
    return NonEmpty(BigEndian32(bytes, 16), BigEndian32(bytes, 20));
}

// One marker segment of a JPEG: its marker, where its contents start and
// where the segment ends.
struct JpegSegment {
    std::uint8_t marker;
    std::size_t contents;
    std::size_t end;
};

// Markers that stand alone, without a length: the restarts, start and end of
// image, and the temporary marker.
bool HasNoLength(std::uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9);
}

// The segment whose marker starts at `at`, or nothing when the bytes there
// are no marker or end inside the segment.
std::optional<JpegSegment> JpegSegmentAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at >= bytes.size() || bytes[at] != 0xFF) return std::nullopt;
    while (at < bytes.size() && bytes[at] == 0xFF)
        ++at;  // a marker may be preceded by fill bytes
    if (at >= bytes.size()) return std::nullopt;
    const std::uint8_t marker = bytes[at++];
    if (HasNoLength(marker)) return JpegSegment{marker, at, at};
    if (at + 2 > bytes.size()) return std::nullopt;
    const std::size_t length = BigEndian16(bytes, at);
    if (length < 2 || at + length > bytes.size()) return std::nullopt;
    return JpegSegment{marker, at + 2, at + length};
}

// The segment with the marker that `stop` accepts among those before the first
// scan (the scan itself included), or nothing.
template <typename Stop>
std::optional<JpegSegment> FindJpegSegment(std::span<const std::uint8_t> bytes, Stop stop) {
    std::size_t at = 2;  // past the start-of-image marker
    while (const std::optional<JpegSegment> segment = JpegSegmentAt(bytes, at)) {
        if (stop(segment->marker)) return segment;
        if (segment->marker == kJpegScan || segment->marker == kJpegEnd) return std::nullopt;
        at = segment->end;
    }
    return std::nullopt;
}

// The frame headers: every start-of-frame marker 0xC0 to 0xCF but the
// Huffman tables (0xC4), the reserved 0xC8 and the arithmetic conditioning (0xCC).
bool IsFrameHeader(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<std::pair<int, int>> JpegSize(std::span<const std::uint8_t> bytes) {
    const std::optional<JpegSegment> frame = FindJpegSegment(bytes, IsFrameHeader);
    // Sample precision, then height and width.
    if (!frame || frame->contents + 5 > frame->end) return std::nullopt;
    return NonEmpty(BigEndian16(bytes, frame->contents + 3), BigEndian16(bytes, frame->contents + 1));
}

std::optional<std::pair<int, int>> TgaSize(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kTgaHeaderSize) return std::nullopt;
    return NonEmpty(LittleEndian16(bytes, 12), LittleEndian16(bytes, 14));
}

// Every chunk (length, type, data, checksum) lies inside the file, up to and
// including IEND. The PNG decoder's reads past the end of the bytes go
// unnoticed: a chunk whose length runs past the end would have it read the
// same stale bytes as chunk after chunk, for ever.
bool PngChunksReachIend(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kChunkFrame = 12;  // length, type and checksum
    std::size_t at = kPngSignature.size();
    while (at <= bytes.size() && kChunkFrame <= bytes.size() - at) {
        const std::size_t length = BigEndian32(bytes, at);
        if (length > bytes.size() - at - kChunkFrame) return false;
        if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) return true;
        at += kChunkFrame + length;
    }
    return false;
}

bool JpegReachesItsEnd(std::span<const std::uint8_t> bytes) {
    const std::optional<JpegSegment> scan =
        FindJpegSegment(bytes, [](std::uint8_t marker) { return marker == kJpegScan; });
    if (!scan) return false;
    // Inside the coded data a 0xFF byte is always followed by 0x00 or a
    // restart marker, so the pair 0xFF 0xD9 is the end of the image.
    for (std::size_t at = scan->end; at + 1 < bytes.size(); ++at) {
        if (bytes[at] == 0xFF && bytes[at + 1] == kJpegEnd) return true;
    }
    return false;
}

// The pixels follow the header, the image id and the colour map: plain, or
// in run-length packets (a count byte, then one pixel to repeat or `count`
// pixels as they are).
bool TgaHoldsEveryPixel(std::span<const std::uint8_t> bytes) {
    const std::optional<std::pair<int, int>> size = TgaSize(bytes);
    if (!size) return false;
    const std::size_t map_entry_bytes = bytes[1] == 1 ? (bytes[7] + 7u) / 8 : 0;
    std::size_t at = kTgaHeaderSize + bytes[0] + LittleEndian16(bytes, 5) * map_entry_bytes;
    const std::size_t pixel_bytes = (bytes[16] + 7u) / 8;
    const std::size_t pixels = static_cast<std::size_t>(size->first) * static_cast<std::size_t>(size->second);
    const bool run_length = bytes[2] >= 9;
    if (!run_length) return at <= bytes.size() && pixels * pixel_bytes <= bytes.size() - at;
    for (std::size_t done = 0; done < pixels;) {
        if (at >= bytes.size()) return false;
        const std::uint8_t packet = bytes[at++];
        const std::size_t count = (packet & 0x7Fu) + 1;
        const std::size_t data = (packet & 0x80) != 0 ? pixel_bytes : count * pixel_bytes;
        if (data > bytes.size() - at) return false;
        at += data;
        done += count;
    }
    return true;
}

}  // namespace

ImageKind ImageKindOf(std::span<const std::uint8_t> bytes) {
    if (IsPng(bytes)) return ImageKind::kPng;
    if (IsJpeg(bytes)) return ImageKind::kJpeg;
    if (IsTgaHeader(bytes)) return ImageKind::kTga;
    return ImageKind::kUnknown;
}

std::optional<std::pair<int, int>> ImageHeaderSize(std::span<const std::uint8_t> bytes, ImageKind kind) {
    switch (kind) {
        case ImageKind::kPng:
            return PngSize(bytes);
        case ImageKind::kJpeg:
            return JpegSize(bytes);
        case ImageKind::kTga:
            return TgaSize(bytes);
        case ImageKind::kUnknown:
            break;
    }
    return std::nullopt;
}

bool ImageIsComplete(std::span<const std::uint8_t> bytes, ImageKind kind) {
    switch (kind) {
        case ImageKind::kPng:
            return PngChunksReachIend(bytes);
        case ImageKind::kJpeg:
            return JpegReachesItsEnd(bytes);
        case ImageKind::kTga:
            return TgaHoldsEveryPixel(bytes);
        case ImageKind::kUnknown:
            break;
    }
    return false;
}
