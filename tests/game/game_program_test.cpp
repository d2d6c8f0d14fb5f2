// The whole game driven by replays: the one-file program from an empty folder,
// and the game's final state after a drive.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/replay_file.h"
#include "support/error_log_lines.h"

namespace {

namespace fs = std::filesystem;

fs::path Temp() {
    return fs::path(std::getenv("TMPDIR"));
}

// A drive at full throttle with the mouse at the screen's centre: straight
// along -x from the start, into the map's edge.
void WriteStraightDrive(const fs::path& path, int frames) {
    std::unique_ptr<ReplayWriter> replay = CreateReplayFile(path.string());
    ASSERT_TRUE(replay);
    for (int frame = 0; frame <= frames; ++frame) {
        ReplayFrame f;
        f.time = 1000 + 100 * frame;
        f.mouse.dx = frame == 1 ? 220 : 0;  // from 100 to 320
        f.mouse.left = frame >= 1;
        ASSERT_TRUE(replay->Write(f));
    }
}

int RunCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs the game with the replay and returns the final state it logged.
std::vector<std::string> DriveProbe(const std::string& environment) {
    DeleteErrorLog();
    EXPECT_EQ(RunCommand(environment + " MORVANE_REPLAY_SPEED=0 '" + GAME_PROBE_PROGRAM + "'"), 0);
    std::vector<std::string> state;
    for (const std::string& line : ErrorLogLines()) {
        if (line.rfind("damage ", 0) == 0 || line.rfind("speed ", 0) == 0 || line.rfind("segment ", 0) == 0) {
            state.push_back(line);
        }
    }
    return state;
}

double ValueAfter(const std::vector<std::string>& state, const std::string& key, int field = 1) {
    for (const std::string& line : state) {
        if (line.rfind(key, 0) != 0) continue;
        std::istringstream words(line);
        std::string word;
        for (int i = 0; i <= field; ++i)
            words >> word;
        return std::stod(word);
    }
    return -1e9;
}

TEST(GameProgram, DrivingIntoTheMapEdgeStopsTheTruckAndAddsDamage) {
    WriteStraightDrive(Temp() / "short.replay", 60);
    WriteStraightDrive(Temp() / "long.replay", 100);
    const std::vector<std::string> short_drive =
        DriveProbe("MORVANE_REPLAY=" + (Temp() / "short.replay").string());
    const std::vector<std::string> long_drive =
        DriveProbe("MORVANE_REPLAY=" + (Temp() / "long.replay").string());
    ASSERT_EQ(long_drive.size(), 4u);  // damage, speed, cab, trailer
    // The cab stands at the edge: its front (2.25 ahead of its reference point) at x = 0 or just inside.
    const double cab_x = ValueAfter(long_drive, "segment 0", 2);
    EXPECT_GT(cab_x, 2.25);
    EXPECT_LT(cab_x, 4);
    EXPECT_NEAR(ValueAfter(long_drive, "segment 0", 3), 30, 1e-6);  // straight on: y unchanged
    EXPECT_GT(ValueAfter(short_drive, "damage"), 0);
    EXPECT_GT(ValueAfter(long_drive, "damage"), ValueAfter(short_drive, "damage") + 1);  // it keeps growing
}

TEST(GameProgram, AReplayRecordedWhileReplayingGivesTheSameDriveAgain) {
    WriteStraightDrive(Temp() / "first.replay", 70);
    const std::vector<std::string> first =
        DriveProbe("MORVANE_REPLAY=" + (Temp() / "first.replay").string() +
                   " MORVANE_RECORD=" + (Temp() / "second.replay").string());
    const std::vector<std::string> second =
        DriveProbe("MORVANE_REPLAY=" + (Temp() / "second.replay").string());
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, second);
    EXPECT_EQ(ReadBytes(Temp() / "first.replay"), ReadBytes(Temp() / "second.replay"));
}

TEST(GameProgram, TheOneFileProgramRunsAloneFromAnyFolder) {
    const fs::path empty = Temp() / "empty";
    fs::create_directories(empty / "shots");
    fs::copy_file(GRAVELRIDER_ONEFILE, empty / "gravelrider");
    WriteStraightDrive(Temp() / "drive.replay", 40);
    for (int run = 0; run < 2; ++run) {
        const fs::path shots = empty / "shots" / std::to_string(run);
        fs::create_directories(shots);
        DeleteErrorLog();
        const std::string command = "cd / && MORVANE_REPLAY='" + (Temp() / "drive.replay").string() +
                                    "' MORVANE_REPLAY_SPEED=0 MORVANE_SHOTS='" + shots.string() +
                                    "' MORVANE_SHOT_FRAMES=40 '" + (empty / "gravelrider").string() + "'";
        EXPECT_EQ(RunCommand(command), 0);
        EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"OpenGL Software Emulation"});
    }
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(empty), {}).size(),
              2u);  // nothing was left beside it
    const std::string picture = ReadBytes(empty / "shots" / "0" / "frame-40.bmp");
    EXPECT_GT(picture.size(), 640u * 480 * 3);
    EXPECT_EQ(picture,
              ReadBytes(empty / "shots" / "1" / "frame-40.bmp"));  // the same drive, the same picture
}

}  // namespace
