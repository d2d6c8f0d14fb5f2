// Recording a whole program's run and playing it back: the replay reaches the
// same state, frame by frame, every time, whatever the live input says.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

struct ProgramRun {
    int exit_code;
    std::vector<std::string> log;
};

// The test process's own temporary folder (set by the test main, so read late).
std::string Folder() {
    return std::getenv("TMPDIR");
}

std::string RecordingPath() {
    return Folder() + "/drive.replay";
}

const std::vector<std::string> kEndRecord = {"-End On Line", "0", "0", "0", "0"};

// Runs the driving program with the given environment settings.
ProgramRun RunDrive(const std::string& settings) {
    DeleteErrorLog();
    const std::string command = settings + " '" + TIMED_DRIVE_PROGRAM + "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ErrorLogLines()};
}

ProgramRun Replay(const std::string& file, const std::string& more = "") {
    // The program presses Esc and a button itself: the replay must not see them.
    return RunDrive("PUSH=escape MORVANE_REPLAY_SPEED=0 MORVANE_REPLAY='" + file + "' " + more);
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool LogHas(const ProgramRun& run, const std::string& line) {
    return std::find(run.log.begin(), run.log.end(), line) != run.log.end();
}

class Replays : public testing::Test {
protected:
    static void SetUpTestSuite() {
        recorded_ = new ProgramRun(RunDrive("PUSH=script MORVANE_RECORD='" + RecordingPath() + "'"));
    }
    static void TearDownTestSuite() {
        delete recorded_;
        recorded_ = nullptr;
    }

    static ProgramRun* recorded_;
};

ProgramRun* Replays::recorded_ = nullptr;

TEST_F(Replays, TheRecordedRunPlayedInputAndTime) {
    const ProgramRun& run = *recorded_;
    EXPECT_EQ(run.exit_code, 0);
    // Esc pressed in frame 40 ends the program at the next frame step, as Esc does.
    ASSERT_GE(run.log.size(), kEndRecord.size() + 2);
    EXPECT_EQ(std::vector<std::string>(run.log.end() - 5, run.log.end()), kEndRecord);
    EXPECT_EQ(run.log[run.log.size() - 6].rfind("frame 41: speed", 0), 0u) << run.log[run.log.size() - 6];
    // The input reached the program: buttons, Shift and the mouse changed what it computed.
    int left = 0, right = 0, shift = 0;
    for (const std::string& line : run.log) {
        left += line.find("mouse ") != std::string::npos && line.find(" 1 0 shift") != std::string::npos;
        right += line.find(" 0 1 shift") != std::string::npos;
        shift += line.find("shift 1 ") != std::string::npos;
    }
    EXPECT_GT(left, 5);
    EXPECT_GT(right, 5);
    EXPECT_GT(shift, 2);
}

TEST_F(Replays, AReplayReachesTheRecordedStateFrameByFrameAndRecordedAgainGivesTheSameFile) {
    const std::string again = Folder() + "/again.replay";
    const ProgramRun replay = Replay(RecordingPath(), "MORVANE_RECORD='" + again + "'");
    EXPECT_EQ(replay.exit_code, 0);
    EXPECT_EQ(replay.log, recorded_->log);
    EXPECT_EQ(FileBytes(again), FileBytes(RecordingPath()));
}

TEST_F(Replays, ARecordingNeverOverwritesTheReplayItPlays) {
    const std::string before = FileBytes(RecordingPath());
    const ProgramRun replay = Replay(RecordingPath(), "MORVANE_RECORD='" + Folder() + "/./drive.replay'");
    EXPECT_TRUE(
        LogHas(replay, "The recording would overwrite the replay it plays: " + Folder() + "/./drive.replay"));
    EXPECT_EQ(FileBytes(RecordingPath()), before);
    EXPECT_EQ(replay.log.back(), "0");  // the replay itself ran to its end
    EXPECT_EQ(replay.log.size(), recorded_->log.size() + 1);
}

TEST_F(Replays, ACutOffReplayEndsTheProgramWhereItsWholeFramesEnd) {
    const std::string bytes = FileBytes(RecordingPath());
    const std::string cut = Folder() + "/cut.replay";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2 + 3);
    const ProgramRun replay = Replay(cut);
    EXPECT_EQ(replay.exit_code, 0);
    ASSERT_GT(replay.log.size(), kEndRecord.size() + 10);
    ASSERT_LT(replay.log.size(), recorded_->log.size());
    // The same frames as recorded, then the end as Esc gives it.
    const std::size_t frames = replay.log.size() - kEndRecord.size();
    EXPECT_EQ(std::vector<std::string>(replay.log.begin(), replay.log.begin() + frames),
              std::vector<std::string>(recorded_->log.begin(), recorded_->log.begin() + frames));
    EXPECT_EQ(std::vector<std::string>(replay.log.begin() + frames, replay.log.end()), kEndRecord);
}

TEST_F(Replays, AReplayThatCannotBeReadEndsTheProgramAtStartUp) {
    const std::string not_a_replay = Folder() + "/not.replay";
    std::ofstream(not_a_replay, std::ios::binary) << "MVRQ\x01\x00\x00\x00 and more";
    for (const std::string& file : {Folder() + "/missing.replay", not_a_replay}) {
        SCOPED_TRACE(file);
        const ProgramRun replay = Replay(file);
        EXPECT_EQ(replay.exit_code, 0);
        EXPECT_TRUE(LogHas(replay, "The replay cannot be read: " + file));
        for (const std::string& line : replay.log)
            EXPECT_EQ(line.rfind("frame", 0), std::string::npos) << line;
    }
}

}  // namespace
