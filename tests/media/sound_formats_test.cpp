// Sound effects in the compressed formats, made at test time with ffmpeg,
// decoded by SDL_mixer's decoders and read back as mixed by the disk driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "media/mixed_output.h"
#include "media/video_clips.h"
#include "support/error_log_lines.h"

namespace {

using namespace mixed_output;

const char* const kFormats[] = {"ogg", "mp3", "flac"};

// Half a second of a 440 Hz tone at ffmpeg's level (an eighth of full scale)
// in the format its extension names; empty when it cannot be made.
std::string MakeTone(const std::string& name) {
    const std::string path = TempPath(name);
    const std::string command =
        "ffmpeg -v error -y -f lavfi -i 'sine=frequency=440:duration=0.5:sample_rate=22050' -ac 1 '" + path +
        "' < /dev/null";
    return std::system(command.c_str()) == 0 ? path : std::string();
}

class SoundFormats : public testing::Test {
protected:
    void SetUp() override {
        Start();
        if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no sounds to load";
    }
    void TearDown() override { DXwav[1].Load(pDXsnd, "", 1); }
};

TEST_F(SoundFormats, OggMp3AndFlacPlayForTheirLengthAtTheirLevel) {
    for (const char* format : kFormats) {
        SCOPED_TRACE(format);
        const std::string file = MakeTone(std::string("tone.") + format);
        ASSERT_FALSE(file.empty());
        LOADSOUND(DynStr(file.c_str()), 1, 2);
        EXPECT_EQ(DXwav[1].PlayBufferCount(), 2);
        const std::size_t mark = Mark();
        PLAYSOUND(1, 0, 1);
        const std::vector<StereoFrame> output = UntilSilent(mark);
        EXPECT_NEAR(static_cast<double>(AudibleFrames(output)), 11025, 0.06 * 11025);
        const auto peak = std::max_element(output.begin(), output.end(), [](StereoFrame a, StereoFrame b) {
            return std::abs(a.left) < std::abs(b.left);
        });
        ASSERT_NE(peak, output.end());
        EXPECT_NEAR(std::abs(peak->left), 4096, 600);
        EXPECT_EQ(peak->left, peak->right);
    }
}

TEST_F(SoundFormats, ACutOrGarbledFileFailsTheLoadSaysWhyAndLeavesTheSoundEmpty) {
    for (const char* format : kFormats) {
        const std::string good = MakeTone(std::string("good.") + format);
        ASSERT_FALSE(good.empty());
        const std::string bytes = ReadBytes(good);
        const std::vector<std::pair<const char*, std::string>> cases = {
            {"cut to 60 per cent", bytes.substr(0, bytes.size() * 6 / 10)},
            {"cut to its first 40 bytes", bytes.substr(0, 40)},
            {"zeros after its first 4 bytes", bytes.substr(0, 4) + std::string(bytes.size() - 4, '\0')},
        };
        for (const auto& [name, contents] : cases) {
            SCOPED_TRACE(testing::Message() << format << ", " << name);
            LOADSOUND(DynStr(good.c_str()), 1, 1);
            ASSERT_EQ(DXwav[1].PlayBufferCount(), 1);
            const std::string bad = TempPath(std::string("bad.") + format);
            WriteBytes(bad, contents);
            LOADSOUND(DynStr(bad.c_str()), 1, 1);
            EXPECT_EQ(DXwav[1].PlayBufferCount(), 0);
            const std::vector<std::string> last = LastErrorLogLines(1);
            const std::string said = "LOADSOUND cannot load " + bad + ": ";
            ASSERT_EQ(last.size(), 1u);
            EXPECT_EQ(last[0].substr(0, said.size()), said);
            EXPECT_GT(last[0].size(), said.size());
        }
    }
}

}  // namespace
