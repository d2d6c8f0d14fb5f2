// Videos played into the window, looked at frame by frame while they play.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "files/container_bytes.h"
#include "media/ffmpeg_media.h"
#include "media/mpv_library.h"
#include "support/drawing_test.h"
#include "support/test_runtime.h"

namespace {

constexpr std::uint8_t kSpace = 57;
const Rgb kBlue{0, 0, 255};

// A 320 x 240 clip at 30 frames per second with a 440 Hz tone, the top half red and the bottom half blue.
std::string MakeClip(const std::string& name, double seconds) {
    const std::string length = std::to_string(seconds);
    return MadeByFfmpeg("-f lavfi -i 'color=c=red:s=320x240:r=30:d=" + length +
                            ",drawbox=x=0:y=120:w=320:h=120:color=blue:t=fill' -f lavfi -i "
                            "'sine=frequency=440:duration=" +
                            length + "' -c:v mpeg4 -q:v 2 -pix_fmt yuv420p -c:a aac -shortest",
                        name);
}

// Whether two colours are the same after the video's colour space and compression.
bool LooksLike(const Rgb& seen, const Rgb& colour) {
    return std::max({std::abs(seen[0] - colour[0]), std::abs(seen[1] - colour[1]),
                     std::abs(seen[2] - colour[2])}) <= 24;
}

// libmpv's own functions, and what the runtime asked of them: a frame is drawn only
// after libmpv has said one is due, and each one presented is reported, as libmpv
// times the next frames by these reports.
MpvLibrary library;
std::uint64_t last_update = 0;
long renders_not_due = 0, swaps_reported = 0;

// Scripted input that holds a key and a mouse button for its first reads, as
// a person still holding what started the video, and counts its reads.
class HeldAtFirst : public ScriptedInput {
public:
    void ReadKeys(KeyStates& keys) override {
        if (++reads == 20) {
            ReleaseAllKeys();
            SetButtons(false, false);
        }
        ScriptedInput::ReadKeys(keys);
    }
    long reads = 0;
};

// Waiting for frames, the input is read about once a millisecond (not in a busy loop), each frame drawn
// once. A file that cannot be played gives 3; a key ends a looped video at the frame it was pressed.
TEST(Video, PlaysOnceWhateverWasHeldWhenItStartedAndLoopsUntilAKeyIsPressed) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
    StartTestRuntime();
    const std::string clip = MakeClip("clip.mp4", 1.0);
    auto input = std::make_unique<HeldAtFirst>();
    HeldAtFirst* held = input.get();
    held->SetKey(kSpace, true);
    held->SetButtons(true, false);
    UseInputSource(std::move(input));
    pDXin->CreateDInput(true);
    std::vector<VideoFrameShown> frames;
    std::vector<Rgb> corners;
    bool wrapped = false, press_at_wrap = false;
    WatchVideoFrames([&](const VideoFrameShown& frame) {
        wrapped = wrapped || (!frames.empty() && frame.position < frames.back().position);
        frames.push_back(frame);
        if (corners.empty() && frame.position >= 0.15)  // past the first frames, some dropped under load
            corners = {PixelAt(0, 0), PixelAt(320, 60), PixelAt(320, 420), PixelAt(639, 479)};
        if (press_at_wrap && (wrapped || frames.size() > 600)) held->SetKey(kSpace, true);
    });
    ASSERT_NE(Mpv(), nullptr);
    library = *Mpv();
    MpvLibrary watched = library;
    watched.render_context_update = [](mpv_render_context* context) {
        return last_update = library.render_context_update(context);
    };
    watched.render_context_render = [](mpv_render_context* context, mpv_render_param* params) {
        renders_not_due += (std::exchange(last_update, 0) & MPV_RENDER_UPDATE_FRAME) == 0;
        return library.render_context_render(context, params);
    };
    watched.render_context_report_swap = [](mpv_render_context* context) {
        ++swaps_reported;
        library.render_context_report_swap(context);
    };
    UseMpvFunctions(&watched);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(PLAYMOVIE(DynStr(clip.c_str())), 0);
    UseMpvFunctions(nullptr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.9);
    EXPECT_LT(double(held->reads) / seconds, 5000.0);
    ASSERT_EQ(corners.size(), 4u);
    EXPECT_EQ(frames.front().picture, (VideoRect{0, 0, 640, 480}));
    EXPECT_TRUE(LooksLike(corners[0], kRed) && LooksLike(corners[1], kRed));  // the right way up
    EXPECT_TRUE(LooksLike(corners[2], kBlue) && LooksLike(corners[3], kBlue));
    EXPECT_TRUE(frames.front().sound);
    EXPECT_GE(frames.back().position, 0.8);  // its last frame is at 29/30 s
    EXPECT_LE(frames.size(), 31u);
    EXPECT_EQ(renders_not_due, 0);
    EXPECT_EQ(swaps_reported, static_cast<long>(frames.size()));
    EXPECT_FALSE(wrapped);
    frames.clear();
    press_at_wrap = true;
    WriteBytes(TempPath("notes.mp4"), std::string("not a video"));
    WriteBytes(TempPath("intro.m3u"), clip + "\n");  // a playlist is not followed
    EXPECT_EQ(LOOPMOVIE(DynStr(TempPath("notes.mp4").c_str())), 3);
    EXPECT_EQ(PLAYMOVIE(DynStr(TempPath("intro.m3u").c_str())), 3);
    EXPECT_TRUE(frames.empty());
    EXPECT_EQ(LOOPMOVIE(DynStr(clip.c_str())), 0);
    WatchVideoFrames({});
    held->ReleaseAllKeys();
    ASSERT_TRUE(wrapped);
    EXPECT_LT(frames.back().position, frames[frames.size() - 2].position);  // no frame after the key
}

// Each in a fresh process. Window events are dispatched while a video plays: closing the window ends
// the program, and the file extracted from the media container goes with it.
TEST(VideoInAFreshProgram, WideWindowCentresLibmpvMissingGives3AndClosingTheWindowEndsTheProgram) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
    const std::string clip = MakeClip("wide.mp4", 0.5);
    ExpectInChildProcess([&clip] {
        __QV_RESX = 800;
        StartTestRuntime();
        std::vector<Rgb> seen;
        VideoRect place;
        WatchVideoFrames([&](const VideoFrameShown& frame) {
            place = frame.picture;
            if (frame.frame == 3)
                seen = {PixelAt(79, 240), PixelAt(80, 60), PixelAt(719, 420), PixelAt(720, 240)};
        });
        return PLAYMOVIE(DynStr(clip.c_str())) == 0 && place == VideoRect{80, 0, 640, 480} &&
               seen.size() == 4 && seen[0] == kBlack && LooksLike(seen[1], kRed) &&
               LooksLike(seen[2], kBlue) && seen[3] == kBlack;
    });
    DeleteErrorLog();
    ExpectInChildProcess([&clip] {
        setenv("MORVANE_MPV_LIBRARY", "libmpv-not-installed.so.2", 1);
        StartTestRuntime();
        return PLAYMOVIE(DynStr(clip.c_str())) == 3 && LOOPMOVIE(DynStr(clip.c_str())) == 3;
    });
    const std::vector<std::string> log = ErrorLogLines();
    EXPECT_EQ(
        std::count_if(log.begin(), log.end(), [](auto& l) { return l.rfind("libmpv is missing", 0) == 0; }),
        1);
    WriteBytes(TempPath("videos.box"),
               BuildContainer({}, {{"intro.mp4", PackedText(ReadBytes(clip))}}, true));
    ExpectInChildProcess([] {
        StartTestRuntime();
        SETSHOEBOX(DynStr(""), DynStr(TempPath("videos.box").c_str()));
        WatchVideoFrames([](const VideoFrameShown& frame) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            if (frame.frame == 2) SDL_PushEvent(&quit);
        });
        PLAYMOVIE(DynStr("intro.mp4"));
        return false;  // the video went on to its end
    });
    EXPECT_TRUE(ExtractedFiles().empty());
}

}  // namespace
