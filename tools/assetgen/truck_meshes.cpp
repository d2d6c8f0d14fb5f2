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

// The plain parts both vehicles are built with, and their wheels, from one
// texture's pictures.
struct Parts {
    BoxSkins metal;
    BoxSkins chrome;
    Skin hub;
    Skin tread;
};

Parts PartsFrom(TextureSize texture, PixelRect metal, PixelRect chrome, PixelRect wheel, PixelRect tread) {
    return {SameOnEveryFace(texture.Picture(metal)), SameOnEveryFace(texture.Picture(chrome)),
            texture.Picture(wheel), texture.Picture(tread)};
}

void AddAxle(MeshBuilder& builder, double x, const Parts& parts) {
    for (double side : kSides)
        builder.AddWheel({{x, kWheelRadius, side * kWheelCentreZ}, kWheelRadius, kWheelWidth}, kWheelSides,
                         parts.hub, parts.tread);
}

}  // namespace

MeshObject MakeCabMesh() {
    using namespace cab;
    constexpr TextureSize texture{kTextureSize, kTextureSize};
    const Parts parts = PartsFrom(texture, kMetalPicture, kChromePicture, kWheelPicture, kTreadPicture);
    MeshBuilder builder;
    // The side picture has the cabin's front at its left, which is where a
    // viewer sees the front on the left side; on the right side it is mirrored.
    builder.AddBox(
        {{kCabinFrontX, kCabinFloorY, -kHalfWidth}, {kCabinRearX, kCabinRoofY, kHalfWidth}},
        {texture.Picture(kFrontPicture), texture.Picture(kBackPicture), texture.Picture(kMetalPicture),
         texture.Picture(kRoofPicture), texture.Picture(kSidePicture, true), texture.Picture(kSidePicture)});
    builder.AddBox({{kBumperFrontX, 0.24, -kHalfWidth}, {-2.13, kCabinFloorY, kHalfWidth}}, parts.metal);
    builder.AddBox({{-2.13, 0.3, -0.6}, {kCabinRearX, kCabinFloorY, 0.6}}, parts.metal);  // under the cabin
    builder.AddBox({{-1.25, 0.35, -0.5}, {kCouplingX, 0.55, 0.5}}, parts.metal);          // chassis rails
    builder.AddBox({{-0.75, 0.55, -0.45}, {kCouplingX, 0.65, 0.45}}, parts.metal);        // coupling plate
    // The wind deflector on the roof, sloping up toward the trailer.
    const std::array<Vec3, 3> deflector{{{-1.9, kCabinRoofY, -0.95},
                                         {kCabinRearX, kCabinRoofY, -0.95},
                                         {kCabinRearX, kDeflectorTopY, -0.95}}};
    builder.AddPrism(deflector, {0, 0, 1.9}, texture.Picture(kPaintPicture));
    for (double side : kSides) {
        builder.AddBox(SideBox(-1.36, 0.22, -1.09, 0.5, 0.6, 0.96, side), parts.chrome);  // fuel tank
        builder.AddBox(SideBox(-1.12, 0.74, kCouplingX, 0.78, 0.62, kHalfWidth, side),
                       parts.metal);                                                       // mudguard
        builder.AddBox(SideBox(-1.19, 0.55, -1.1, 2.02, 0.84, 0.93, side), parts.chrome);  // exhaust
    }
    AddAxle(builder, kFrontAxleX, parts);
    AddAxle(builder, kRearAxleX, parts);
    return builder.Finish();
}

MeshObject MakeTrailerMesh() {
    using namespace trailer;
    constexpr TextureSize texture{kTextureWidth, kTextureHeight};
    const Parts parts = PartsFrom(texture, kMetalPicture, kChromePicture, kWheelPicture, kTreadPicture);
    const Skin side = texture.Picture(kSidePicture);
    MeshBuilder builder;
    // Both sides show the side picture upright as seen from outside, so the
    // name reads from left to right on either side.
    builder.AddBox({{kFrontX, kFloorY, -kHalfWidth}, {kRearX, kRoofY, kHalfWidth}},
                   {texture.Picture(kFrontPicture), texture.Picture(kRearPicture),
                    texture.Picture(kMetalPicture), texture.Picture(kRoofPicture), side, side});
    builder.AddBox({{-6.9, 0.66, -0.55}, {1.1, kFloorY, 0.55}}, parts.metal);  // chassis rails
    builder.AddBox({{kKingpinX - 0.05, 0.58, -0.05}, {kKingpinX + 0.05, 0.66, 0.05}}, parts.chrome);
    builder.AddBox({{1.12, 0.3, -0.9}, {1.22, 0.42, 0.9}}, parts.metal);  // under-ride bar
    for (double z_side : kSides) {
        builder.AddBox(SideBox(-5.3, 0.12, -5.2, 0.66, 0.45, 0.55, z_side), parts.metal);    // landing leg
        builder.AddBox(SideBox(-5.36, 0.06, -5.14, 0.12, 0.42, 0.58, z_side), parts.metal);  // its foot
        builder.AddBox(SideBox(0.84, 0.12, 0.92, 0.66, 0.64, 0.98, z_side), parts.metal);    // mudflap
        builder.AddBox(SideBox(1.12, 0.42, 1.22, kFloorY, 0.42, 0.5, z_side), parts.metal);  // bar strut
    }
    AddAxle(builder, -kAxleSpacing / 2, parts);
    AddAxle(builder, kAxleSpacing / 2, parts);
    return builder.Finish();
}

}  // namespace assetgen
