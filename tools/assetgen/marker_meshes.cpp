#include "marker_meshes.h"

#include <array>

#include "mesh_builder.h"

namespace assetgen {
namespace {

constexpr Rgb kMarkerOrange{255, 150, 24};
constexpr Rgb kArrowYellow{255, 212, 20};

// The arrow lies flat this far above the ground, clear of the road surface.
constexpr double kArrowBottomY = 0.05;
constexpr double kArrowThickness = 0.06;
constexpr double kShaftHalfWidth = 0.16;
constexpr double kHeadHalfWidth = 0.5;
constexpr double kHeadLength = 1.1;

}  // namespace

MeshObject MakeAxleMarkerMesh() {
    MeshBuilder builder;
    builder.AddBall({0, 0, 0}, kAxleMarkerRadius, 16, 10, kMarkerOrange);
    return builder.Finish();
}

MeshObject MakeSteeringArrowMesh() {
    const Skin paint{{}, kArrowYellow, false};
    const double head_base_x = -(kArrowLength - kHeadLength);
    MeshBuilder builder;
    builder.AddBox({{head_base_x, kArrowBottomY, -kShaftHalfWidth},
                    {0, kArrowBottomY + kArrowThickness, kShaftHalfWidth}},
                   SameOnEveryFace(paint));
    const std::array<Vec3, 3> head{{{head_base_x, kArrowBottomY, -kHeadHalfWidth},
                                    {head_base_x, kArrowBottomY, kHeadHalfWidth},
                                    {-kArrowLength, kArrowBottomY, 0}}};
    builder.AddPrism(head, {0, kArrowThickness, 0}, paint);
    return builder.Finish();
}

}  // namespace assetgen
