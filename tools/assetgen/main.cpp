// assetgen: draws the bitmaps and builds the models the game loads at
// start-up, and writes them into the given folder, next to the programs.
//
//   assetgen <output folder> <lettering font file>
//
// The lettering font sets the names painted on the trailer and the shop. (The
// runtime's default font is drawn by fontsheet.)
#include <iostream>
#include <string>

#include "asset_folder.h"
#include "marker_meshes.h"
#include "nature_textures.h"
#include "paving.h"
#include "road_tiles.h"
#include "shop_building.h"
#include "shop_mesh.h"
#include "truck_meshes.h"
#include "truck_textures.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: assetgen <output folder> <lettering font file>\n";
        return 2;
    }
    using namespace assetgen;
    AssetFolder out(argv[1]);
    for (int mask = 0; mask < 16; ++mask)
        out.SaveBitmap("track" + std::to_string(mask) + ".bmp", MakeRoadTile(mask));
    out.SaveBitmap("grass0.bmp", MakeGrass());
    out.SaveBitmap("shop.bmp", MakeShopFloor());
    out.SaveBitmap("tree.bmp", MakeTree());
    out.SaveFile("truck1.ddd", MakeCabMesh().SaveToBytes());
    out.SaveBitmap("truck1.bmp", MakeCabTexture());
    out.SaveFile("trailer2.ddd", MakeTrailerMesh().SaveToBytes());
    out.SaveBitmap("trailer2.bmp", MakeTrailerTexture(argv[2]));
    out.SaveFile("sphere.ddd", MakeAxleMarkerMesh().SaveToBytes());
    out.SaveFile("arrow.ddd", MakeSteeringArrowMesh().SaveToBytes());
    out.SaveFile("shop1.ddd", MakeShopMesh().SaveToBytes());
    out.SaveBitmap("shop1.bmp", MakeShopTexture(argv[2]));
    return out.AllSaved() ? 0 : 1;
}
