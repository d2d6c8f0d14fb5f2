// Sound effects as really mixed, read back from the disk audio driver's file.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <numeric>
#include <string>
#include <vector>

#include "media/mixed_output.h"
#include "media/video_clips.h"
#include "media/wave_bytes.h"
#include "support/error_log_lines.h"

namespace {

using namespace mixed_output;

constexpr std::int16_t kLevel = 4000;
constexpr std::size_t kHalfSecond = 11025;

std::string WriteWave(const std::string& name, const WaveRecipe& recipe) {
    WriteBytes(TempPath(name), WaveBytes(recipe));
    return TempPath(name);
}

// A stereo sound of one level throughout, so that the output tells how many instances sound at once.
std::string LevelSound(const std::string& name, std::size_t frames, std::int16_t level = kLevel) {
    WaveRecipe recipe;
    recipe.channels = 2;
    recipe.data = Samples16(frames, {level, level});
    return WriteWave(name, recipe);
}

std::vector<StereoFrame> PlayedOnce(int sound, double pan, double volume) {
    const std::size_t mark = Mark();
    PLAYSOUND(sound, pan, volume);
    return UntilSilent(mark);
}

// Gives the command on the mixer's own thread right after the first mixed buffer
// that reaches `level`: every instance started before it still sounds.
void RightAfterMixedAt(int level, std::function<void()> command) {
    struct Cue {
        int level;
        std::function<void()> command;
        std::atomic<bool> given{false};
    } cue{level, std::move(command)};
    pDXsnd->SetMixTap(
        [](void* context, const std::int16_t* samples, std::size_t frames) {
            auto& cue = *static_cast<Cue*>(context);
            for (std::size_t i = 0; i < frames && !cue.given; ++i) {
                if (samples[2 * i] < cue.level) continue;
                cue.command();
                cue.given = true;
            }
        },
        &cue);
    EXPECT_TRUE(WaitUntil([&cue] { return cue.given.load(); }));
    pDXsnd->SetMixTap(nullptr, nullptr);
}

class Sound : public testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override {
        for (int n = 0; n < kSoundCount; ++n)
            DXwav[n].Load(pDXsnd, "", 1);
    }
};

TEST_F(Sound, WaveFilesPlayAsRecordedWhateverTheirFormat) {
    WaveRecipe mono8;
    mono8.bits_per_sample = 8;
    mono8.data.assign(2205, 0xC0);
    WaveRecipe stereo16;
    stereo16.channels = 2;
    stereo16.data = Samples16(2205, {1000, -2000});
    WaveRecipe slow = mono8;
    slow.samples_per_second = 11025;
    // Name, file, the frame it plays as, its length and the length's tolerance (0: every frame exact).
    const std::vector<std::tuple<const char*, WaveRecipe, StereoFrame, std::size_t, std::size_t>> cases = {
        {"8-bit mono", mono8, {16384, 16384}, 2205, 0},
        {"16-bit stereo", stereo16, {1000, -2000}, 2205, 0},
        {"11025 per second: twice the frames, edges blurred by resampling", slow, {16384, 16384}, 4410, 64},
    };
    for (const auto& [name, recipe, played, frames, tolerance] : cases) {
        SCOPED_TRACE(name);
        LOADSOUND(DynStr(WriteWave("kind.wav", recipe).c_str()), 1, 1);
        const std::vector<StereoFrame> output = PlayedOnce(1, 0, 1);
        EXPECT_NEAR(double(AudibleFrames(output)), double(frames), double(tolerance));
        if (tolerance == 0) {
            EXPECT_EQ(CountFrames(output, played, 1), frames);
        }
    }
}

TEST_F(Sound, PanTurnsTheOtherSideDownInHundredthsOfADecibelAndVolumeScalesBoth) {
    const std::vector<std::tuple<double, double, StereoFrame>> cases = {
        {-1, 1, {16000, 0}},    {-5, 1, {16000, 0}},    {1, 1, {0, 16000}},        {0.5, 1, {51, 16000}},
        {0, 0.5, {8000, 8000}}, {0, 2, {16000, 16000}}, {-0.25, 0.5, {8000, 450}}, {0, 0, {0, 0}},
    };
    LOADSOUND(DynStr(LevelSound("pan.wav", 2000, 16000).c_str()), 2, 1);
    for (const auto& [pan, volume, played] : cases) {
        SCOPED_TRACE(testing::Message() << "pan " << pan << ", volume " << volume);
        const std::vector<StereoFrame> output = PlayedOnce(2, pan, volume);
        EXPECT_EQ(AudibleFrames(output), volume == 0 ? 0u : 2000u);
        EXPECT_EQ(CountFrames(output, played), volume == 0 ? output.size() : 2000u);
    }
}

TEST_F(Sound, PlayBuffersTakeTurnsCuttingOffTheOldestAndHushStopsThemAll) {
    struct Case {
        const char* name;
        double buffers;
        int plays;           // all of them sounding when the last command comes
        bool hush;           // the last command: HUSH, else one more PLAYSOUND
        double least, most;  // the frames of all instances together, in lengths of the sound
    };
    const std::vector<Case> cases = {
        {"a fifth play of four buffers cuts off the oldest and starts it again", 4, 4, false, 4.01, 5},
        {"a one-buffer sound is not restarted while it plays", 0, 1, false, 1, 1},
        {"HUSH silences every sound", 4, 3, true, 0, 0.5},
    };
    const std::string sound = LevelSound("turns.wav", kHalfSecond);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LOADSOUND(DynStr(sound.c_str()), 0, c.buffers);
        const std::size_t mark = Mark();
        for (int k = 0; k < c.plays; ++k)
            PLAYSOUND(0, 0, 1);
        RightAfterMixedAt(c.plays * kLevel, [&c] { c.hush ? HUSH() : PLAYSOUND(0, 0, 1); });
        if (c.hush) {
            EXPECT_EQ(SoundsPlaying(), 0);
        }
        const std::vector<StereoFrame> output = UntilSilent(mark);
        const auto loudest = std::max_element(output.begin(), output.end(),
                                              [](StereoFrame a, StereoFrame b) { return a.left < b.left; });
        EXPECT_EQ(loudest->left, c.plays * kLevel);  // never more at once than there are buffers
        const double lengths =
            std::accumulate(output.begin(), output.end(), 0.0,
                            [](double sum, const StereoFrame& f) { return sum + f.left; }) /
            (kLevel * double(kHalfSecond));
        EXPECT_GE(lengths, c.least);
        EXPECT_LE(lengths, c.most);
    }
}

// A wave file that cannot be loaded leaves the sound empty, without a word.
TEST_F(Sound, NumbersAndBufferCountsAreLimitedAndBadFilesAndNegativeNumbersRefused) {
    const std::string file = LevelSound("count.wav", 100);
    for (const auto& [asked, made] : std::vector<std::pair<double, int>>{{-3, 1}, {0, 1}, {2.9, 2}, {9, 4}}) {
        LOADSOUND(DynStr(file.c_str()), 500, asked);
        EXPECT_EQ(DXwav[127].PlayBufferCount(), made) << asked;
    }
    LOADSOUND(DynStr(file.c_str()), -1, 1);
    EXPECT_EQ(DXwav[0].PlayBufferCount(), 0);
    LOADSOUND(DynStr(file.c_str()), 0, 1);
    PLAYSOUND(-1, 0, 1);
    EXPECT_EQ(SoundsPlaying(), 0);

    const std::string bytes = ReadBytes(file);
    WriteBytes(TempPath("cut.wav"), bytes.substr(0, bytes.size() - 2));
    const std::vector<std::string> log = ErrorLogLines();
    LOADSOUND(DynStr(TempPath("cut.wav").c_str()), 0, 2);
    EXPECT_EQ(DXwav[0].PlayBufferCount(), 0);
    EXPECT_EQ(ErrorLogLines(), log);
}

// Half a second of a 440 Hz tone at an eighth of full scale, made by ffmpeg in the format its extension
// names.
std::string MakeTone(const std::string& name) {
    const std::string command =
        "ffmpeg -v error -y -f lavfi -i 'sine=frequency=440:duration=0.5:sample_rate=22050' -ac 1 '" +
        TempPath(name) + "' < /dev/null";
    return std::system(command.c_str()) == 0 ? TempPath(name) : std::string();
}

// Ogg, MP3 and FLAC go through the mixer's decoders: a file they refuse or that
// is shorter than its headers say fails the load and says why.
TEST_F(Sound, OggMp3AndFlacPlayForTheirLengthAndACutFileFailsTheLoadSayingWhy) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no sounds to load";
    for (const std::string format : {"ogg", "mp3", "flac"}) {
        SCOPED_TRACE(format);
        const std::string good = MakeTone("tone." + format);
        ASSERT_FALSE(good.empty());
        LOADSOUND(DynStr(good.c_str()), 1, 2);
        EXPECT_EQ(DXwav[1].PlayBufferCount(), 2);
        const std::vector<StereoFrame> output = PlayedOnce(1, 0, 1);
        EXPECT_NEAR(double(AudibleFrames(output)), 11025, 0.06 * 11025);
        const auto peak = std::max_element(output.begin(), output.end(), [](StereoFrame a, StereoFrame b) {
            return std::abs(a.left) < std::abs(b.left);
        });
        EXPECT_NEAR(std::abs(peak->left), 4096, 600);
        EXPECT_EQ(peak->left, peak->right);

        const std::string bytes = ReadBytes(good), bad = TempPath("bad." + format);
        for (const std::string& cut : {bytes.substr(0, bytes.size() * 6 / 10), bytes.substr(0, 40)}) {
            WriteBytes(bad, cut);
            LOADSOUND(DynStr(bad.c_str()), 1, 1);
            EXPECT_EQ(DXwav[1].PlayBufferCount(), 0);
            const std::string said = "LOADSOUND cannot load " + bad + ": ";
            EXPECT_EQ(LastErrorLogLines(1).at(0).rfind(said, 0), 0u);
            EXPECT_GT(LastErrorLogLines(1).at(0).size(), said.size());
        }
    }
}

// Start-up opens the device on a thread of its own; its first use waits for it.
TEST(SoundDevice, OpenedInTheBackgroundIsReadyAtItsFirstUse) {
    EXPECT_EXIT(
        {
            SFXSound device;
            device.CreateInBackground(nullptr);
            const bool ready = device.IsOpen() && device.Caps().mixer_channels == SFXSound::kMixerChannels &&
                               device.ReserveChannel() == 0;
            std::_Exit(ready ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// No device, or no SDL_mixer to open: start-up goes on and every sound command
// is silent; only the missing library is worth a line in the error log.
void ExpectSilentStart(const char* variable, const char* value, const std::vector<std::string>& log) {
    EXPECT_EXIT(
        {
            setenv(variable, value, 1);
            StartTestRuntime();
            LOADSOUND(DynStr(LevelSound("none.wav", 100).c_str()), 1, 1);
            PLAYSOUND(1, 0, 1);
            HUSH();
            const bool silent = pDXsnd->Create(nullptr) == 0 && pDXsnd->GetCaps() == 0 &&
                                DXwav[1].PlayBufferCount() == 0 && ErrorLogLines() == log;
            std::_Exit(silent ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(SoundWithoutDevice, StartsSilentlyAndEverySoundCommandDoesNothing) {
    ExpectSilentStart("SDL_AUDIODRIVER", "no-such-driver", {"OpenGL Software Emulation"});
    ExpectSilentStart("MORVANE_MIXER_LIBRARY", "libSDL2_mixer-not-installed.so",
                      {"OpenGL Software Emulation",
                       "SDL_mixer is missing: libSDL2_mixer-not-installed.so cannot be "
                       "opened, sounds and music cannot be played"});
}

}  // namespace
