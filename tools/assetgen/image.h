// A picture held in memory while it is drawn: RGB pixels, row 0 at the top.
#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

#include "colour.h"

namespace assetgen {

class Image {
public:
    Image(int width, int height, Rgb fill = {})
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {
        assert(width > 0 && height > 0);
    }

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Column x from the left, row y from the top.
    Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }

    friend bool operator==(const Image&, const Image&) = default;

private:
    std::size_t Index(int x, int y) const {
        assert(x >= 0 && x < width_ && y >= 0 && y < height_);
        return static_cast<std::size_t>(y) * width_ + x;
    }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// A picture with every pixel given by pixel_at(x, y).
template <typename PixelAt>
Image DrawEachPixel(int width, int height, PixelAt pixel_at) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.At(x, y) = pixel_at(x, y);
    }
    return image;
}

}  // namespace assetgen
