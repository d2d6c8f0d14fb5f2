// Sounds and video clips made at test time with the ffmpeg program (a test
// tool; the runtime itself decodes through SDL_mixer and libmpv).
#pragma once

#include <cstdlib>
#include <string>

#include "files/files_test_support.h"

inline bool HaveFfmpeg() {
    return std::system("command -v ffmpeg > /dev/null 2>&1") == 0;
}

// Runs ffmpeg on its arguments, writing the file `name`; its path, or empty when it cannot be made.
inline std::string MadeByFfmpeg(const std::string& arguments, const std::string& name) {
    const std::string command = "ffmpeg -v error -y " + arguments + " '" + TempPath(name) + "' < /dev/null";
    return std::system(command.c_str()) == 0 ? TempPath(name) : std::string();
}
