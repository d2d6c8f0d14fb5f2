#include "truck_textures.h"

#include <cmath>

#include "lettering.h"
#include "noise.h"
#include "picture_shapes.h"
#include "truck_layout.h"

namespace assetgen {
namespace {

constexpr Rgb kRubber{22, 22, 24};
constexpr Rgb kGrille{38, 38, 42};
constexpr Rgb kGrilleSlat{88, 88, 94};
constexpr Rgb kChrome{196, 198, 204};
constexpr Rgb kHeadlamp{238, 234, 204};
constexpr Rgb kAmber{234, 146, 28};
constexpr Rgb kTailLamp{204, 26, 22};
constexpr Rgb kTyre{30, 30, 32};
constexpr Rgb kRim{176, 178, 184};
constexpr Rgb kHub{98, 98, 104};
constexpr Rgb kMetal{62, 62, 66};
constexpr Rgb kBoxWhite{228, 230, 226};
constexpr Rgb kRoofGrey{200, 202, 200};
constexpr Rgb kStripeBlue{30, 62, 142};
constexpr Rgb kLogoInk{26, 54, 124};

// ---- parts both vehicles share ---------------------------------------------

// A wheel seen side on: tyre, silver rim, dark hub with its nuts.
Rgb WheelAt(int x, int y, PixelRect picture) {
    const double half = picture.width / 2.0;
    const double dx = x + 0.5 - half;
    const double dy = y + 0.5 - picture.height / 2.0;
    const double r = std::hypot(dx, dy) / half;  // 1 at the tyre's edge
    if (r > 0.68) return Scale(kTyre, r > 0.94 ? 0.8 : 1.0);
    if (r > 0.62) return Scale(kRim, 0.7);
    if (r > 0.3) {
        // The rim is lit from above and dimmed below.
        return Scale(kRim, 1.0 - 0.25 * dy / half);
    }
    const double angle = std::atan2(dy, dx);
    const double nut = std::fmod(angle / (2 * 3.14159265358979) * 6 + 6.0, 1.0);
    if (r > 0.18 && r < 0.25 && nut < 0.3) return kChrome;
    return kHub;
}

// The tread, with grooves across it.
Rgb TreadAt(int x, int y) {
    if (y % 8 < 2) return Scale(kTyre, 0.6);
    if (x == 11 || x == 12) return Scale(kTyre, 0.7);
    return kTyre;
}

// Painted steel of the chassis, bumpers and couplings: dark and a little uneven.
Rgb MetalAt(int x, int y) {
    return Scale(kMetal, 0.9 + 0.2 * HashUnit(x, y, 71));
}

// Polished steel, bands of light and shade repeating down it.
Rgb ChromeAt(int, int y) {
    return Scale(kChrome, 1.05 - 0.012 * (y % 24));
}

void PaintRunningGear(Image& atlas, PixelRect wheel, PixelRect tread, PixelRect metal, PixelRect chrome) {
    PaintArea(atlas, wheel, [&](int x, int y) { return WheelAt(x, y, wheel); });
    PaintArea(atlas, tread, TreadAt);
    PaintArea(atlas, metal, MetalAt);
    PaintArea(atlas, chrome, ChromeAt);
}

// ---- the cab ------------------------------------------------------------------

// Paint with a faint shadow toward the lower edge of a panel `height` high.
Rgb CabPaintAt(int y, int height) {
    return Scale(kCabPaint, 1.04 - 0.14 * y / height);
}

// A window: rubber seal round the glass.
Rgb WindowAt(int x, int y, PixelRect opening, int radius) {
    if (InsideRounded(x, y, Shrunk(opening, 2), radius - 2)) return GlassAt(x, y);
    return kRubber;
}

// The flat front: windscreen across the top, badge, grille, headlamps.
Rgb CabFrontAt(int x, int y) {
    const PixelRect picture = cab::kFrontPicture;
    const PixelRect windscreen{8, 6, 128, 40};
    const PixelRect badge{60, 51, 24, 5};
    const PixelRect grille{34, 60, 76, 30};
    const PixelRect lamps[2] = {{8, 64, 22, 18}, {114, 64, 22, 18}};
    const PixelRect indicators[2] = {{8, 84, 22, 5}, {114, 84, 22, 5}};
    if (InsideRounded(x, y, windscreen, 6)) return WindowAt(x, y, windscreen, 6);
    if (Inside(x, y, badge)) return ChromeAt(x, y - badge.y);
    if (Inside(x, y, grille)) {
        if (!Inside(x, y, Shrunk(grille, 2))) return kChrome;
        return (y - grille.y) % 5 < 2 ? kGrilleSlat : kGrille;
    }
    for (int side = 0; side < 2; ++side) {
        if (InsideRounded(x, y, lamps[side], 4))
            return Inside(x, y, Shrunk(lamps[side], 2)) ? kHeadlamp : kChrome;
        if (Inside(x, y, indicators[side])) return kAmber;
    }
    if (y >= picture.height - 4) return Scale(kCabPaint, 0.7);
    return CabPaintAt(y, picture.height);
}

// The side, the cabin's front at the left: side window over the door, the
// arch over the front wheel at the bottom, a vent behind the door.
Rgb CabSideAt(int x, int y) {
    const PixelRect picture = cab::kSidePicture;
    // Where the pixel lies on the cabin's side, in world units from the axle.
    const double along =
        cab::kCabinFrontX + (x + 0.5) * (cab::kCabinRearX - cab::kCabinFrontX) / picture.width;
    const double up = cab::kCabinRoofY - (y + 0.5) * (cab::kCabinRoofY - cab::kCabinFloorY) / picture.height;
    const double arch = std::hypot(along - cab::kFrontAxleX, up - kWheelRadius);
    const PixelRect window{8, 8, 52, 50};
    const PixelRect door{4, 4, 62, 96};
    const PixelRect handle{50, 64, 10, 4};
    const PixelRect vent{72, 66, 18, 22};
    if (arch < cab::kArchRadius) return Scale(kRubber, 0.6);
    if (arch < cab::kArchRadius + 0.03) return kRubber;
    if (InsideRounded(x, y, window, 6)) return WindowAt(x, y, window, 6);
    if (Inside(x, y, handle)) return ChromeAt(x, y - handle.y);
    if (Inside(x, y, door) && !Inside(x, y, Shrunk(door, 1))) return Scale(kCabPaint, 0.55);
    if (Inside(x, y, vent)) return (y - vent.y) % 4 < 2 ? kGrille : Scale(kCabPaint, 0.8);
    if (x < 4 && y > 80 && y < 86) return kAmber;  // side marker lamp
    return CabPaintAt(y, picture.height);
}

// The back of the cabin: a small window and two panel seams.
Rgb CabBackAt(int x, int y) {
    const PixelRect window{52, 14, 40, 20};
    if (InsideRounded(x, y, window, 4)) return WindowAt(x, y, window, 4);
    if (x == 24 || x == 119) return Scale(kCabPaint, 0.7);
    return CabPaintAt(y, cab::kBackPicture.height);
}

// The roof seen from above, its front edge at the top: marker lamps along the
// front and a hatch in the middle.
Rgb CabRoofAt(int x, int y) {
    const PixelRect hatch{24, 10, 24, 18};
    if (y >= 2 && y < 5 && x % 12 >= 4 && x % 12 < 8) return kAmber;
    if (Inside(x, y, hatch) && !Inside(x, y, Shrunk(hatch, 2))) return Scale(kCabPaint, 0.65);
    return Scale(kCabPaint, 1.08);
}

// ---- the trailer --------------------------------------------------------------

// White panels joined by an upright post every 24 pixels.
Rgb BoxPanelAt(int x) {
    const int post = x % 24;
    if (post < 2) return Scale(kBoxWhite, 0.86);
    if (post == 2) return Scale(kBoxWhite, 1.04);
    return kBoxWhite;
}

// The side, the front at the left: top rail, panels, the stripes, the rail at
// the floor. The name is painted over it afterwards.
Rgb TrailerSideAt(int x, int y) {
    const int height = trailer::kSidePicture.height;
    if (y < 4) return ChromeAt(x, y);
    if (y >= height - 6) return MetalAt(x, y);
    if (y >= 56 && y < 66) return kStripeBlue;
    if (y >= 67 && y < 70) return kTailLamp;
    if (y >= height - 9 && x % 84 >= 40 && x % 84 < 46) return kAmber;  // side reflectors
    return BoxPanelAt(x);
}

// The rear doors: frame, two doors with their lock bars, lamps, a red and
// white reflective strip along the bottom.
Rgb TrailerRearAt(int x, int y) {
    const PixelRect picture = trailer::kRearPicture;
    const int middle = picture.width / 2;
    const PixelRect lamps[2] = {{8, 82, 18, 12}, {picture.width - 26, 82, 18, 12}};
    if (y >= picture.height - 6) return (x / 10) % 2 == 0 ? kTailLamp : kBoxWhite;
    if (!Inside(x, y, Shrunk({0, 0, picture.width, picture.height}, 6))) return MetalAt(x, y);
    if (x == middle || x == middle - 1) return kRubber;
    for (const PixelRect& lamp : lamps) {
        if (Inside(x, y, lamp)) return x - lamp.x < 6 ? kAmber : kTailLamp;
    }
    const int in_door = x < middle ? x - 6 : x - middle - 1;
    const bool bar = (in_door >= 22 && in_door < 24) || (in_door >= 50 && in_door < 52);
    if (bar && y >= 10 && y < 92) return ChromeAt(x, y);
    if (bar && y >= 58 && y < 64) return kChrome;
    if ((in_door >= 20 && in_door < 26) && y >= 58 && y < 64) return kChrome;  // the handles
    if (y % 20 == 0) return Scale(kBoxWhite, 0.9);
    return kBoxWhite;
}

// The front wall, facing the cab: panels, marker lamps at the top corners, a vent.
Rgb TrailerFrontAt(int x, int y) {
    const PixelRect picture = trailer::kFrontPicture;
    const PixelRect vent{60, 40, 40, 20};
    if (y < 4) return ChromeAt(x, y);
    if (y >= picture.height - 8) return MetalAt(x, y);
    if (y < 10 && (x < 12 || x >= picture.width - 12)) return kAmber;
    if (Inside(x, y, vent)) return (y - vent.y) % 4 < 2 ? kGrille : Scale(kBoxWhite, 0.8);
    return BoxPanelAt(x);
}

// The roof from above, front edge at the top: sheet with ribs across it and a
// rail along each side.
Rgb TrailerRoofAt(int x, int y) {
    if (x < 2 || x >= trailer::kRoofPicture.width - 2) return Scale(kRoofGrey, 0.8);
    if (y % 16 == 0) return Scale(kRoofGrey, 0.88);
    return kRoofGrey;
}

// The name along the side, between the top rail and the stripes.
constexpr PixelRect kNameRoom{trailer::kSidePicture.x + 56, trailer::kSidePicture.y + 12,
                              trailer::kSidePicture.width - 112, 36};

}  // namespace

Image MakeCabTexture() {
    Image atlas(cab::kTextureSize, cab::kTextureSize, kMetal);
    PaintArea(atlas, cab::kFrontPicture, CabFrontAt);
    PaintArea(atlas, cab::kSidePicture, CabSideAt);
    PaintArea(atlas, cab::kBackPicture, CabBackAt);
    PaintArea(atlas, cab::kRoofPicture, CabRoofAt);
    PaintArea(atlas, cab::kPaintPicture, [](int, int y) { return CabPaintAt(y, cab::kPaintPicture.height); });
    PaintRunningGear(atlas, cab::kWheelPicture, cab::kTreadPicture, cab::kMetalPicture, cab::kChromePicture);
    return atlas;
}

std::optional<Image> MakeTrailerTexture(const std::filesystem::path& lettering_font) {
    Image atlas(trailer::kTextureWidth, trailer::kTextureHeight, kMetal);
    PaintArea(atlas, trailer::kSidePicture, TrailerSideAt);
    PaintArea(atlas, trailer::kRearPicture, TrailerRearAt);
    PaintArea(atlas, trailer::kFrontPicture, TrailerFrontAt);
    PaintArea(atlas, trailer::kRoofPicture, TrailerRoofAt);
    PaintRunningGear(atlas, trailer::kWheelPicture, trailer::kTreadPicture, trailer::kMetalPicture,
                     trailer::kChromePicture);
    if (!PaintWordsCentred(atlas, lettering_font, "GRAVELRIDER", kNameRoom, kLogoInk)) return std::nullopt;
    return atlas;
}

}  // namespace assetgen
