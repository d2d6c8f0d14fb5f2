// Owning handles for the FreeType library and a font face, so every exit
// path releases them.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <memory>
#include <type_traits>

namespace assetgen {

struct FreeTypeLibraryCloser {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FreeTypeFaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FreeTypeLibrary = std::unique_ptr<std::remove_pointer_t<FT_Library>, FreeTypeLibraryCloser>;
using FreeTypeFace = std::unique_ptr<std::remove_pointer_t<FT_Face>, FreeTypeFaceCloser>;

// Null when FreeType cannot start.
inline FreeTypeLibrary OpenFreeType() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return nullptr;
    return FreeTypeLibrary(library);
}

// The font's first face scaled to the given pixel size; null when the file
// cannot be read as a scalable font.
inline FreeTypeFace OpenFontFace(FT_Library library, const std::filesystem::path& font_file,
                                 FT_UInt width_pixels, FT_UInt height_pixels) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, font_file.c_str(), 0, &face) != 0) return nullptr;
    FreeTypeFace handle(face);
    if (FT_Set_Pixel_Sizes(face, width_pixels, height_pixels) != 0) return nullptr;
    return handle;
}

}  // namespace assetgen
