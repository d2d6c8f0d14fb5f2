// Music as really mixed, read back from the disk audio driver's file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/container_bytes.h"
#include "media/mixed_output.h"
#include "media/wave_bytes.h"
#include "support/error_log_lines.h"

namespace {

using namespace mixed_output;

constexpr std::size_t kTuneFrames = 11025;  // half a second

// A tune of one level throughout: the output shows where it starts and ends.
std::string Tune() {
    WaveRecipe recipe;
    recipe.channels = 2;
    recipe.data = Samples16(kTuneFrames, {1000, 1000});
    return WaveBytes(recipe);
}

// The lengths of the runs of sounding frames in the output.
std::vector<std::size_t> Bursts(const std::vector<StereoFrame>& frames) {
    std::vector<std::size_t> bursts;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].left == 0) continue;
        if (i == 0 || frames[i - 1].left == 0) bursts.push_back(0);
        ++bursts.back();
    }
    return bursts;
}

// Waits until the output since the mark holds `count` bursts and a silent stretch after them.
bool WaitForBursts(std::size_t mark, std::size_t count) {
    return WaitUntil([&] {
        const std::vector<StereoFrame> frames = FramesSince(mark);
        return frames.size() > 2048 && AudibleFrames({frames.end() - 2048, frames.end()}) == 0 &&
               Bursts(frames).size() == count;
    });
}

class Music : public testing::Test {
protected:
    void SetUp() override { Start(); }
    void TearDown() override {
        STOPMUSIC();
        SETSHOEBOX(DynStr(""), DynStr(""));
    }
};

TEST_F(Music, PlaysToItsEndAndTheFrameStepStartsItAgainFromTheBeginning) {
    WriteBytes(TempPath("tune.wav"), Tune());
    const std::size_t mark = Mark();
    ASSERT_EQ(PLAYMUSIC(DynStr(TempPath("tune.wav").c_str())), 0);
    for (int frame = 0; frame < 3; ++frame)
        SHOWSCREEN();  // while it plays: no restart
    ASSERT_TRUE(WaitForBursts(mark, 1));
    SHOWSCREEN();
    ASSERT_TRUE(WaitForBursts(mark, 2));
    EXPECT_EQ(Bursts(FramesSince(mark)), (std::vector<std::size_t>{kTuneFrames, kTuneFrames}));
}

// The music's file, extracted from the media container, stays while it plays;
// a file that cannot be played gives 3, logged when it is there but is no music.
TEST_F(Music, ComesFromTheMediaContainerAndAFileThatCannotBePlayedGives3) {
    WriteBytes(
        TempPath("tunes.box"),
        BuildContainer({}, {{"tune.wav", PackedText(Tune())}, {"boom.wav", PackedText(Tune())}}, true));
    SETSHOEBOX(DynStr(TempPath("tunes.box").c_str()), DynStr(TempPath("tunes.box").c_str()));
    ASSERT_EQ(PLAYMUSIC(DynStr("music/TUNE.WAV")), 0);
    LOADSOUND(DynStr("boom.wav"), 1, 1);  // from the data container: the music's file stays
    EXPECT_EQ(ExtractedFiles().size(), 2u);
    EXPECT_EQ(DXwav[1].PlayBufferCount(), 1);
    DXwav[1].Load(pDXsnd, "", 1);
    const std::vector<std::string> log = ErrorLogLines();
    EXPECT_EQ(PLAYMUSIC(DynStr("missing.wav")), 3);  // the next music command deletes the old file
    EXPECT_EQ(ExtractedFiles().size(), 1u);
    EXPECT_EQ(ErrorLogLines(), log);
    WriteBytes(TempPath("notes.txt"), std::string("not music"));
    EXPECT_EQ(PLAYMUSIC(DynStr(TempPath("notes.txt").c_str())), 3);
    ASSERT_EQ(ErrorLogLines().size(), log.size() + 1);
    EXPECT_EQ(ErrorLogLines().back().rfind("PLAYMUSIC cannot play " + TempPath("notes.txt"), 0), 0u);
}

}  // namespace
