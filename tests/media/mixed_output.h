// What the runtime really mixed: the disk audio driver writes every mixed
// buffer to a file, which the tests read back. The driver mixes in real time,
// so nothing here depends on when a buffer is written: the tests wait for the
// mixer's state (a sound has finished) or for the file's contents, and then
// look at the whole stretch of output since a mark.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "morvane.h"
#include "support/test_runtime.h"

struct StereoFrame {
    std::int16_t left;
    std::int16_t right;
    bool operator==(const StereoFrame&) const = default;
};

class MixedOutput {
public:
    // Starts the runtime (once per process) with its mixed sound going to a
    // file in the test's own temporary folder.
    static TestRuntime Start() {
        if (pPrism == nullptr) {
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", Path().c_str(), 1);
        }
        return StartTestRuntime();
    }

    static std::string Path() { return std::string(std::getenv("TMPDIR")) + "/mixed.raw"; }

    // The number of frames in the file now: the place from which the next sounds appear.
    static std::size_t Mark() {
        std::error_code error;
        return static_cast<std::size_t>(std::filesystem::file_size(Path(), error)) / sizeof(StereoFrame);
    }

    static std::vector<StereoFrame> FramesSince(std::size_t mark) {
        std::ifstream file(Path(), std::ios::binary);
        file.seekg(static_cast<std::streamoff>(mark * sizeof(StereoFrame)));
        std::vector<StereoFrame> frames;
        StereoFrame frame;
        while (file.read(reinterpret_cast<char*>(&frame), sizeof frame))
            frames.push_back(frame);
        return frames;
    }

    // Waits until the condition holds; false when it still does not after a
    // limit far beyond any test's need.
    static bool WaitUntil(const std::function<bool()>& condition) {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > limit) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

    // Waits until no sound plays any more and everything mixed up to then is
    // in the file (past the file's write buffer and the mixer's own), then
    // gives the output since the mark.
    static std::vector<StereoFrame> UntilSilent(std::size_t mark) {
        EXPECT_TRUE(WaitUntil([] { return SoundsPlaying() == 0; }));
        const std::size_t written = Mark();
        EXPECT_TRUE(WaitUntil([written] { return Mark() >= written + kFlushFrames; }));
        return FramesSince(mark);
    }

    static int SoundsPlaying() {
        int playing = 0;
        for (int n = 0; n < kSoundCount; ++n)
            playing += DXwav[n].PlayingCount();
        return playing;
    }

private:
    // More than the file's write buffer (16 KB at most) and one mixer buffer hold.
    static constexpr std::size_t kFlushFrames = 4096 + 256;
};

// The output frames equal to `frame`.
inline std::size_t CountFrames(const std::vector<StereoFrame>& frames, StereoFrame frame) {
    std::size_t count = 0;
    for (const StereoFrame& f : frames)
        count += f == frame ? 1 : 0;
    return count;
}

// The output frames within one step of `frame` on each side: converting a
// sample format may round the last bit either way.
inline std::size_t CountFramesNear(const std::vector<StereoFrame>& frames, StereoFrame frame) {
    std::size_t count = 0;
    for (const StereoFrame& f : frames)
        count += std::abs(f.left - frame.left) <= 1 && std::abs(f.right - frame.right) <= 1 ? 1 : 0;
    return count;
}

// The frames with any sound in them.
inline std::size_t AudibleFrames(const std::vector<StereoFrame>& frames) {
    return frames.size() - CountFrames(frames, {0, 0});
}
