// The shapes of the truck's cab and trailer, and where each surface's picture
// lies in their texture bitmaps; the meshes and the textures are made from
// the same numbers so that they line up.
//
// Both models face -x with their reference point at the origin and y up: the
// game turns -x onto the segment's heading. Left and right are z = +1 and
// z = -1; lengths are world units.
#pragma once

#include "texture_atlas.h"

namespace assetgen {

// Wheels of the cab and the trailer.
inline constexpr double kWheelRadius = 0.36;
inline constexpr double kWheelWidth = 0.28;
inline constexpr double kWheelCentreZ = 0.81;  // either side
inline constexpr int kWheelSides = 16;

// The cab: from its bumper 2.25 ahead of the reference point back to the
// coupling 0.3 ahead of it, 2 wide. The front axle is the steering point 1.75
// ahead; the trailer's kingpin sits on the coupling plate at the back.
namespace cab {
inline constexpr double kBumperFrontX = -2.25;
inline constexpr double kCabinFrontX = -2.2;
inline constexpr double kCabinRearX = -1.2;
inline constexpr double kCabinFloorY = 0.5;
inline constexpr double kCabinRoofY = 1.85;
inline constexpr double kDeflectorTopY = 2.1;
inline constexpr double kCouplingX = -0.3;
inline constexpr double kHalfWidth = 1.0;
inline constexpr double kFrontAxleX = -1.75;
inline constexpr double kRearAxleX = -0.7;
// The dark wheel arch cut into the cabin's side around the front wheel.
inline constexpr double kArchRadius = 0.42;

inline constexpr int kTextureSize = 256;  // truck1.bmp is square
inline constexpr PixelRect kFrontPicture{4, 4, 144, 98};
inline constexpr PixelRect kSidePicture{156, 4, 96, 130};  // the cabin's front at its left
inline constexpr PixelRect kBackPicture{4, 110, 144, 98};
inline constexpr PixelRect kRoofPicture{4, 216, 72, 36};
inline constexpr PixelRect kPaintPicture{84, 216, 24, 24};
inline constexpr PixelRect kMetalPicture{116, 216, 24, 24};
inline constexpr PixelRect kChromePicture{148, 216, 24, 24};
inline constexpr PixelRect kWheelPicture{156, 142, 64, 64};
inline constexpr PixelRect kTreadPicture{228, 142, 24, 64};
}  // namespace cab

// The trailer: a box from 6.95 ahead of its reference point to 1.25 behind
// it, 2 wide, on a tandem axle around the reference point, with its kingpin
// 6.45 ahead where it couples to the cab.
namespace trailer {
inline constexpr double kFrontX = -6.95;
inline constexpr double kRearX = 1.25;
inline constexpr double kKingpinX = -6.45;
inline constexpr double kFloorY = 0.8;
inline constexpr double kRoofY = 2.1;
inline constexpr double kHalfWidth = 1.0;
inline constexpr double kAxleSpacing = 0.84;

inline constexpr int kTextureWidth = 512;  // trailer2.bmp
inline constexpr int kTextureHeight = 256;
inline constexpr PixelRect kSidePicture{4, 4, 504, 80};
inline constexpr PixelRect kRearPicture{4, 92, 160, 104};
inline constexpr PixelRect kFrontPicture{172, 92, 160, 104};
inline constexpr PixelRect kRoofPicture{340, 92, 40, 160};
inline constexpr PixelRect kWheelPicture{388, 92, 64, 64};
inline constexpr PixelRect kTreadPicture{460, 92, 24, 64};
inline constexpr PixelRect kMetalPicture{388, 164, 24, 24};
inline constexpr PixelRect kChromePicture{420, 164, 24, 24};
}  // namespace trailer

}  // namespace assetgen
