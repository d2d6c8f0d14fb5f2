#include "shop_mesh.h"
#include "mesh_builder.h"
#include "shop_building.h"

namespace assetgen {

MeshObject MakeShopMesh() {
    using namespace shop;
    constexpr TextureSize texture{kTextureSize, kTextureSize};
    const Skin facade = texture.Picture(kFacadePicture);
    const Skin roof = texture.Picture(kRoofPicture);
    const BoxSkins coping = SameOnEveryFace(texture.Picture(kCopingPicture));
    MeshBuilder builder;
    builder.AddBox({{0, 0, 0}, {kSize, kWallHeight, kSize}}, {facade, facade, roof, roof, facade, facade});
    // The parapet round the roof's edge: two long runs and two short ones between them.
    const double low = kWallHeight;
    const double high = kWallHeight + kParapetHeight;
    const double inner = kSize - kParapetThickness;
    builder.AddBox({{0, low, 0}, {kSize, high, kParapetThickness}}, coping);
    builder.AddBox({{0, low, inner}, {kSize, high, kSize}}, coping);
    builder.AddBox({{0, low, kParapetThickness}, {kParapetThickness, high, inner}}, coping);
    builder.AddBox({{inner, low, kParapetThickness}, {kSize, high, inner}}, coping);
    // The cooling unit, its grilles on every side.
    const Skin grille = texture.Picture(kUnitGrillePicture);
    const Skin unit_top = texture.Picture(kUnitTopPicture);
    builder.AddBox({{4.2, low, 1.4}, {5.4, low + 0.6, 2.4}},
                   {grille, grille, unit_top, unit_top, grille, grille});
    return builder.Finish();
}

}  // namespace assetgen
