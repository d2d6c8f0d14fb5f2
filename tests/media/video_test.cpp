// Videos played into the window, looked at frame by frame while they play.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "files/container_bytes.h"
#include "files/files_test_support.h"
#include "media/video_clips.h"
#include "morvane.h"
#include "support/test_runtime.h"

namespace {

constexpr std::uint8_t kSpace = 57;

TEST(VideoFit, ScalesToFitCentresAndKeepsWholePixels) {
    struct Case {
        int video_width, video_height, window_width, window_height;
        VideoRect place;
    };
    const std::vector<Case> cases = {
        {320, 240, 640, 480, {0, 0, 640, 480}},  {320, 240, 800, 480, {80, 0, 640, 480}},
        {640, 360, 640, 480, {0, 60, 640, 360}}, {480, 360, 640, 480, {0, 0, 640, 480}},
        {100, 100, 640, 480, {80, 0, 480, 480}}, {3, 1, 640, 480, {0, 133, 640, 213}},
        {1, 3, 640, 480, {240, 0, 160, 480}},    {0, 0, 640, 480, {0, 0, 640, 480}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.video_width << " x " << c.video_height);
        EXPECT_EQ(FitVideo(c.video_width, c.video_height, c.window_width, c.window_height), c.place);
    }
}

// What the frames of one video showed.
struct Watched {
    std::vector<VideoFrameShown> frames;
    Rgb top_left{}, top_middle{}, bottom_middle{}, bottom_right{};
    bool wrapped = false;  // the position went back to the start

    double LastPosition() const { return frames.empty() ? 0 : frames.back().position; }
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

    // Watches the frames of the next video; `on_frame` may act on each one.
    void Watch(std::function<void(const VideoFrameShown&)> on_frame = {}) {
        WatchVideoFrames([this, on_frame](const VideoFrameShown& frame) {
            if (!watched_.frames.empty() && frame.position < watched_.LastPosition()) watched_.wrapped = true;
            watched_.frames.push_back(frame);
            if (frame.frame == 5) {
                watched_.top_left = PixelAt(0, 0);
                watched_.top_middle = PixelAt(320, 60);
                watched_.bottom_middle = PixelAt(320, 420);
                watched_.bottom_right = PixelAt(639, 479);
            }
            if (on_frame) on_frame(frame);
        });
    }

    TestRuntime runtime_{};
    std::string clip_;
    Watched watched_;
};

TEST_F(Video, PlaysOnceFillingTheWindowWithItsSoundAndEndsByItself) {
    Watch();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(PLAYMOVIE(DynStr(clip_.c_str())), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_GE(watched_.frames.size(), 5u);
    EXPECT_EQ(watched_.frames.front().picture, (VideoRect{0, 0, 640, 480}));
    EXPECT_TRUE(LooksLike(watched_.top_left, kRed));
    EXPECT_TRUE(LooksLike(watched_.top_middle, kRed));
    EXPECT_TRUE(LooksLike(watched_.bottom_middle, kBlue));
    EXPECT_TRUE(LooksLike(watched_.bottom_right, kBlue));
    EXPECT_TRUE(watched_.frames.front().sound);
    // It ran to its last frame (at 29/30 s) in real time, and once only.
    EXPECT_GE(watched_.LastPosition(), 0.8);
    EXPECT_GE(seconds, 0.9);
    EXPECT_FALSE(watched_.wrapped);
}

TEST_F(Video, LoopMovieStartsAgainUntilAKeyIsPressed) {
    Watch([this](const VideoFrameShown&) {
        if (watched_.wrapped || watched_.frames.size() > 600) runtime_.input->SetKey(kSpace, true);
    });
    EXPECT_EQ(LOOPMOVIE(DynStr(clip_.c_str())), 0);
    runtime_.input->ReleaseAllKeys();
    EXPECT_TRUE(watched_.wrapped);
}

TEST_F(Video, AKeyOrButtonPressedWhileItPlaysEndsIt) {
    for (const bool key : {true, false}) {
        SCOPED_TRACE(key ? "key" : "mouse button");
        watched_ = {};
        Watch([this, key](const VideoFrameShown& frame) {
            if (frame.frame != 3) return;
            if (key) runtime_.input->SetKey(kSpace, true);
            if (!key) runtime_.input->SetButtons(true, false);
        });
        EXPECT_EQ(PLAYMOVIE(DynStr(clip_.c_str())), 0);
        runtime_.input->ReleaseAllKeys();
        runtime_.input->SetButtons(false, false);
        EXPECT_LE(watched_.frames.size(), 4u);
    }
}

// Scripted input that counts how often the keyboard is read.
class CountedInput : public ScriptedInput {
public:
    void ReadKeys(KeyStates& keys) override {
        ++reads;
        ScriptedInput::ReadKeys(keys);
    }
    long reads = 0;
};

// The wait for the next frame sleeps: it looks at the input about once a
// millisecond, where a busy loop would look a hundred times as often.
TEST_F(Video, WaitsForFramesWithoutSpinning) {
    auto counted = std::make_unique<CountedInput>();
    CountedInput* input = counted.get();
    UseInputSource(std::move(counted));
    pDXin->CreateDInput(true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(PLAYMOVIE(DynStr(clip_.c_str())), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(static_cast<double>(input->reads) / seconds, 5000.0);
}

// Input that holds a key and a mouse button down for the first reads, as a
// person still holding the key that started the video.
class HeldAtFirst : public ScriptedInput {
public:
    void ReadKeys(KeyStates& keys) override {
        if (++reads_ > kHeldReads) ReleaseAllKeys();
        ScriptedInput::ReadKeys(keys);
    }
    MouseReading ReadMouse() override {
        if (reads_ > kHeldReads) SetButtons(false, false);
        return ScriptedInput::ReadMouse();
    }

private:
    static constexpr int kHeldReads = 20;
    int reads_ = 0;
};

TEST_F(Video, AKeyHeldWhenItStartsDoesNotEndIt) {
    auto input = std::make_unique<HeldAtFirst>();
    input->SetKey(kSpace, true);
    input->SetButtons(true, false);
    UseInputSource(std::move(input));
    pDXin->CreateDInput(true);
    Watch();
    EXPECT_EQ(PLAYMOVIE(DynStr(clip_.c_str())), 0);
    EXPECT_GE(watched_.LastPosition(), 0.8);
}

TEST_F(Video, AFileThatCannotBePlayedGives3) {
    const std::string text = std::string(std::getenv("TMPDIR")) + "/notes.mp4";
    std::ofstream(text) << "not a video";
    // A playlist is not followed to the files it names.
    const std::string playlist = std::string(std::getenv("TMPDIR")) + "/intro.m3u";
    std::ofstream(playlist) << clip_ << "\n";
    Watch();
    EXPECT_EQ(PLAYMOVIE(DynStr("missing.mp4")), 3);
    EXPECT_EQ(PLAYMOVIE(DynStr("http://127.0.0.1:9/intro.mp4")), 3);
    EXPECT_EQ(LOOPMOVIE(DynStr(text.c_str())), 3);
    EXPECT_EQ(PLAYMOVIE(DynStr(playlist.c_str())), 3);
    EXPECT_TRUE(watched_.frames.empty());
}

std::string ContainerWithClip(const std::string& clip) {
    const std::string box = std::string(std::getenv("TMPDIR")) + "/videos.box";
    WriteBytes(box, BuildContainer({}, {{"intro.mp4", PackedText(ReadBytes(clip))}}, true));
    return box;
}

TEST_F(Video, PlaysFromTheMediaContainer) {
    SETSHOEBOX(DynStr(""), DynStr(ContainerWithClip(clip_).c_str()));
    Watch();
    EXPECT_EQ(PLAYMOVIE(DynStr("videos/INTRO.MP4")), 0);
    SETSHOEBOX(DynStr(""), DynStr(""));
    EXPECT_GE(watched_.LastPosition(), 0.8);
}

// Window events are dispatched while a video plays: closing the window ends
// the program, and the file extracted for the video is gone with it.
TEST(VideoAtTheEnd, ClosingTheWindowDuringAVideoEndsTheProgram) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no clips to play";
    const std::string box = ContainerWithClip(MakeClip("closed.mp4", 320, 240, 1.0));
    EXPECT_EXIT(
        {
            StartTestRuntime();
            SETSHOEBOX(DynStr(""), DynStr(box.c_str()));
            WatchVideoFrames([](const VideoFrameShown& frame) {
                if (frame.frame != 2) return;
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                SDL_PushEvent(&quit);
            });
            PLAYMOVIE(DynStr("intro.mp4"));
            std::_Exit(1);  // the video went on to its end
        },
        testing::ExitedWithCode(0), "");
    EXPECT_TRUE(ExtractedFiles().empty());
}

}  // namespace
