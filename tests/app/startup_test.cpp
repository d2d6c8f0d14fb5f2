// Whole programs on the runtime, run as a person would start them, ending in
// every way a program ends.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

struct ProgramRun {
    int exit_code;
    std::vector<std::string> log;
};

// Runs the frame-loop program with the given ending and returns its exit code and error log.
ProgramRun RunFrameLoop(const std::string& ending, bool debug, const std::string& arguments = "",
                        const std::string& program = FRAME_LOOP_PROGRAM) {
    DeleteErrorLog();
    WriteErrorLog("left by an earlier run");
    const std::string command = "ENDING=" + ending + (debug ? " DEBUG=1 " : " ") + "'" + program + "' " +
                                arguments + " > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ErrorLogLines()};
}

const std::vector<std::string> kThreeFrames = {"OpenGL Software Emulation", "frame 1", "frame 2", "frame 3"};

std::vector<std::string> ThreeFramesThen(std::vector<std::string> end_record) {
    std::vector<std::string> lines = kThreeFrames;
    lines.insert(lines.end(), end_record.begin(), end_record.end());
    return lines;
}

TEST(Program, EveryEndExitsWithCodeZeroAndAFreshLog) {
    for (const char* ending : {"escape", "alt+f4", "close", "quit", "end"}) {
        SCOPED_TRACE(ending);
        const ProgramRun run = RunFrameLoop(ending, false);
        EXPECT_EQ(run.exit_code, 0);
        EXPECT_EQ(run.log, kThreeFrames);  // the earlier log is gone, and no end record without debug
    }
}

// The sanitizer run ignores what the system's GL driver keeps, but a block the
// program itself drops must still fail it.
TEST(Program, UnderTheLeakCheckALeakOfTheProgramsOwnFailsIt) {
#if defined(__SANITIZE_ADDRESS__)
    const ProgramRun run = RunFrameLoop("leak", false);
    EXPECT_NE(run.exit_code, 0);
    EXPECT_EQ(run.log, kThreeFrames);
#else
    GTEST_SKIP() << "built without the leak check";
#endif
}

TEST(Program, ReturningFromMainGameSubEndsItWithTheCommandLineKept) {
    const ProgramRun run = RunFrameLoop("return", false, "one 'two words' three");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.log, ThreeFramesThen({"command line: one \"two words\" three"}));
}

TEST(Program, FindsItsFontBesideItselfFromAnyFolder) {
    const std::filesystem::path elsewhere = std::filesystem::path(std::getenv("TMPDIR")) / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    const std::string command =
        "cd '" + elsewhere.string() + "' && ENDING=escape '" + FRAME_LOOP_PROGRAM + "'";
    DeleteErrorLog();
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ErrorLogLines(), kThreeFrames);
}

TEST(Program, WithoutItsFontTheProgramEndsWithError3) {
    const std::filesystem::path alone = std::filesystem::path(std::getenv("TMPDIR")) / "alone";
    std::filesystem::create_directories(alone);
    std::filesystem::copy_file(FRAME_LOOP_PROGRAM, alone / "frame_loop");
    const ProgramRun run = RunFrameLoop("escape", true, "", (alone / "frame_loop").string());
    EXPECT_EQ(run.exit_code, 0);
    // Start-up ends before the program runs (so without its debug setting: no end record).
    EXPECT_EQ(run.log,
              (std::vector<std::string>{"OpenGL Software Emulation", "Smalfont.bmp cannot be found"}));
}

TEST(Program, ChosenFramesAreSavedAsScreenshots) {
    const std::filesystem::path shots = std::filesystem::path(std::getenv("TMPDIR")) / "shots";
    std::filesystem::create_directories(shots);
    const std::string command = "MORVANE_SHOTS='" + shots.string() +
                                "' MORVANE_SHOT_FRAMES=2,3,99 ENDING=close '" + FRAME_LOOP_PROGRAM + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(shots / "frame-1.bmp"));
    EXPECT_FALSE(std::filesystem::exists(shots / "frame-99.bmp"));
    for (int frame : {2, 3}) {
        const std::optional<BitmapFile> shot =
            ReadBitmapFile((shots / ("frame-" + std::to_string(frame) + ".bmp")).string());
        ASSERT_TRUE(shot) << frame;
        std::uint8_t red, green, blue;
        shot->PixelAt(10 * frame - 1, 5, red, green, blue);
        EXPECT_EQ(green, 255) << "the bar of frame " << frame;
        shot->PixelAt(10 * frame, 5, red, green, blue);
        EXPECT_EQ(green, 0) << "the bar of frame " << frame;
    }
}

TEST(Program, TheEndRecordNamesCodeAndLine) {
    EXPECT_EQ(RunFrameLoop("escape", true).log, ThreeFramesThen({"-End On Line", "0", "0", "0", "0"}));
    EXPECT_EQ(RunFrameLoop("close", true).log, ThreeFramesThen({"-End On Line", "0", "0", "0", "0"}));
    EXPECT_EQ(RunFrameLoop("index", true).log, ThreeFramesThen({"-End On Line", "9", "120", "120", "0"}));
}

}  // namespace
