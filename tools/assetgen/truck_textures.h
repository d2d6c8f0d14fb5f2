// The cab's and the trailer's texture bitmaps: every surface's picture laid
// out as truck_layout.h places it.
#pragma once

#include <filesystem>
#include <optional>

#include "image.h"

namespace assetgen {

// The cab's colours: red paint, windows, grille, lamps, wheels.
inline constexpr Rgb kCabPaint{178, 32, 26};

// truck1.bmp.
Image MakeCabTexture();

// trailer2.bmp: a white box with the company's name on both sides, set in
// the given font. Nothing when the font cannot be read.
std::optional<Image> MakeTrailerTexture(const std::filesystem::path& lettering_font);

}  // namespace assetgen
