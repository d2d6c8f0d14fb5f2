// Whole programs on the runtime, run as a person would start them, ending in every way a program ends,
// and a run recorded and replayed to the same state frame by frame, whatever the live input says.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>

#include "files/files_test_support.h"
#include "gfx2d/bitmap_file.h"
#include "morvane.h"
#include "platform/reports.h"
#include "support/bitmap_writer.h"
#include "support/test_runtime.h"

// Runs the command (ENDING and the like set in front) and returns its exit code; the error log is kept.
static int RunProgram(const std::string& command) {
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
static std::optional<BitmapFile> SecondFrameOf(const std::string& program,
                                               const std::filesystem::path& folder,
                                               const std::string& arguments = "") {
    std::filesystem::create_directories(folder / "shots");
    if (RunProgram("cd '" + folder.string() + "' && MORVANE_SHOTS='" + (folder / "shots").string() +
                   "' MORVANE_SHOT_FRAMES=2 ENDING=close '" + program + "' " + arguments) != 0)
        return std::nullopt;
    return ReadBitmapFile((folder / "shots/frame-2.bmp").string());
}

static bool IsLit(const BitmapFile& shot, int x, int y) {
    std::uint8_t red, green, blue;
    shot.PixelAt(x, y, red, green, blue);
    return red != 0 || green != 0 || blue != 0;
}

// Font 0 is the Smalfont.bmp beside the program, from any folder, else the same font built in.
TEST(Program, FindsItsFontBesideItselfElseBuiltInAndTakesItsChosenWindowSize) {
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
    int lit[2] = {0, 0};  // "Morvane" printed at (0, 20) in seven 8 x 16 cells: their middle row, and beyond
    for (int x = 0; x < 64; ++x)
        lit[x >= 56] += IsLit(*beside, x, 28);
    EXPECT_TRUE(lit[0] > 5 && lit[1] == 0) << lit[0] << " " << lit[1];
    EXPECT_EQ(built_in->pixels, beside->pixels);
    EXPECT_NE(own->pixels, beside->pixels);

    // Chosen settings give the window and screen size; impossible ones a clear message.
    const std::optional<BitmapFile> shot = SecondFrameOf(SIZED_WINDOW_PROGRAM, temp / "sized", "800 600");
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

// The end record as the kind of end gives it, and the runtime released before static clean-up.
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

TEST(Replays, AReplayReachesTheRecordedStateFrameByFrameAndRecordsTheSameFile) {
    const std::string folder = std::getenv("TMPDIR"), recording = folder + "/drive.replay";
    const auto drive = [](const std::string& settings) {
        EXPECT_EQ(RunProgram(settings + " '" + TIMED_DRIVE_PROGRAM + "'"), 0) << settings;
        return ErrorLogLines();
    };
    // The program presses Esc and a button itself: the replay must not see them.
    const auto replay = [&](const std::string& file, const std::string& more = "") {
        return drive("PUSH=escape MORVANE_REPLAY_SPEED=0 MORVANE_REPLAY='" + file + "' " + more);
    };
    const std::vector<std::string> recorded = drive("PUSH=script MORVANE_RECORD='" + recording + "'");
    // Esc pressed in frame 40 ends the program at the next frame step, after input that changed the state.
    ASSERT_GE(recorded.size(), 80u);
    EXPECT_EQ(std::vector<std::string>(recorded.end() - 5, recorded.end()),
              (std::vector<std::string>{"-End On Line", "0", "0", "0", "0"}));
    EXPECT_EQ(recorded[recorded.size() - 6].rfind("frame 41: speed", 0), 0u);
    for (const auto& [text, least] : {std::pair(" 1 0 shift", 5), {" 0 1 shift", 5}, {"shift 1 ", 2}})
        EXPECT_GT(
            std::ranges::count_if(recorded, [&](auto& line) { return line.find(text) != std::string::npos; }),
            least)
            << text;

    const std::string again = folder + "/again.replay";
    EXPECT_EQ(replay(recording, "MORVANE_RECORD='" + again + "'"), recorded);
    EXPECT_EQ(ReadBytes(again), ReadBytes(recording));

    // A recording never overwrites the replay it plays; the replay still runs to its end.
    const std::vector<std::string> refused =
        replay(recording, "MORVANE_RECORD='" + folder + "/./drive.replay'");
    EXPECT_EQ(refused.size(), recorded.size() + 1);
    EXPECT_EQ(refused.front(),
              "The recording would overwrite the replay it plays: " + folder + "/./drive.replay");
    EXPECT_EQ(refused.back(), "0");
    EXPECT_EQ(ReadBytes(recording), ReadBytes(again));

    // A replay that cannot be read ends the program at start-up.
    std::ofstream(folder + "/not.replay", std::ios::binary) << "MVRQ\x01\x00\x00\x00 and more";
    const std::vector<std::string> log = replay(folder + "/not.replay");
    EXPECT_NE(std::ranges::find(log, "The replay cannot be read: " + folder + "/not.replay"), log.end());
    EXPECT_TRUE(std::ranges::none_of(log, [](auto& line) { return line.starts_with("frame"); }));
}
