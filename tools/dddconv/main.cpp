// dddconv: converts a model (OBJ, glTF 2.0, FBX, 3DS and the other formats
// Assimp reads) into a .ddd object the runtime loads with X_LOADOBJ, with its
// texture beside it as a bitmap, and says what it could not keep.
//
//   dddconv [--scale S] [--frames N] <model> <output.ddd>
#include <iostream>
#include <string>
#include <vector>

#include "conversion.h"
#include "conversion_options.h"

int main(int argc, char** argv) {
    std::string error;
    const std::optional<dddconv::ConversionOptions> options =
        dddconv::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "dddconv: " << error << '\n' << dddconv::kUsage;
        return 2;
    }
    const std::optional<dddconv::ConversionReport> report = dddconv::ConvertModel(*options, error);
    if (!report) {
        std::cerr << "dddconv: " << error << '\n';
        return 1;
    }
    for (const std::string& line : report->written)
        std::cout << "dddconv: " << line << '\n';
    for (const std::string& line : report->dropped)
        std::cout << "dddconv: dropped " << line << '\n';
    return 0;
}
