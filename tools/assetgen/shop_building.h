// The shop building that stands on a city tile: its shape and its texture
// (shop1.bmp), a one-storey brick shop with a shop front on every side, a flat
// roof behind a low parapet and a cooling unit on the roof.
#pragma once

#include <filesystem>
#include <optional>

#include "image.h"
#include "texture_atlas.h"

namespace assetgen {

namespace shop {
// The building fills its tile: x and z from 0 to 7, standing on y = 0.
inline constexpr double kSize = 7.0;
inline constexpr double kWallHeight = 3.5;
inline constexpr double kParapetHeight = 0.25;
inline constexpr double kParapetThickness = 0.2;

inline constexpr int kTextureSize = 256;  // shop1.bmp is square
// One wall's front, its ground line along the bottom.
inline constexpr PixelRect kFacadePicture{4, 4, 248, 124};
inline constexpr PixelRect kRoofPicture{4, 136, 116, 116};
inline constexpr PixelRect kCopingPicture{128, 136, 60, 20};
inline constexpr PixelRect kUnitTopPicture{128, 164, 60, 40};
inline constexpr PixelRect kUnitGrillePicture{196, 136, 56, 56};
}  // namespace shop

// The sign over the shop front is set in the given font; nothing when the
// font cannot be read.
std::optional<Image> MakeShopTexture(const std::filesystem::path& lettering_font);

}  // namespace assetgen
