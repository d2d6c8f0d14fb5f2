// Words set in a scalable font for painting onto pictures: signs and logos.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "image.h"
#include "texture_atlas.h"

namespace assetgen {

// How much ink covers each pixel of the words' tight bounding box, 0 to 1.
class Lettering {
public:
    Lettering(int width, int height)
        : width_(width), height_(height), ink_(static_cast<std::size_t>(width) * height, 0.0) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    double& InkAt(int x, int y) { return ink_[Index(x, y, width_)]; }
    double InkAt(int x, int y) const { return ink_[Index(x, y, width_)]; }

private:
    static std::size_t Index(int x, int y, int width) { return static_cast<std::size_t>(y) * width + x; }

    int width_;
    int height_;
    std::vector<double> ink_;
};

// The text on one line, as large as fits within max_width by max_height
// pixels (the box of its ink, not of the font's line). Nothing when the font
// cannot be read or the text has no ink.
std::optional<Lettering> SetLetteringToFit(const std::filesystem::path& font_file, std::string_view text,
                                           int max_width, int max_height);

// Paints the lettering's ink over the picture with its top-left corner at
// (left, top); the parts outside the picture are left out.
void PaintLettering(Image& image, const Lettering& lettering, int left, int top, Rgb ink);

// Sets the text as large as fits the room and paints it centred there. False
// when it cannot be set.
bool PaintWordsCentred(Image& image, const std::filesystem::path& font_file, std::string_view text,
                       PixelRect room, Rgb ink);

}  // namespace assetgen
