#include "font_sheet.h"

#include <algorithm>

#include "freetype_face.h"

namespace assetgen {
namespace {

// Glyphs are rendered a little narrower than tall, so that the widest
// letters fit the cell's 7 columns while capitals stay 10 pixels high.
constexpr FT_UInt kRenderWidthPixels = 12;
constexpr FT_UInt kRenderHeightPixels = 14;
// The baseline's row inside a cell, counted from the cell's top: capitals
// rise above it and descenders fit in the rows below it.
constexpr int kBaselineRow = 11;

// Where a glyph starts inside its cell along one axis: where the font puts it,
// moved in just enough that it fits; a glyph larger than the room is centred and cut.
int FitIntoCell(int start, int size, int room) {
    if (size >= room) return (room - size) / 2;
    return std::clamp(start, 0, room - size);
}

bool IsInk(const FT_Bitmap& bitmap, int column, int row) {
    const unsigned char* line = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    return (line[column / 8] & (0x80 >> (column % 8))) != 0;
}

// Copies the current glyph's ink into its cell, keeping only pixels that land
// inside the cell's glyph area.
void PutGlyph(const FT_GlyphSlot slot, int code, Image& sheet) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const int width = static_cast<int>(bitmap.width);
    const int height = static_cast<int>(bitmap.rows);
    const int left = FitIntoCell(slot->bitmap_left, width, kFontGlyphWidth);
    const int top = FitIntoCell(kBaselineRow - slot->bitmap_top, height, kFontGlyphHeight);
    const int cell_x = (code % kFontColumns) * kFontCellWidth;
    const int cell_y = (code / kFontColumns) * kFontCellHeight;
    for (int row = 0; row < height; ++row) {
        const int y = top + row;
        if (y < 0 || y >= kFontGlyphHeight) continue;
        for (int column = 0; column < width; ++column) {
            const int x = left + column;
            if (x < 0 || x >= kFontGlyphWidth) continue;
            if (IsInk(bitmap, column, row)) sheet.At(cell_x + x, cell_y + y) = kFontInk;
        }
    }
}

// Renders one glyph as a 1-bit image with the font's own hinting for
// black-and-white output: a pixel is ink when its centre lies inside the
// outline, which keeps strokes one even pixel wide and the edges hard.
bool RenderGlyph(FT_Face face, int code) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_TARGET_MONO) != 0) return false;
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) return false;
    return face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
}

}  // namespace

std::optional<Image> RenderFontSheet(const std::filesystem::path& font_file) {
    FreeTypeLibrary library = OpenFreeType();
    if (!library) return std::nullopt;
    FreeTypeFace face = OpenFontFace(library.get(), font_file, kRenderWidthPixels, kRenderHeightPixels);
    if (!face) return std::nullopt;
    Image sheet(kFontColumns * kFontCellWidth, kFontRows * kFontCellHeight);
    for (int code = 33; code <= 126; ++code) {
        if (!RenderGlyph(face.get(), code)) return std::nullopt;
        PutGlyph(face->glyph, code, sheet);
    }
    return sheet;
}

}  // namespace assetgen
