// Reading the image files the runtime shows: Windows bitmaps with the
// runtime's own reader, and PNG, JPEG and TGA images decoded by the platform
// layer into the same record. The format is told by the file's first bytes,
// never by its name.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "gfx2d/bitmap_file.h"

// The image in the bytes of a file of any of those formats, or nothing, with
// the reason in `error`. A decoded image
// comes in 32-bit rows, with `alpha` set when it has transparency of its own.
std::optional<BitmapFile> ParseImage(std::span<const std::uint8_t> bytes, std::string& error);
// The same for a file on disk; why an image other than a bitmap cannot be
// read goes to the error log.
std::optional<BitmapFile> ReadImageFile(const std::string& path);

// An image file as a sprite loads it: its size, and its pixels when they can
// be read. A bitmap whose headers can be read keeps their size even when its
// pixels cannot; an image of the other formats has a size only once decoded.
struct SpriteImage {
    int width = 0;
    int height = 0;
    std::optional<BitmapFile> image;
};
SpriteImage ReadSpriteImage(const std::string& path);
