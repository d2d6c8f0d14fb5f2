#include "truck_meshes.h"

#include <array>

#include "mesh_builder.h"
#include "truck_layout.h"

namespace assetgen {
namespace {

// Both sides of a part that comes in a left and a right copy: z = +1 and -1.
constexpr std::array<double, 2> kSides{1.0, -1.0};

// A box reaching across z from `inner` to `outer` on the given side.
Box SideBox(double x0, double y0, double x1, double y1, double inner, double outer, double side) {
    const double z0 = side > 0 ? inner : -outer;
    const double z1 = side > 0 ? outer : -inner;
    return {{x0, y0, z0}, {x1, y1, z1}};
}

void AddWheelPair(MeshBuilder& builder, double axle_x, const Skin& hub, const Skin& tread) {
    for (double side : kSides)
        builder.AddWheel({{axle_x, kWheelRadius, side * kWheelCentreZ}, kWheelRadius, kWheelWidth},
                         kWheelSides, hub, tread);
}

Skin CabSkin(PixelRect picture, bool mirrored = false) {
    return {AreaOf(picture, cab::kTextureSize, cab::kTextureSize), kWhite, mirrored};
}

Skin TrailerSkin(PixelRect picture) {
    return {AreaOf(picture, trailer::kTextureWidth, trailer::kTextureHeight), kWhite, false};
}

}  // namespace

MeshObject MakeCabMesh() {
    using namespace cab;
    const Skin paint = CabSkin(kPaintPicture);
    const Skin metal = CabSkin(kMetalPicture);
    const Skin chrome = CabSkin(kChromePicture);
    MeshBuilder builder;
    // The side picture has the cabin's front at its left, which is where a
    // viewer sees the front on the left side; on the right side it is mirrored.
    builder.AddBox({{kCabinFrontX, kCabinFloorY, -kHalfWidth}, {kCabinRearX, kCabinRoofY, kHalfWidth}},
                   {CabSkin(kFrontPicture), CabSkin(kBackPicture), metal, CabSkin(kRoofPicture),
                    CabSkin(kSidePicture, true), CabSkin(kSidePicture)});
    builder.AddBox({{kBumperFrontX, 0.24, -kHalfWidth}, {-2.13, kCabinFloorY, kHalfWidth}},
                   SameOnEveryFace(metal));
    builder.AddBox({{-2.13, 0.3, -0.6}, {kCabinRearX, kCabinFloorY, 0.6}}, SameOnEveryFace(metal));
    builder.AddBox({{-1.25, 0.35, -0.5}, {kCouplingX, 0.55, 0.5}}, SameOnEveryFace(metal));
    builder.AddBox({{-0.75, 0.55, -0.45}, {kCouplingX, 0.65, 0.45}},
                   SameOnEveryFace(metal));  // coupling plate
    // The wind deflector on the roof, sloping up toward the trailer.
    const std::array<Vec3, 3> deflector{{{-1.9, kCabinRoofY, -0.95},
                                         {kCabinRearX, kCabinRoofY, -0.95},
                                         {kCabinRearX, kDeflectorTopY, -0.95}}};
    builder.AddPrism(deflector, {0, 0, 1.9}, paint);
    for (double side : kSides) {
        builder.AddBox(SideBox(-1.36, 0.22, -1.09, 0.5, 0.6, 0.96, side),
                       SameOnEveryFace(chrome));  // fuel tank
        builder.AddBox(SideBox(-1.12, 0.74, kCouplingX, 0.78, 0.62, kHalfWidth, side),
                       SameOnEveryFace(metal));  // mudguard
        builder.AddBox(SideBox(-1.19, 0.55, -1.1, 2.02, 0.84, 0.93, side),
                       SameOnEveryFace(chrome));  // exhaust
    }
    const Skin hub = CabSkin(kWheelPicture);
    const Skin tread = CabSkin(kTreadPicture);
    AddWheelPair(builder, kFrontAxleX, hub, tread);
    AddWheelPair(builder, kRearAxleX, hub, tread);
    return builder.Finish();
}

MeshObject MakeTrailerMesh() {
    using namespace trailer;
    const Skin metal = TrailerSkin(kMetalPicture);
    const Skin chrome = TrailerSkin(kChromePicture);
    const Skin side = TrailerSkin(kSidePicture);
    MeshBuilder builder;
    // Both sides show the side picture upright as seen from outside, so the
    // name reads from left to right on either side.
    builder.AddBox({{kFrontX, kFloorY, -kHalfWidth}, {kRearX, kRoofY, kHalfWidth}},
                   {TrailerSkin(kFrontPicture), TrailerSkin(kRearPicture), metal, TrailerSkin(kRoofPicture),
                    side, side});
    builder.AddBox({{-6.9, 0.66, -0.55}, {1.1, kFloorY, 0.55}}, SameOnEveryFace(metal));  // chassis rails
    builder.AddBox({{kKingpinX - 0.05, 0.58, -0.05}, {kKingpinX + 0.05, 0.66, 0.05}},
                   SameOnEveryFace(chrome));
    builder.AddBox({{1.12, 0.3, -0.9}, {1.22, 0.42, 0.9}}, SameOnEveryFace(metal));  // under-ride bar
    for (double z_side : kSides) {
        builder.AddBox(SideBox(-5.3, 0.12, -5.2, 0.66, 0.45, 0.55, z_side),
                       SameOnEveryFace(metal));  // landing leg
        builder.AddBox(SideBox(-5.36, 0.06, -5.14, 0.12, 0.42, 0.58, z_side),
                       SameOnEveryFace(metal));  // its foot
        builder.AddBox(SideBox(0.84, 0.12, 0.92, 0.66, 0.64, 0.98, z_side),
                       SameOnEveryFace(metal));  // mudflap
        builder.AddBox(SideBox(1.12, 0.42, 1.22, kFloorY, 0.42, 0.5, z_side),
                       SameOnEveryFace(metal));  // bar strut
    }
    const Skin hub = TrailerSkin(kWheelPicture);
    const Skin tread = TrailerSkin(kTreadPicture);
    AddWheelPair(builder, -kAxleSpacing / 2, hub, tread);
    AddWheelPair(builder, kAxleSpacing / 2, hub, tread);
    return builder.Finish();
}

}  // namespace assetgen
