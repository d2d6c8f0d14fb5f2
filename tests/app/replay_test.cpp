// Recording a whole program's run and playing it back: the replay reaches the
// same state, frame by frame, every time, whatever the live input says.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

// Runs the driving program with the given environment settings and returns its error log.
std::vector<std::string> RunDrive(const std::string& settings) {
    DeleteErrorLog();
    const int status = std::system((settings + " '" + TIMED_DRIVE_PROGRAM + "' > /dev/null 2>&1").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << settings;
    return ErrorLogLines();
}

// The program presses Esc and a button itself: the replay must not see them.
std::vector<std::string> Replay(const std::string& file, const std::string& more = "") {
    return RunDrive("PUSH=escape MORVANE_REPLAY_SPEED=0 MORVANE_REPLAY='" + file + "' " + more);
}

std::string FileBytes(const std::string& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

TEST(Replays, AReplayReachesTheRecordedStateFrameByFrameAndRecordsTheSameFile) {
    const std::string folder = std::getenv("TMPDIR"), recording = folder + "/drive.replay";
    const std::vector<std::string> recorded = RunDrive("PUSH=script MORVANE_RECORD='" + recording + "'");
    // Esc pressed in frame 40 ends the program at the next frame step, after input that changed the state.
    ASSERT_GE(recorded.size(), 80u);
    EXPECT_EQ(std::vector<std::string>(recorded.end() - 5, recorded.end()),
              (std::vector<std::string>{"-End On Line", "0", "0", "0", "0"}));
    EXPECT_EQ(recorded[recorded.size() - 6].rfind("frame 41: speed", 0), 0u);
    for (const auto& [text, least] : {std::pair(" 1 0 shift", 5), {" 0 1 shift", 5}, {"shift 1 ", 2}})
        EXPECT_GT(
            std::count_if(recorded.begin(), recorded.end(),
                          [&](const std::string& line) { return line.find(text) != std::string::npos; }),
            least)
            << text;

    const std::string again = folder + "/again.replay";
    EXPECT_EQ(Replay(recording, "MORVANE_RECORD='" + again + "'"), recorded);
    EXPECT_EQ(FileBytes(again), FileBytes(recording));

    // A recording never overwrites the replay it plays; the replay still runs to its end.
    const std::vector<std::string> refused =
        Replay(recording, "MORVANE_RECORD='" + folder + "/./drive.replay'");
    EXPECT_EQ(refused.size(), recorded.size() + 1);
    EXPECT_EQ(refused.front(),
              "The recording would overwrite the replay it plays: " + folder + "/./drive.replay");
    EXPECT_EQ(refused.back(), "0");
    EXPECT_EQ(FileBytes(recording), FileBytes(again));

    // A replay that cannot be read ends the program at start-up.
    std::ofstream(folder + "/not.replay", std::ios::binary) << "MVRQ\x01\x00\x00\x00 and more";
    const std::vector<std::string> log = Replay(folder + "/not.replay");
    EXPECT_NE(std::find(log.begin(), log.end(), "The replay cannot be read: " + folder + "/not.replay"),
              log.end());
    EXPECT_TRUE(std::none_of(log.begin(), log.end(),
                             [](const std::string& line) { return line.starts_with("frame"); }));
}

}  // namespace
