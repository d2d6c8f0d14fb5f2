// Decoding PNG, JPEG and TGA images with SDL2_image into plain RGBA pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct DecodedImage {
    int width = 0;
    int height = 0;
    bool has_alpha = false;          // the image carries transparency of its own
    std::vector<std::uint8_t> rgba;  // red, green, blue, alpha per pixel; rows from the top
};

// Decodes the bytes of a PNG, JPEG or TGA image, told apart by their content.
// The size in the headers is checked against max_pixels before anything is
// decoded. Nothing, with the reason in `error`, when the bytes are no such
// image, are cut short or damaged, or the image is too large.
std::optional<DecodedImage> DecodeImage(std::span<const std::uint8_t> bytes, std::size_t max_pixels,
                                        std::string& error);
