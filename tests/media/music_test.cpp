// Music as really mixed, read back from the disk audio driver's file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "files/container_bytes.h"
#include "files/files_test_support.h"
#include "media/mixed_output.h"
#include "media/wave_bytes.h"
#include "morvane.h"
#include "support/error_log_lines.h"

namespace {

constexpr std::int16_t kFirst = 100;
constexpr std::size_t kTuneFrames = 5512;  // a quarter of a second

// A tune whose every frame is one step louder than the last, so the output
// shows where it starts, whether it was restarted, and where it ends.
std::vector<std::uint8_t> RampTune() {
    WaveSpec spec;
    spec.channels = 2;
    for (std::size_t i = 0; i < kTuneFrames; ++i) {
        const auto level = static_cast<std::int16_t>(kFirst + i);
        const std::vector<std::uint8_t> frame = Samples16(1, {level, level});
        spec.data.insert(spec.data.end(), frame.begin(), frame.end());
    }
    return WaveBytes(spec);
}

std::string WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = std::string(std::getenv("TMPDIR")) + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// The runs of sounding frames in the output, left channel.
std::vector<std::vector<std::int16_t>> Bursts(const std::vector<StereoFrame>& frames) {
    std::vector<std::vector<std::int16_t>> bursts;
    bool in_burst = false;
    for (const StereoFrame& f : frames) {
        if (f.left != 0 && !in_burst) bursts.emplace_back();
        in_burst = f.left != 0;
        if (in_burst) bursts.back().push_back(f.left);
    }
    return bursts;
}

bool IsWholeTune(const std::vector<std::int16_t>& burst) {
    if (burst.size() != kTuneFrames) return false;
    for (std::size_t i = 0; i < burst.size(); ++i) {
        if (burst[i] != static_cast<std::int16_t>(kFirst + i)) return false;
    }
    return true;
}

// Waits until the output since the mark holds `count` bursts, the last one
// followed by silence.
bool WaitForEndedBursts(std::size_t mark, std::size_t count) {
    return MixedOutput::WaitUntil([&] {
        const std::vector<StereoFrame> frames = MixedOutput::FramesSince(mark);
        const bool silent_tail =
            frames.size() > 2048 && frames[frames.size() - 2048].left == 0 && frames.back().left == 0;
        return Bursts(frames).size() == count && silent_tail;
    });
}

class Music : public testing::Test {
protected:
    void SetUp() override { MixedOutput::Start(); }
    void TearDown() override {
        STOPMUSIC();
        SETSHOEBOX(DynStr(""), DynStr(""));
    }
};

TEST_F(Music, PlaysToItsEndAndTheFrameStepStartsItAgainFromTheBeginning) {
    const std::string tune = WriteFile("ramp.wav", RampTune());
    const std::size_t mark = MixedOutput::Mark();
    ASSERT_EQ(PLAYMUSIC(DynStr(tune.c_str())), 0);
    for (int frame = 0; frame < 3; ++frame)
        SHOWSCREEN();  // while it plays: no restart
    ASSERT_TRUE(WaitForEndedBursts(mark, 1));
    SHOWSCREEN();
    ASSERT_TRUE(WaitForEndedBursts(mark, 2));
    STOPMUSIC();
    const auto bursts = Bursts(MixedOutput::FramesSince(mark));
    ASSERT_EQ(bursts.size(), 2u);
    EXPECT_TRUE(IsWholeTune(bursts[0]));
    EXPECT_TRUE(IsWholeTune(bursts[1]));
}

TEST_F(Music, PlaysTheCommonCompressedFormats) {
    if (std::system("command -v ffmpeg > /dev/null 2>&1") != 0) GTEST_SKIP() << "ffmpeg is not installed";
    for (const auto& [file, codec] :
         std::vector<std::pair<std::string, std::string>>{{"tone.ogg", "libvorbis"},
                                                          {"tone.mp3", "libmp3lame"},
                                                          {"tone.flac", "flac"},
                                                          {"tone.opus", "libopus"}}) {
        SCOPED_TRACE(file);
        const std::string path = std::string(std::getenv("TMPDIR")) + "/" + file;
        const std::string make = "ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=0.5 -c:a " +
                                 codec + " '" + path + "' < /dev/null";
        ASSERT_EQ(std::system(make.c_str()), 0);
        const std::size_t mark = MixedOutput::Mark();
        ASSERT_EQ(PLAYMUSIC(DynStr(path.c_str())), 0);
        EXPECT_TRUE(
            MixedOutput::WaitUntil([mark] { return AudibleFrames(MixedOutput::FramesSince(mark)) > 2000; }));
        STOPMUSIC();
    }
}

TEST_F(Music, AFileThatCannotBePlayedGives3AndOnlyAnUnplayableOneIsLogged) {
    const std::string text = WriteFile("notes.txt", {'n', 'o', 't', ' ', 'm', 'u', 's', 'i', 'c'});
    std::vector<std::string> log = ErrorLogLines();
    EXPECT_EQ(PLAYMUSIC(DynStr("missing.ogg")), 3);
    EXPECT_EQ(ErrorLogLines(), log);
    EXPECT_EQ(PLAYMUSIC(DynStr(text.c_str())), 3);
    log = ErrorLogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().rfind("PLAYMUSIC cannot play " + text, 0), 0u) << log.back();
}

TEST_F(Music, ComesFromTheMediaContainerAndKeepsItsFileWhileItPlays) {
    const std::vector<std::uint8_t> tune = RampTune();
    const std::string packed(tune.begin(), tune.end());
    const std::string box = WriteFile(
        "media.box",
        BuildContainer({}, {{"tune.wav", PackedText(packed)}, {"boom.wav", PackedText(packed)}}, true));
    SETSHOEBOX(DynStr(box.c_str()), DynStr(box.c_str()));
    ASSERT_EQ(PLAYMUSIC(DynStr("music/TUNE.WAV")), 0);
    EXPECT_EQ(ExtractedFiles().size(), 1u);
    LOADSOUND(DynStr("boom.wav"), 1, 1);  // from the data container: the music's file stays
    EXPECT_EQ(ExtractedFiles().size(), 2u);
    EXPECT_EQ(PLAYMUSIC(DynStr("missing.wav")), 3);  // the next music command deletes it
    EXPECT_EQ(ExtractedFiles().size(), 1u);
    DXwav[1].Load(pDXsnd, "", 1);
}

TEST(MusicAtTheEnd, TheFileExtractedForTheMusicIsDeletedWhenTheProgramEnds) {
    const std::vector<std::uint8_t> tune = RampTune();
    const std::string box = WriteFile(
        "end.box",
        BuildContainer({}, {{"tune.wav", PackedText(std::string(tune.begin(), tune.end()))}}, true));
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            StartTestRuntime();
            SETSHOEBOX(DynStr(""), DynStr(box.c_str()));
            if (PLAYMUSIC(DynStr("tune.wav")) != 0 || ExtractedFiles().size() != 1) std::_Exit(1);
            END();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_TRUE(ExtractedFiles().empty());
}

}  // namespace
