// The one-file game, with its data appended, driven by a replay from an empty folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/replay_file.h"
#include "support/test_runtime.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(GameProgram, TheOneFileProgramRunsAloneFromAnyFolder) {
    const fs::path temp = std::getenv("TMPDIR");
    const fs::path empty = temp / "empty";
    fs::create_directories(empty);
    fs::copy_file(GRAVELRIDER_ONEFILE, empty / "gravelrider");
    // Full throttle with the mouse at the centre: straight on toward the map's edge.
    std::unique_ptr<ReplayWriter> replay = CreateReplayFile((temp / "drive.replay").string());
    ASSERT_TRUE(replay);
    for (int frame = 0; frame <= 40; ++frame) {
        ReplayFrame f;
        f.time = 1000 + 100 * frame;
        f.mouse.dx = frame == 1 ? 220 : 0;  // from 100 to 320
        f.mouse.left = frame >= 1;
        ASSERT_TRUE(replay->Write(f));
    }
    replay.reset();
    for (const char* run : {"0", "1"}) {
        const fs::path shots = temp / "shots" / run;
        fs::create_directories(shots);
        DeleteErrorLog();
        const std::string command = "cd / && MORVANE_REPLAY='" + (temp / "drive.replay").string() +
                                    "' MORVANE_REPLAY_SPEED=0 MORVANE_SHOTS='" + shots.string() +
                                    "' MORVANE_SHOT_FRAMES=40 '" + (empty / "gravelrider").string() + "'";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"OpenGL Software Emulation"});
    }
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(empty), {}).size(), 1u);  // nothing left beside it
    const std::string picture = ReadBytes(temp / "shots" / "0" / "frame-40.bmp");
    EXPECT_GT(picture.size(), 640u * 480 * 3);
    EXPECT_EQ(picture, ReadBytes(temp / "shots" / "1" / "frame-40.bmp"));  // the same drive, the same picture
}

}  // namespace
