// Small video clips made at test time with the ffmpeg program (a test tool;
// the runtime itself plays videos through libmpv).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "files/files_test_support.h"
#include "support/pixels.h"

inline bool HaveFfmpeg() {
    return std::system("command -v ffmpeg > /dev/null 2>&1") == 0;
}

// A clip of `seconds` at 30 frames per second with a 440 Hz tone, the top half
// red and the bottom half blue; its path, or empty when it cannot be made.
inline std::string MakeClip(const std::string& name, int width, int height, double seconds) {
    const std::string length = std::to_string(seconds), w = std::to_string(width), h = std::to_string(height);
    const std::string command = "ffmpeg -v error -y -f lavfi -i 'color=c=red:s=" + w + "x" + h +
                                ":r=30:d=" + length + ",drawbox=x=0:y=" + std::to_string(height / 2) +
                                ":w=" + w + ":h=" + std::to_string(height - height / 2) +
                                ":color=blue:t=fill' -f lavfi -i 'sine=frequency=440:duration=" + length +
                                "' -c:v mpeg4 -q:v 2 -pix_fmt yuv420p -c:a aac -shortest '" + TempPath(name) +
                                "' < /dev/null";
    return std::system(command.c_str()) == 0 ? TempPath(name) : std::string();
}

// Whether two colours are the same after the video's colour space and compression.
inline bool LooksLike(const Rgb& seen, const Rgb& colour) {
    for (std::size_t k = 0; k < 3; ++k) {
        if (std::abs(seen[k] - colour[k]) > 24) return false;
    }
    return true;
}

inline const Rgb kBlue{0, 0, 255};
