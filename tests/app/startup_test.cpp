// Whole programs on the runtime, run as a person would start them, ending in
// every way a program ends.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "support/error_log_lines.h"
#include "support/test_runtime.h"

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

// A screenshot of the program's second frame, taken with the command run in `folder`.
std::optional<BitmapFile> SecondFrameOf(const std::string& program, const std::filesystem::path& folder,
                                        const std::string& arguments = "") {
    const std::filesystem::path shots = folder / "shots";
    std::filesystem::create_directories(shots);
    const std::string command = "cd '" + folder.string() + "' && MORVANE_SHOTS='" + shots.string() +
                                "' MORVANE_SHOT_FRAMES=2 ENDING=close '" + program + "' " + arguments +
                                " > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    return ReadBitmapFile((shots / "frame-2.bmp").string());
}

bool IsLit(const BitmapFile& shot, int x, int y) {
    std::uint8_t red, green, blue;
    shot.PixelAt(x, y, red, green, blue);
    return red != 0 || green != 0 || blue != 0;
}

// The frame loop prints "Morvane" at (0, 20) in font 0: 7 cells of 8 x 16 pixels.
int LitPixelsOfTheText(const BitmapFile& shot) {
    int lit = 0;
    for (int y = 20; y < 36; ++y) {
        for (int x = 0; x < 56; ++x)
            lit += IsLit(shot, x, y) ? 1 : 0;
    }
    return lit;
}

TEST(Program, WithoutAFontBesideItTheProgramPrintsWithTheBuiltInOne) {
    const std::filesystem::path root = std::filesystem::path(std::getenv("TMPDIR"));
    const std::filesystem::path alone = root / "alone";
    std::filesystem::create_directories(alone);
    std::filesystem::copy_file(FRAME_LOOP_PROGRAM, alone / "frame_loop");
    const ProgramRun run = RunFrameLoop("escape", false, "", (alone / "frame_loop").string());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.log, kThreeFrames);

    const std::optional<BitmapFile> built_in = SecondFrameOf((alone / "frame_loop").string(), alone);
    const std::optional<BitmapFile> beside = SecondFrameOf(FRAME_LOOP_PROGRAM, root);
    ASSERT_TRUE(built_in && beside);
    EXPECT_GT(LitPixelsOfTheText(*built_in), 100);
    EXPECT_FALSE(IsLit(*built_in, 60, 28));  // nothing beyond the seventh cell
    // The built-in font is the sheet the build ships beside the programs.
    EXPECT_EQ(built_in->pixels, beside->pixels);
}

TEST(Program, ChosenSettingsGiveTheWindowAndScreenSize) {
    const std::filesystem::path folder = std::filesystem::path(std::getenv("TMPDIR")) / "sized";
    const std::optional<BitmapFile> shot = SecondFrameOf(SIZED_WINDOW_PROGRAM, folder, "800 600");
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->width, 800);
    EXPECT_EQ(shot->height, 600);
    EXPECT_TRUE(IsLit(*shot, 799, 599));  // the corner of the 2D screen
    EXPECT_FALSE(IsLit(*shot, 789, 589));
    EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"OpenGL Software Emulation", "client area 800 x 600",
                                                         "-End On Line", "0", "0", "0", "0"}));
}

TEST(Program, AnImpossibleWindowSizeEndsStartUpWithAClearMessage) {
    const std::vector<std::pair<std::string, std::string>> sizes = {
        {"0 600", "0 x 600"}, {"800 -1", "800 x -1"}, {"20000 600", "20000 x 600"}};
    for (const auto& [arguments, size] : sizes) {
        DeleteErrorLog();
        const std::string command =
            std::string("'") + SIZED_WINDOW_PROGRAM + "' " + arguments + " > /dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << arguments;
        const std::vector<std::string> log = ErrorLogLines();
        ASSERT_FALSE(log.empty()) << arguments;
        EXPECT_EQ(log[0], "The window size " + size + " is not possible: each side takes 1 to 16384 pixels.");
    }
}

TEST(Program, TheEndRecordNamesCodeAndLine) {
    EXPECT_EQ(RunFrameLoop("escape", true).log, ThreeFramesThen({"-End On Line", "0", "0", "0", "0"}));
    EXPECT_EQ(RunFrameLoop("close", true).log, ThreeFramesThen({"-End On Line", "0", "0", "0", "0"}));
    EXPECT_EQ(RunFrameLoop("index", true).log, ThreeFramesThen({"-End On Line", "9", "120", "120", "0"}));
}

// libmpv and the many libraries it brings are loaded only when a video plays:
// a program that never plays one does not pay for them at its start.
TEST(StartUp, AProgramThatShowsAFrameHasNotLoadedLibmpv) {
    StartTestRuntime();
    SHOWSCREEN();
    std::ifstream maps("/proc/self/maps");
    const std::string mapped{std::istreambuf_iterator<char>(maps), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(mapped.empty());
    EXPECT_EQ(mapped.find("libmpv"), std::string::npos);
}

}  // namespace
