// Telling PNG, JPEG and TGA images apart by their first bytes, reading the
// size their headers promise and checking that their data is all there,
// before anything is decoded. Image files are
// outside input: every read here is checked against the bytes really there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>

enum class ImageKind { kUnknown, kPng, kJpeg, kTga };

// PNG and JPEG by their signatures; TGA, which has none, by a header whose
// every field holds a value the format allows.
ImageKind ImageKindOf(std::span<const std::uint8_t> bytes);

// The width and height in the headers of an image of that kind; nothing when
// the headers are incomplete or name an empty image.
std::optional<std::pair<int, int>> ImageHeaderSize(std::span<const std::uint8_t> bytes, ImageKind kind);

// Whether the image's data is all there, for the kinds whose decoder does not
// find a cut itself: a PNG's chunks must all lie inside the file up to IEND
// (its decoder does not notice reads past the end and may loop for ever), a
// JPEG must run up to its end marker after the scan (cut short, it would
// decode with grey rows), a TGA must hold every pixel its size promises (cut
// short, it would decode with rows never read).
bool ImageIsComplete(std::span<const std::uint8_t> bytes, ImageKind kind);
