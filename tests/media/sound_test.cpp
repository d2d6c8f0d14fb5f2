// Sound effects as really mixed: every test plays sounds and reads the mixed
// output back from the disk audio driver's file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "files/container_bytes.h"
#include "files/files_test_support.h"
#include "media/mixed_output.h"
#include "media/wave_bytes.h"
#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

constexpr std::int16_t kLevel = 4000;
constexpr std::size_t kHalfSecond = 11025;

std::string WriteWave(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = std::string(std::getenv("TMPDIR")) + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A mono sound that holds one level for its whole length, so that the mixed
// output tells how many instances of it sound at each moment.
std::string LevelSound(const std::string& name, std::size_t frames, std::int16_t level = kLevel) {
    WaveSpec spec;
    spec.channels = 2;  // the mixer's own format: played without conversion, level for level
    spec.data = Samples16(frames, {level, level});
    return WriteWave(name, WaveBytes(spec));
}

int LoudestLeft(const std::vector<StereoFrame>& frames) {
    int loudest = 0;
    for (const StereoFrame& f : frames)
        loudest = std::max(loudest, std::abs(static_cast<int>(f.left)));
    return loudest;
}

// The frames played by all instances together, counted in frames of one instance.
double InstanceFrames(const std::vector<StereoFrame>& frames) {
    const double sum = std::accumulate(frames.begin(), frames.end(), 0.0,
                                       [](double total, const StereoFrame& f) { return total + f.left; });
    return sum / kLevel;
}

bool OutputReaches(std::size_t mark, int level) {
    return MixedOutput::WaitUntil([&] { return LoudestLeft(MixedOutput::FramesSince(mark)) >= level; });
}

class Sound : public testing::Test {
protected:
    void SetUp() override { MixedOutput::Start(); }
    void TearDown() override {
        HUSH();
        for (int n = 0; n < kSoundCount; ++n)
            DXwav[n].Load(pDXsnd, "", 1);
    }
};

TEST_F(Sound, OpensTheMixerAtTheSoundFormatOfTheRuntime) {
    ASSERT_TRUE(pDXsnd->IsOpen());
    EXPECT_EQ(pDXsnd->GetCaps(), 1);
    EXPECT_EQ(pDXsnd->Caps().mixer_channels, kSoundCount * SFXSoundBuffer::kMaxPlayBuffers);
    EXPECT_EQ(pDXsnd->Caps().format.samples_per_second, 22050);
    EXPECT_EQ(pDXsnd->Caps().format.channels, 2);
}

TEST_F(Sound, EveryKindOfWaveFilePlaysAsRecorded) {
    struct Case {
        const char* name;
        WaveSpec spec;
        StereoFrame played;
        std::size_t frames;
        std::size_t tolerance;  // resampling blurs the edges
    };
    WaveSpec mono8;
    mono8.bits_per_sample = 8;
    mono8.data.assign(2205, 0xC0);
    WaveSpec stereo16;
    stereo16.channels = 2;
    stereo16.data = Samples16(2205, {1000, -2000});
    stereo16.format_extension = {0, 0};
    stereo16.chunks_before_data = {{"LIST", std::string("INFOISFT\x03\0\0\0abc", 15)},
                                   {"fact", std::string("\x9d\x08\0\0", 4)}};
    WaveSpec extensible;
    extensible.format_tag = 0xFFFE;
    extensible.format_extension = ExtensibleFormat(1);
    extensible.data = Samples16(2205, {-3000});
    WaveSpec slow = mono8;
    slow.samples_per_second = 11025;
    const std::vector<Case> cases = {
        {"8-bit mono", mono8, {16384, 16384}, 2205, 0},
        {"16-bit stereo with LIST and fact chunks and an 18-byte format block",
         stereo16,
         {1000, -2000},
         2205,
         0},
        {"extensible 16-bit mono", extensible, {-3000, -3000}, 2205, 0},
        {"11025 samples per second, played at twice the frames", slow, {16384, 16384}, 4410, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LOADSOUND(DynStr(WriteWave("kind.wav", WaveBytes(c.spec)).c_str()), 1, 1);
        ASSERT_EQ(DXwav[1].PlayBufferCount(), 1);
        const std::size_t mark = MixedOutput::Mark();
        PLAYSOUND(1, 0, 1);
        const std::vector<StereoFrame> output = MixedOutput::UntilSilent(mark);
        if (c.tolerance == 0) {
            EXPECT_EQ(CountFramesNear(output, c.played), c.frames);
        }
        EXPECT_NEAR(static_cast<double>(AudibleFrames(output)), static_cast<double>(c.frames),
                    static_cast<double>(c.tolerance));
    }
}

TEST_F(Sound, PanTurnsTheOtherSideDownInHundredthsOfADecibelAndVolumeScalesBoth) {
    struct Case {
        double pan, volume;
        StereoFrame played;
    };
    const std::vector<Case> cases = {
        {-1, 1, {16000, 0}},    {-5, 1, {16000, 0}},    {1, 1, {0, 16000}},        {0.5, 1, {51, 16000}},
        {0, 0.5, {8000, 8000}}, {0, 2, {16000, 16000}}, {-0.25, 0.5, {8000, 450}}, {0, 0, {0, 0}},
    };
    LOADSOUND(DynStr(LevelSound("pan.wav", 2000, 16000).c_str()), 2, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pan " << c.pan << ", volume " << c.volume);
        const std::size_t mark = MixedOutput::Mark();
        PLAYSOUND(2, c.pan, c.volume);
        const std::vector<StereoFrame> output = MixedOutput::UntilSilent(mark);
        if (c.volume == 0) {
            EXPECT_EQ(AudibleFrames(output), 0u);
        } else {
            EXPECT_EQ(CountFrames(output, c.played), 2000u);
            EXPECT_EQ(AudibleFrames(output), 2000u);
        }
    }
}

TEST_F(Sound, AFifthPlayOfAFourBufferSoundCutsOffTheOldestAndStartsItAgain) {
    LOADSOUND(DynStr(LevelSound("four.wav", kHalfSecond).c_str()), 3, 4);
    const std::size_t mark = MixedOutput::Mark();
    for (int k = 0; k < 4; ++k)
        PLAYSOUND(3, 0, 1);
    ASSERT_TRUE(OutputReaches(mark, 4 * kLevel));
    PLAYSOUND(3, 0, 1);
    const std::vector<StereoFrame> output = MixedOutput::UntilSilent(mark);
    EXPECT_EQ(LoudestLeft(output), 4 * kLevel);  // never five at once
    // The restarted instance played on past the length of the first four.
    EXPECT_GT(InstanceFrames(output), 4.0 * kHalfSecond);
    EXPECT_LE(InstanceFrames(output), 5.0 * kHalfSecond);
}

TEST_F(Sound, AOneBufferSoundIsNotRestartedWhileItPlaysButPlaysAgainOnceDone) {
    LOADSOUND(DynStr(LevelSound("one.wav", kHalfSecond).c_str()), 4, 0);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        const std::size_t mark = MixedOutput::Mark();
        PLAYSOUND(4, 0, 1);
        ASSERT_TRUE(OutputReaches(mark, kLevel));
        PLAYSOUND(4, 0, 1);
        const std::vector<StereoFrame> output = MixedOutput::UntilSilent(mark);
        EXPECT_EQ(LoudestLeft(output), kLevel);
        EXPECT_EQ(AudibleFrames(output), kHalfSecond);
    }
}

TEST_F(Sound, PlayBuffersAreLimitedToOneToFourAndNumbersAbove127Address127) {
    const std::string file = LevelSound("count.wav", 100);
    for (const auto& [asked, made] : std::vector<std::pair<double, int>>{{-3, 1}, {0, 1}, {2.9, 2}, {9, 4}}) {
        SCOPED_TRACE(asked);
        LOADSOUND(DynStr(file.c_str()), 500, asked);
        EXPECT_EQ(DXwav[127].PlayBufferCount(), made);
    }
}

TEST_F(Sound, HushSilencesEverySound) {
    const std::string file = LevelSound("long.wav", 4 * kHalfSecond);
    LOADSOUND(DynStr(file.c_str()), 0, 4);
    LOADSOUND(DynStr(file.c_str()), 200, 1);
    const std::size_t mark = MixedOutput::Mark();
    PLAYSOUND(0, 0, 1);
    PLAYSOUND(0, 0, 1);
    PLAYSOUND(200, 0, 1);
    ASSERT_TRUE(OutputReaches(mark, 3 * kLevel));
    HUSH();
    EXPECT_EQ(MixedOutput::SoundsPlaying(), 0);
    const std::vector<StereoFrame> output = MixedOutput::UntilSilent(mark);
    EXPECT_LT(InstanceFrames(output), 3.0 * 4 * kHalfSecond);
}

TEST_F(Sound, AFileThatCannotBeLoadedLeavesTheSoundEmptyAndSilent) {
    const std::string good = LevelSound("good.wav", 100);
    const std::string good_bytes = ReadBytes(good);
    const std::vector<std::uint8_t> cut(good_bytes.begin(), good_bytes.end() - 2);
    const std::vector<std::string> bad = {
        std::string(std::getenv("TMPDIR")) + "/missing.wav",
        WriteWave("cut.wav", cut),
        WriteWave("text.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'}),
    };
    const std::vector<std::string> log_before = ErrorLogLines();
    for (const std::string& file : bad) {
        SCOPED_TRACE(file);
        LOADSOUND(DynStr(good.c_str()), 6, 2);
        ASSERT_EQ(DXwav[6].PlayBufferCount(), 2);
        LOADSOUND(DynStr(file.c_str()), 6, 2);
        EXPECT_EQ(DXwav[6].PlayBufferCount(), 0);
        PLAYSOUND(6, 0, 1);
        EXPECT_EQ(MixedOutput::SoundsPlaying(), 0);
    }
    EXPECT_EQ(ErrorLogLines(), log_before);  // reported nowhere
}

TEST_F(Sound, NegativeSoundNumbersAreRefused) {
    const std::string file = LevelSound("negative.wav", 100);
    LOADSOUND(DynStr(file.c_str()), -1, 1);
    LOADSOUND(DynStr(file.c_str()), -1e12, 1);
    for (const int n : {0, 127})
        EXPECT_EQ(DXwav[n].PlayBufferCount(), 0);
    LOADSOUND(DynStr(file.c_str()), 0, 1);
    LOADSOUND(DynStr(file.c_str()), 127, 1);
    PLAYSOUND(-1, 0, 1);
    EXPECT_EQ(MixedOutput::SoundsPlaying(), 0);
}

TEST_F(Sound, ASoundOnlyInTheDataContainerLoads) {
    const std::string wave(ReadBytes(LevelSound("boom.wav", 100)));
    std::filesystem::remove(std::string(std::getenv("TMPDIR")) + "/boom.wav");
    const std::string container =
        WriteWave("sounds.box", BuildContainer({}, {{"boom.wav", PackedText(wave)}}, true));
    SETSHOEBOX(DynStr(container.c_str()), DynStr(""));
    LOADSOUND(DynStr("sfx/BOOM.WAV"), 7, 1);
    SETSHOEBOX(DynStr(""), DynStr(""));
    EXPECT_EQ(DXwav[7].PlayBufferCount(), 1);
}

// Without a sound device the program runs on and every sound command is silent.
TEST(SoundWithoutDevice, StartsSilentlyAndLoadsNothing) {
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            StartTestRuntime();
            LOADSOUND(DynStr(LevelSound("none.wav", 100).c_str()), 1, 1);
            PLAYSOUND(1, 0, 1);
            HUSH();
            const bool silent = !pDXsnd->IsOpen() && pDXsnd->Create(nullptr) == 0 && pDXsnd->GetCaps() == 0 &&
                                DXwav[1].PlayBufferCount() == 0 &&
                                ErrorLogLines() == std::vector<std::string>{"OpenGL Software Emulation"};
            std::_Exit(silent ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
