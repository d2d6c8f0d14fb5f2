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
#include "platform/reports.h"
#include "support/bitmap_writer.h"
#include "support/error_log_lines.h"
#include "support/test_runtime.h"

namespace {

// Runs the command (ENDING and the like set in front) and returns its exit code; the error log is kept.
int RunProgram(const std::string& command) {
    DeleteErrorLog();
    WriteErrorLog("left by an earlier run");
    const int status = std::system((command + " > /dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Program, EveryEndExitsWithCodeZeroAndAFreshLogWithTheEndRecordOnlyWithDebug) {
    // clang-format off
    const std::pair<std::string, std::vector<std::string>> cases[] = {{"escape", {}}, {"alt+f4", {}}, {"close", {}},
        {"quit", {}}, {"end", {}}, {"escape DEBUG=1", {"-End On Line", "0", "0", "0", "0"}},
        {"index DEBUG=1", {"-End On Line", "9", "120", "120", "0"}},
        {"return", {"command line: one \"two words\" three, title Frame_loop"}}};
    // clang-format on
    for (const auto& [ending, log] : cases) {
        SCOPED_TRACE(ending);
        EXPECT_EQ(RunProgram("ENDING=" + ending + " '" + FRAME_LOOP_PROGRAM + "' one 'two words' three"), 0);
        std::vector<std::string> lines = {"OpenGL Software Emulation", "frame 1", "frame 2", "frame 3"};
        lines.insert(lines.end(), log.begin(), log.end());
        EXPECT_EQ(ErrorLogLines(), lines);
    }
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

// Font 0 is the Smalfont.bmp beside the program, from any folder, else the same font built in.
TEST(Program, FindsItsFontBesideItselfFromAnyFolderElseUsesTheBuiltInOne) {
    const std::filesystem::path temp = std::getenv("TMPDIR");
    const std::optional<BitmapFile> beside = SecondFrameOf(FRAME_LOOP_PROGRAM, temp / "elsewhere");
    std::filesystem::create_directories(temp / "own");
    WriteBitmap((temp / "own/Smalfont.bmp").string(), SolidBitmap(128, 256, {255, 255, 255}));
    std::optional<BitmapFile> built_in, own;
    for (const auto& [folder, shot] : {std::pair{temp / "alone", &built_in}, {temp / "own", &own}}) {
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(FRAME_LOOP_PROGRAM, folder / "frame_loop");
        *shot = SecondFrameOf((folder / "frame_loop").string(), folder);
    }
    ASSERT_TRUE(built_in && beside && own);
    int inside = 0, beyond = 0;  // "Morvane" printed at (0, 20) in seven 8 x 16 cells, at their middle row
    for (int x = 0; x < 64; ++x)
        (x < 56 ? inside : beyond) += IsLit(*beside, x, 28) ? 1 : 0;
    EXPECT_GT(inside, 5);
    EXPECT_EQ(beyond, 0);
    EXPECT_EQ(built_in->pixels, beside->pixels);
    EXPECT_NE(own->pixels, beside->pixels);
}

TEST(Program, ChosenSettingsGiveTheWindowAndScreenSizeAndImpossibleOnesAClearMessage) {
    const std::optional<BitmapFile> shot = SecondFrameOf(
        SIZED_WINDOW_PROGRAM, std::filesystem::path(std::getenv("TMPDIR")) / "sized", "800 600");
    ASSERT_TRUE(shot);
    EXPECT_EQ(std::pair(shot->width, shot->height), std::pair(800, 600));
    EXPECT_TRUE(IsLit(*shot, 799, 599));  // the corner of the 2D screen
    EXPECT_FALSE(IsLit(*shot, 789, 589));
    EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"OpenGL Software Emulation", "client area 800 x 600",
                                                         "-End On Line", "0", "0", "0", "0"}));
    const std::string refusal = " is not possible: each side takes 1 to 16384 pixels.";
    for (const auto& [arguments, first_line] : {std::pair("0 600", "The window size 0 x 600" + refusal),
                                                {"20000 600", "The window size 20000 x 600" + refusal},
                                                {"1 1", "OpenGL Software Emulation"}}) {
        EXPECT_EQ(RunProgram(std::string("'") + SIZED_WINDOW_PROGRAM + "' " + arguments), 0);
        EXPECT_EQ(ErrorLogLines().at(0), first_line);
    }
}

// Destroyed by static clean-up, after the orderly end has run.
struct ReleaseProbe {
    ~ReleaseProbe() { WriteErrorLog(pPrism == nullptr ? "runtime released" : "runtime kept"); }
};

// Every end below start-up reaches the orderly end: the end record as the kind of end gives it,
// and the runtime's objects released before static clean-up.
TEST(ProgramEndDeathTest, EveryEndBelowStartUpRunsTheOrderlyEnd) {
    // clang-format off
    const struct { void (*end)(); const char *error_code, *error_line; } cases[] = {
        {[] { FatalError(kErrorIndex); }, "9", "9"}, {[] { END(); }, "0", "9"},
        {[] { RequestProgramEnd(EndRequest::kClose); }, "3", "5"},
        {[] { RequestProgramEnd(EndRequest::kReplayEnded); }, "0", "9"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error_code + std::string(c.error_line));
        DeleteErrorLog();
        EXPECT_EXIT(
            {
                StartTestRuntime();
                static ReleaseProbe probe;
                DeleteErrorLog();
                __QV_DEBUG = 1;
                dLn(0, 5);
                Error(3);  // a close keeps this error; the others record their own at line 9
                dLn(0, 9);
                c.end();
            },
            testing::ExitedWithCode(0), "");
        EXPECT_EQ(ErrorLogLines(), (std::vector<std::string>{"-End On Line", c.error_code, c.error_line, "9",
                                                             "0", "runtime released"}));
    }
}

}  // namespace
