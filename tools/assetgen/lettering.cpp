#include "lettering.h"

#include <algorithm>
#include <climits>

#include "freetype_face.h"

namespace assetgen {
namespace {

// One rendered glyph, placed on the line: its top-left pixel relative to the
// line's origin on the baseline, y downward.
struct PlacedGlyph {
    int left;
    int top;
    Lettering coverage;
};

std::optional<PlacedGlyph> RenderGlyphAt(FT_Face face, char code, int pen_x) {
    if (FT_Load_Char(face, static_cast<unsigned char>(code), FT_LOAD_RENDER) != 0) return std::nullopt;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return std::nullopt;
    PlacedGlyph glyph{pen_x + face->glyph->bitmap_left, -face->glyph->bitmap_top,
                      Lettering(static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows))};
    const double levels = std::max(1, bitmap.num_grays - 1);
    for (int y = 0; y < glyph.coverage.Height(); ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.coverage.Width(); ++x)
            glyph.coverage.InkAt(x, y) = row[x] / levels;
    }
    return glyph;
}

// The glyphs of the text side by side, moved on by each glyph's advance.
std::optional<std::vector<PlacedGlyph>> PlaceGlyphs(FT_Face face, std::string_view text) {
    std::vector<PlacedGlyph> glyphs;
    int pen_x = 0;
    for (char code : text) {
        std::optional<PlacedGlyph> glyph = RenderGlyphAt(face, code, pen_x);
        if (!glyph) return std::nullopt;
        pen_x += static_cast<int>(face->glyph->advance.x >> 6);
        glyphs.push_back(std::move(*glyph));
    }
    return glyphs;
}

// The glyphs drawn into one picture cut to the box of their ink.
std::optional<Lettering> Compose(const std::vector<PlacedGlyph>& glyphs) {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const PlacedGlyph& glyph : glyphs) {
        if (glyph.coverage.Width() == 0 || glyph.coverage.Height() == 0) continue;
        left = std::min(left, glyph.left);
        top = std::min(top, glyph.top);
        right = std::max(right, glyph.left + glyph.coverage.Width());
        bottom = std::max(bottom, glyph.top + glyph.coverage.Height());
    }
    if (left >= right || top >= bottom) return std::nullopt;
    Lettering line(right - left, bottom - top);
    for (const PlacedGlyph& glyph : glyphs) {
        for (int y = 0; y < glyph.coverage.Height(); ++y) {
            for (int x = 0; x < glyph.coverage.Width(); ++x) {
                double& ink = line.InkAt(glyph.left - left + x, glyph.top - top + y);
                ink = std::max(ink, glyph.coverage.InkAt(x, y));
            }
        }
    }
    return line;
}

std::optional<Lettering> SetLettering(FT_Library library, const std::filesystem::path& font_file,
                                      std::string_view text, int pixel_height) {
    FreeTypeFace face = OpenFontFace(library, font_file, 0, static_cast<FT_UInt>(pixel_height));
    if (!face) return std::nullopt;
    std::optional<std::vector<PlacedGlyph>> glyphs = PlaceGlyphs(face.get(), text);
    if (!glyphs) return std::nullopt;
    return Compose(*glyphs);
}

}  // namespace

std::optional<Lettering> SetLetteringToFit(const std::filesystem::path& font_file, std::string_view text,
                                           int max_width, int max_height) {
    FreeTypeLibrary library = OpenFreeType();
    if (!library) return std::nullopt;
    // The font's pixel size is its em; capitals are smaller, so start above the
    // room and shrink until the ink fits.
    for (int size = max_height * 2; size >= 4; --size) {
        std::optional<Lettering> line = SetLettering(library.get(), font_file, text, size);
        if (!line) return std::nullopt;
        if (line->Width() <= max_width && line->Height() <= max_height) return line;
    }
    return std::nullopt;
}

void PaintLettering(Image& image, const Lettering& lettering, int left, int top, Rgb ink) {
    for (int y = 0; y < lettering.Height(); ++y) {
        for (int x = 0; x < lettering.Width(); ++x) {
            const int px = left + x;
            const int py = top + y;
            if (px < 0 || py < 0 || px >= image.Width() || py >= image.Height()) continue;
            image.At(px, py) = Mix(image.At(px, py), ink, lettering.InkAt(x, y));
        }
    }
}

bool PaintWordsCentred(Image& image, const std::filesystem::path& font_file, std::string_view text,
                       PixelRect room, Rgb ink) {
    const std::optional<Lettering> words = SetLetteringToFit(font_file, text, room.width, room.height);
    if (!words) return false;
    PaintLettering(image, *words, room.x + (room.width - words->Width()) / 2,
                   room.y + (room.height - words->Height()) / 2, ink);
    return true;
}

}  // namespace assetgen
