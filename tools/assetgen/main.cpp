// assetgen: draws the bitmaps the runtime and the game load at start-up and
// writes them into the given folder, next to the programs.
//
//   assetgen <output folder> <font file>
#include <iostream>
#include <string>

#include "asset_folder.h"
#include "font_sheet.h"
#include "nature_textures.h"
#include "paving.h"
#include "road_tiles.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: assetgen <output folder> <font file>\n";
        return 2;
    }
    using namespace assetgen;
    AssetFolder out(argv[1]);
    out.SaveBitmap("Smalfont.bmp", RenderFontSheet(argv[2]));
    for (int mask = 0; mask < 16; ++mask)
        out.SaveBitmap("track" + std::to_string(mask) + ".bmp", MakeRoadTile(mask));
    out.SaveBitmap("grass0.bmp", MakeGrass());
    out.SaveBitmap("shop.bmp", MakeShopFloor());
    out.SaveBitmap("tree.bmp", MakeTree());
    return out.AllSaved() ? 0 : 1;
}
