// Videos played into the window, looked at frame by frame while they play.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "files/container_bytes.h"
#include "media/video_clips.h"
#include "support/error_log_lines.h"
#include "support/test_runtime.h"

namespace {

constexpr std::uint8_t kSpace = 57;

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

class Video : public testing::Test {
protected:
    void SetUp() override {
        if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
        runtime_ = StartTestRuntime();
        clip_ = MakeClip("clip.mp4", 320, 240, 1.0);
        ASSERT_FALSE(clip_.empty());
    }
    void TearDown() override { WatchVideoFrames({}); }

    // Keeps every frame of the next video; `on_frame` may act on each.
    void Watch(std::function<void(const VideoFrameShown&)> on_frame = {}) {
        WatchVideoFrames([this, on_frame](const VideoFrameShown& frame) {
            wrapped_ = wrapped_ || (!frames_.empty() && frame.position < frames_.back().position);
            frames_.push_back(frame);
            if (frame.frame == 5)
                corners_ = {PixelAt(0, 0), PixelAt(320, 60), PixelAt(320, 420), PixelAt(639, 479)};
            if (on_frame) on_frame(frame);
        });
    }

    TestRuntime runtime_{};
    std::string clip_;
    std::vector<VideoFrameShown> frames_;
    std::vector<Rgb> corners_;
    bool wrapped_ = false;
};

// Waiting for frames, the input is looked at about once a millisecond: a busy
// loop would look a hundred times as often.
TEST_F(Video, PlaysOnceFillingTheWindowWithItsSoundWhateverWasHeldWhenItStarted) {
    auto input = std::make_unique<HeldAtFirst>();
    HeldAtFirst* held = input.get();
    held->SetKey(kSpace, true);
    held->SetButtons(true, false);
    UseInputSource(std::move(input));
    pDXin->CreateDInput(true);
    Watch();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(PLAYMOVIE(DynStr(clip_.c_str())), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 0.9);
    EXPECT_LT(double(held->reads) / seconds, 5000.0);
    ASSERT_EQ(corners_.size(), 4u);
    EXPECT_EQ(frames_.front().picture, (VideoRect{0, 0, 640, 480}));
    EXPECT_TRUE(LooksLike(corners_[0], kRed) && LooksLike(corners_[1], kRed));  // the right way up
    EXPECT_TRUE(LooksLike(corners_[2], kBlue) && LooksLike(corners_[3], kBlue));
    EXPECT_TRUE(frames_.front().sound);
    EXPECT_GE(frames_.back().position, 0.8);  // its last frame is at 29/30 s
    EXPECT_FALSE(wrapped_);
}

// A key pressed while it plays ends it, at the frame it was pressed.
TEST_F(Video, LoopMovieStartsAgainUntilAKeyIsPressed) {
    Watch([this](const VideoFrameShown&) {
        if (wrapped_ || frames_.size() > 600) runtime_.input->SetKey(kSpace, true);
    });
    EXPECT_EQ(LOOPMOVIE(DynStr(clip_.c_str())), 0);
    runtime_.input->ReleaseAllKeys();
    ASSERT_TRUE(wrapped_);
    EXPECT_LT(frames_.back().position, frames_[frames_.size() - 2].position);  // no frame after the key
}

TEST_F(Video, AFileThatCannotBePlayedGives3) {
    WriteBytes(TempPath("notes.mp4"), std::string("not a video"));
    WriteBytes(TempPath("intro.m3u"), clip_ + "\n");  // a playlist is not followed
    Watch();
    EXPECT_EQ(LOOPMOVIE(DynStr(TempPath("notes.mp4").c_str())), 3);
    EXPECT_EQ(PLAYMOVIE(DynStr(TempPath("intro.m3u").c_str())), 3);
    EXPECT_TRUE(frames_.empty());
}

// Each of these starts a runtime of its own, in a fresh process.
TEST(VideoInAFreshProgram, WideWindowCentresWithBlackColumnsAndLibmpvMissingGives3) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
    const std::string clip = MakeClip("wide.mp4", 320, 240, 0.5);
    const auto play_wide = [&clip] {
        __QV_RESX = 800;
        StartTestRuntime();
        std::vector<Rgb> seen;
        VideoRect place;
        WatchVideoFrames([&](const VideoFrameShown& frame) {
            place = frame.picture;
            if (frame.frame == 3)
                seen = {PixelAt(79, 240), PixelAt(80, 60), PixelAt(719, 420), PixelAt(720, 240)};
        });
        const bool centred = PLAYMOVIE(DynStr(clip.c_str())) == 0 && place == VideoRect{80, 0, 640, 480} &&
                             seen.size() == 4 && seen[0] == kBlack && LooksLike(seen[1], kRed) &&
                             LooksLike(seen[2], kBlue) && seen[3] == kBlack;
        std::_Exit(centred ? 0 : 1);
    };
    EXPECT_EXIT(play_wide(), testing::ExitedWithCode(0), "");
    DeleteErrorLog();
    EXPECT_EXIT(
        {
            setenv("MORVANE_MPV_LIBRARY", "libmpv-not-installed.so.2", 1);
            StartTestRuntime();
            const bool refused = PLAYMOVIE(DynStr(clip.c_str())) == 3 && LOOPMOVIE(DynStr(clip.c_str())) == 3;
            std::_Exit(refused ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    const std::vector<std::string> log = ErrorLogLines();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.rfind("libmpv is missing", 0) == 0; }),
              1);
}

// Window events are dispatched while a video plays: closing the window ends the
// program, and the file extracted from the media container goes with it.
TEST(VideoAtTheEnd, ClosingTheWindowDuringAVideoEndsTheProgram) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
    const std::string box = TempPath("videos.box");
    WriteBytes(box, BuildContainer(
                        {}, {{"intro.mp4", PackedText(ReadBytes(MakeClip("end.mp4", 320, 240, 1)))}}, true));
    EXPECT_EXIT(
        {
            StartTestRuntime();
            SETSHOEBOX(DynStr(""), DynStr(box.c_str()));
            WatchVideoFrames([](const VideoFrameShown& frame) {
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                if (frame.frame == 2) SDL_PushEvent(&quit);
            });
            PLAYMOVIE(DynStr("intro.mp4"));
            std::_Exit(1);  // the video went on to its end
        },
        testing::ExitedWithCode(0), "");
    EXPECT_TRUE(ExtractedFiles().empty());
}

}  // namespace
