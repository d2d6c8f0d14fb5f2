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

// The test process's own temporary folder (set by the test main, so read late).
std::filesystem::path Temp() {
    return std::getenv("TMPDIR");
}

// Runs the command (ENDING and the like set in front) and returns its exit code; the error log is kept.
int RunProgram(const std::string& command) {
    DeleteErrorLog();
    WriteErrorLog("left by an earlier run");
    const int status = std::system((command + " > /dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> ThreeFramesThen(std::vector<std::string> end) {
    std::vector<std::string> lines = {"OpenGL Software Emulation", "frame 1", "frame 2", "frame 3"};
    lines.insert(lines.end(), end.begin(), end.end());
    return lines;
}

TEST(Program, EveryEndExitsWithCodeZeroAndAFreshLogWithTheEndRecordOnlyWithDebug) {
    const struct {
        const char* ending;
        std::vector<std::string> log;
    } cases[] = {{"escape", {}},
                 {"alt+f4", {}},
                 {"close", {}},
                 {"quit", {}},
                 {"end", {}},
                 {"escape DEBUG=1", {"-End On Line", "0", "0", "0", "0"}},
                 {"index DEBUG=1", {"-End On Line", "9", "120", "120", "0"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        EXPECT_EQ(RunProgram(std::string("ENDING=") + c.ending + " '" + FRAME_LOOP_PROGRAM + "'"), 0);
        EXPECT_EQ(ErrorLogLines(), ThreeFramesThen(c.log));
    }
    EXPECT_EQ(RunProgram(std::string("ENDING=return '") + FRAME_LOOP_PROGRAM + "' one 'two words' three"), 0);
    EXPECT_EQ(ErrorLogLines(), ThreeFramesThen({"command line: one \"two words\" three"}));
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer ignores what the GL driver keeps, but a block the program itself drops fails it.
    EXPECT_NE(RunProgram(std::string("ENDING=leak '") + FRAME_LOOP_PROGRAM + "'"), 0);
#endif
}

// A screenshot of the program's second frame, run from `folder`.
std::optional<BitmapFile> SecondFrameOf(const std::string& program, const std::filesystem::path& folder,
                                        const std::string& arguments = "") {
    std::filesystem::create_directories(folder / "shots");
    if (RunProgram("cd '" + folder.string() + "' && MORVANE_SHOTS='" + (folder / "shots").string() +
                   "' MORVANE_SHOT_FRAMES=2 ENDING=close '" + program + "' " + arguments) != 0)
        return std::nullopt;
    return ReadBitmapFile((folder / "shots/frame-2.bmp").string());
}

bool IsLit(const BitmapFile& shot, int x, int y) {
    std::uint8_t red, green, blue;
    shot.PixelAt(x, y, red, green, blue);
    return red != 0 || green != 0 || blue != 0;
}

TEST(Program, FindsItsFontBesideItselfFromAnyFolderElseUsesTheSameBuiltInOne) {
    const std::optional<BitmapFile> beside = SecondFrameOf(FRAME_LOOP_PROGRAM, Temp() / "elsewhere");
    std::filesystem::create_directories(Temp() / "alone");
    std::filesystem::copy_file(FRAME_LOOP_PROGRAM, Temp() / "alone/frame_loop");
    const std::optional<BitmapFile> built_in =
        SecondFrameOf((Temp() / "alone/frame_loop").string(), Temp() / "alone");
    ASSERT_TRUE(built_in && beside);
    int inside = 0, beyond = 0;  // "Morvane" printed at (0, 20) in seven 8 x 16 cells, at their middle row
    for (int x = 0; x < 64; ++x)
        (x < 56 ? inside : beyond) += IsLit(*beside, x, 28) ? 1 : 0;
    EXPECT_GT(inside, 5);
    EXPECT_EQ(beyond, 0);
    EXPECT_EQ(built_in->pixels, beside->pixels);
}

TEST(Program, ChosenSettingsGiveTheWindowAndScreenSizeAndImpossibleOnesAClearMessage) {
    const std::optional<BitmapFile> shot = SecondFrameOf(SIZED_WINDOW_PROGRAM, Temp() / "sized", "800 600");
    ASSERT_TRUE(shot);
    EXPECT_EQ(std::pair(shot->width, shot->height), std::pair(800, 600));
    EXPECT_TRUE(IsLit(*shot, 799, 599));  // the corner of the 2D screen
    EXPECT_FALSE(IsLit(*shot, 789, 589));
    EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"OpenGL Software Emulation", "client area 800 x 600",
                                                         "-End On Line", "0", "0", "0", "0"}));
    for (const auto& [arguments, size] :
         {std::pair("0 600", "0 x 600"), std::pair("20000 600", "20000 x 600")}) {
        EXPECT_EQ(RunProgram(std::string("'") + SIZED_WINDOW_PROGRAM + "' " + arguments), 0);
        EXPECT_EQ(ErrorLogLines().at(0), std::string("The window size ") + size +
                                             " is not possible: each side takes 1 to 16384 pixels.");
    }
}

// libmpv and the libraries it brings are loaded only when a video plays.
TEST(StartUp, AProgramThatShowsAFrameHasNotLoadedLibmpv) {
    StartTestRuntime();
    SHOWSCREEN();
    std::ifstream maps("/proc/self/maps");
    const std::string mapped{std::istreambuf_iterator<char>(maps), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(mapped.empty());
    EXPECT_EQ(mapped.find("libmpv"), std::string::npos);
}

}  // namespace
