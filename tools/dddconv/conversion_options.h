// What the command line asks dddconv to do.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dddconv {

inline constexpr int kDefaultFrames = 16;
inline constexpr int kMostFrames = 256;

struct ConversionOptions {
    std::string model;   // the model file to read
    std::string output;  // the .ddd file to write; the texture goes beside it with the extension .bmp
    double scale = 1;    // every position is multiplied by it
    int frames = kDefaultFrames;  // frames taken from an animation
};

inline constexpr const char* kUsage =
    "usage: dddconv [--scale S] [--frames N] <model> <output.ddd>\n"
    "  Converts an OBJ, glTF 2.0, FBX or 3DS model (or any other format Assimp reads) into a .ddd\n"
    "  object, and writes its texture beside it as a bitmap of the same name.\n"
    "  --scale S   multiply every position by S (default 1)\n"
    "  --frames N  take N frames, evenly spaced, from the model's first animation (default 16, at most "
    "256)\n";

// The options of the arguments after the program name; nothing, with the
// reason in `error`, when they do not make sense.
std::optional<ConversionOptions> ParseOptions(const std::vector<std::string>& arguments, std::string& error);

}  // namespace dddconv
