#include <cmath>

#include "lettering.h"
#include "noise.h"
#include "picture_shapes.h"
#include "shop_building.h"

namespace assetgen {
namespace {

constexpr Rgb kBrick{150, 74, 54};
constexpr Rgb kMortar{184, 174, 158};
constexpr Rgb kStone{170, 166, 156};
constexpr Rgb kShopGreen{28, 88, 60};
constexpr Rgb kDoorWood{126, 80, 44};
constexpr Rgb kCream{234, 224, 186};
constexpr Rgb kAwningRed{196, 40, 36};
constexpr Rgb kSteel{150, 152, 156};
constexpr Rgb kTar{72, 72, 76};
constexpr NoiseLayers kRoofGravel{16, 16, 3, 81};

// The parts of the shop front, in the facade picture's pixels: 248 by 124 for
// a wall 7 wide and 3.5 high, so 35.4 pixels to a world unit both ways.
constexpr PixelRect kSign{16, 8, 216, 24};
constexpr PixelRect kSignLettering{26, 12, 196, 16};
constexpr PixelRect kAwning{10, 36, 228, 10};
constexpr PixelRect kWindows[2] = {{12, 48, 86, 52}, {150, 48, 86, 52}};
constexpr PixelRect kDoor{106, 44, 36, 80};
constexpr PixelRect kDoorGlass{110, 48, 28, 48};
constexpr PixelRect kDoorStep{102, 120, 44, 4};
constexpr int kSillTop = 100;
constexpr int kPlinthTop = 118;

// Brick in stretcher bond: courses 6 pixels high, bricks 14 long, each brick
// a slightly different shade.
Rgb BrickAt(int x, int y) {
    const int course = y / 6;
    const int shifted = x + (course % 2) * 7;
    if (y % 6 == 5 || shifted % 14 == 13) return kMortar;
    return Scale(kBrick, 0.86 + 0.24 * HashUnit(shifted / 14, course, 82) + 0.05 * HashUnit(x, y, 83));
}

// A shop window: green frame, a middle bar, goods on display behind the glass.
Rgb ShopWindowAt(int x, int y, PixelRect window) {
    const PixelRect glass = Shrunk(window, 3);
    if (!Inside(x, y, glass)) return kShopGreen;
    const int middle = window.x + window.width / 2;
    if (x == middle || x == middle - 1) return kShopGreen;
    if (y >= glass.y + glass.height - 10 && (x - glass.x) % 12 < 8) {
        const double pick = HashUnit((x - glass.x) / 12, window.x, 84);
        return pick < 0.33 ? Rgb{210, 170, 40} : pick < 0.66 ? Rgb{60, 130, 190} : Rgb{200, 90, 60};
    }
    return GlassAt(x, y);
}

Rgb DoorAt(int x, int y) {
    if (Inside(x, y, kDoorGlass)) return GlassAt(x, y);
    if (x >= kDoor.x + kDoor.width - 8 && x < kDoor.x + kDoor.width - 5 && y >= 76 && y < 86) return kSteel;
    if (y >= kDoor.y + kDoor.height - 8) return kSteel;  // kick plate
    return kDoorWood;
}

Rgb FacadeAt(int x, int y) {
    if (Inside(x, y, kDoorStep)) return kStone;
    if (Inside(x, y, kDoor)) return DoorAt(x, y);
    if (Inside(x, y, kSign)) return Inside(x, y, Shrunk(kSign, 2)) ? kShopGreen : kCream;
    if (Inside(x, y, kAwning)) {
        const Rgb stripe = ((x - kAwning.x) / 12) % 2 == 0 ? kAwningRed : kCream;
        return y >= kAwning.y + kAwning.height - 2 ? Scale(stripe, 0.7) : stripe;
    }
    for (const PixelRect& window : kWindows) {
        if (Inside(x, y, window)) return ShopWindowAt(x, y, window);
        if (y >= kSillTop && y < kSillTop + 4 && x >= window.x - 2 && x < window.x + window.width + 2)
            return kStone;
    }
    if (y >= kPlinthTop) return Scale(kStone, 0.6);
    return BrickAt(x, y);
}

// Tar and gravel, with a hatch in one corner.
Rgb RoofAt(int x, int y) {
    const PixelRect hatch{80, 14, 20, 20};
    if (Inside(x, y, hatch)) return Inside(x, y, Shrunk(hatch, 2)) ? kSteel : Scale(kSteel, 0.7);
    const double gravel = TileableNoise((x + 0.5) / 116, (y + 0.5) / 116, kRoofGravel);
    return Scale(kTar, 0.8 + 0.4 * gravel + 0.15 * HashUnit(x, y, 85));
}

// Coping stones along the top of the parapet.
Rgb CopingAt(int x, int y) {
    if (x % 15 == 14) return Scale(kStone, 0.75);
    return Scale(kStone, 1.0 + 0.08 * HashUnit(x / 15, y / 10, 86));
}

Rgb UnitTopAt(int x, int) {
    return Scale(kSteel, x % 10 == 0 ? 0.85 : 1.05);
}

// The cooling unit's side: louvres around a round fan guard.
Rgb UnitGrilleAt(int x, int y) {
    const double r = std::hypot(x + 0.5 - 28, y + 0.5 - 28);
    if (r < 20) return static_cast<int>(r) % 4 < 2 ? Scale(kSteel, 0.4) : kSteel;
    return y % 5 < 2 ? Scale(kSteel, 0.65) : kSteel;
}

}  // namespace

std::optional<Image> MakeShopTexture(const std::filesystem::path& lettering_font) {
    using namespace shop;
    Image atlas(kTextureSize, kTextureSize, kTar);
    PaintArea(atlas, kFacadePicture, FacadeAt);
    PaintArea(atlas, kRoofPicture, RoofAt);
    PaintArea(atlas, kCopingPicture, CopingAt);
    PaintArea(atlas, kUnitTopPicture, UnitTopAt);
    PaintArea(atlas, kUnitGrillePicture, UnitGrilleAt);
    const PixelRect sign{kFacadePicture.x + kSignLettering.x, kFacadePicture.y + kSignLettering.y,
                         kSignLettering.width, kSignLettering.height};
    if (!PaintWordsCentred(atlas, lettering_font, "CORNER SHOP", sign, kCream)) return std::nullopt;
    return atlas;
}

}  // namespace assetgen
