// The runtime's default font: a sheet of 16 x 8 character cells for codes 0 to
// 127, white glyphs on black (black is transparent in a font).
#pragma once

#include <filesystem>
#include <optional>

#include "image.h"

namespace assetgen {

inline constexpr int kFontColumns = 16;
inline constexpr int kFontRows = 8;
inline constexpr int kFontCellWidth = 8;
inline constexpr int kFontCellHeight = 16;

// Each glyph stays inside the cell's first 7 columns and 15 rows: the last
// column and row of every cell stay black, so neighbouring glyphs never touch.
inline constexpr int kFontGlyphWidth = kFontCellWidth - 1;
inline constexpr int kFontGlyphHeight = kFontCellHeight - 1;

inline constexpr Rgb kFontInk{255, 255, 255};

// Renders the printable characters 33 to 126 of a scalable font file into their
// cells (code c at column c mod 16, row c div 16 from the top); the other codes
// stay blank. Nothing when the font cannot be read.
std::optional<Image> RenderFontSheet(const std::filesystem::path& font_file);

}  // namespace assetgen
