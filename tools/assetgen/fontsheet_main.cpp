// fontsheet: draws the runtime's default font sheet on its own. The build
// compiles the sheet into the runtime library, which assetgen (built on that
// library) cannot make, and ships it beside the programs as Smalfont.bmp.
//
//   fontsheet <output bitmap> <font file>
#include <filesystem>
#include <iostream>

#include "asset_folder.h"
#include "font_sheet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fontsheet <output bitmap> <font file>\n";
        return 2;
    }
    const std::filesystem::path output(argv[1]);
    assetgen::AssetFolder out(output.parent_path());
    out.SaveBitmap(output.filename().string(), assetgen::RenderFontSheet(argv[2]));
    return out.AllSaved() ? 0 : 1;
}
