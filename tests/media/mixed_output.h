// What the runtime really mixed: the disk audio driver writes each mixed buffer
// to a file, paced in real time. No test depends on that pace: a test waits for
// the mixer's state and then for the file to hold everything mixed until then.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "files/files_test_support.h"
#include "support/test_runtime.h"

struct StereoFrame {
    std::int16_t left;
    std::int16_t right;
};

namespace mixed_output {

// Starts the runtime (once per process) with its mixed sound going to the file.
inline TestRuntime Start() {
    if (pPrism == nullptr) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", TempPath("mixed.raw").c_str(), 1);
    }
    return StartTestRuntime();
}

// The frames in the file now: the place from which the next sounds appear. No
// file yet (the device still opening on its thread) is no frames.
inline std::size_t Mark() {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(TempPath("mixed.raw"), error);
    return error ? 0 : static_cast<std::size_t>(bytes) / sizeof(StereoFrame);
}

inline std::vector<StereoFrame> FramesSince(std::size_t mark) {
    std::ifstream file(TempPath("mixed.raw"), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(mark * sizeof(StereoFrame)));
    std::vector<StereoFrame> frames;
    for (StereoFrame frame; file.read(reinterpret_cast<char*>(&frame), sizeof frame);)
        frames.push_back(frame);
    return frames;
}

// False when the condition still does not hold after a limit far beyond any test's need.
inline bool WaitUntil(const std::function<bool()>& condition) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

inline int SoundsPlaying() {
    int playing = 0;
    for (int n = 0; n < kSoundCount; ++n)
        playing += DXwav[n].PlayingCount();
    return playing;
}

// Waits until no sound plays and all mixed until then is in the file (past the
// file's write buffer and one mixer buffer), then gives the output since the mark.
inline std::vector<StereoFrame> UntilSilent(std::size_t mark) {
    EXPECT_TRUE(WaitUntil([] { return SoundsPlaying() == 0; }));
    const std::size_t written = Mark();
    EXPECT_TRUE(WaitUntil([written] { return Mark() >= written + 4096 + 256; }));
    return FramesSince(mark);
}

// The frames within `within` of `frame` on both sides.
inline std::size_t CountFrames(const std::vector<StereoFrame>& frames, StereoFrame frame, int within = 0) {
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [&](const StereoFrame& f) {
        return std::abs(f.left - frame.left) <= within && std::abs(f.right - frame.right) <= within;
    }));
}

inline std::size_t AudibleFrames(const std::vector<StereoFrame>& frames) {
    return frames.size() - CountFrames(frames, {0, 0});
}

}  // namespace mixed_output
