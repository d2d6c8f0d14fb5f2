// Wave files read, and sounds and music as mixed into the disk audio driver's file; no test depends on
// its real-time pace: each waits for the mixer's state, then for the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <numeric>

#include "files/container_bytes.h"
#include "media/audio_drivers.h"
#include "media/ffmpeg_media.h"
#include "media/wave_file.h"
#include "support/test_runtime.h"
#include "support/wait_until.h"

namespace {

std::string LittleEndian(std::uint32_t value, int size) {
    std::string bytes;
    for (int k = 0; k < size; ++k)
        bytes.push_back(static_cast<char>(value >> (8 * k)));
    return bytes;
}

// A chunk: tag, size, contents and the pad byte of an odd size.
std::string Chunk(const std::string& tag, const std::string& contents) {
    return tag + LittleEndian(static_cast<std::uint32_t>(contents.size()), 4) + contents +
           std::string(contents.size() % 2, '\0');
}

// A wave file: its format block (`extension` after the first 16 bytes), the chunks before the data, the data.
std::string Wave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, const std::string& data,
                 const std::string& before_data = "", const std::string& extension = "",
                 std::uint16_t tag = 1) {
    const std::uint32_t alignment = channels * bits / 8u;
    return Chunk("RIFF",
                 "WAVE" +
                     Chunk("fmt ", LittleEndian(tag, 2) + LittleEndian(channels, 2) + LittleEndian(rate, 4) +
                                       LittleEndian(rate * alignment, 4) + LittleEndian(alignment, 2) +
                                       LittleEndian(bits, 2) + extension) +
                     before_data + Chunk("data", data));
}

// `frames` frames of 16-bit samples, one value per channel.
std::string Samples16(std::size_t frames, std::vector<std::int16_t> frame) {
    std::string bytes;
    for (std::size_t i = 0; i < frames * frame.size(); ++i)
        bytes += LittleEndian(static_cast<std::uint16_t>(frame[i % frame.size()]), 2);
    return bytes;
}

// Each file gives the offset and size of its data, or nothing (offset 0) when refused.
TEST(WaveFile, FindsTheDataPastEveryOtherChunkWithItsPadByteAndRefusesWhatNoPlayBufferCanPlay) {
    const std::string ten = Samples16(10, {1000, -2000}), list = Chunk("LIST", "INFO"),
                      listed = Wave(2, 22050, 16, ten, list);
    const auto extensible = [&](char kind) {  // a format block of the extensible kind: 1 PCM, 3 float
        return Wave(2, 22050, 16, ten, list,
                    std::string("\x16\0\x10\0\x03\0\0\0", 8) + kind +
                        std::string("\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 15),
                    0xFFFE);
    };
    const auto patched = [&](std::size_t at, std::uint32_t value, int size) {
        return std::string(listed).replace(at, static_cast<std::size_t>(size), LittleEndian(value, size));
    };
    const std::vector<std::tuple<const char*, std::string, std::int64_t, std::uint32_t>> cases = {
        {"an odd LIST chunk, then fact",
         Wave(2, 22050, 16, ten, Chunk("LIST", "INFOx") + Chunk("fact", "abcd")), 70, 40},
        {"17-byte format block", Wave(2, 22050, 16, ten, list, std::string(1, '\0')), 58, 40},
        {"18-byte format block", Wave(2, 22050, 16, ten, list, std::string(2, '\0')), 58, 40},
        {"extensible format of PCM samples", extensible(1), 80, 40},
        {"whole frames only", Wave(2, 22050, 16, ten.substr(0, 39), list), 56, 36},
        {"float samples", patched(20, 3, 2), 0, 0},
        {"extensible format of float samples", extensible(3), 0, 0},
        {"three channels", patched(22, 3, 2), 0, 0},
        {"no samples per second", patched(24, 0, 4), 0, 0},
        {"frames of the wrong size", patched(32, 2, 2), 0, 0},
        {"12-bit samples", patched(34, 12, 2), 0, 0},
        {"a format block of 14 bytes", patched(16, 14, 4), 0, 0},
        {"a format block past the end", patched(16, 0xFFFFFFF0, 4), 0, 0},
        {"a chunk past the end", patched(40, 0x7FFFFFF0, 4), 0, 0},
        {"data cut short", patched(52, 41, 4), 0, 0},
        {"less than one frame", patched(52, 3, 4), 0, 0},
        {"cut within the LIST chunk", listed.substr(0, 43), 0, 0},
    };
    for (const auto& [name, bytes, data_offset, data_size] : cases) {
        SCOPED_TRACE(name);
        MemoryByteSource source(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        const WaveLayout layout = ReadWaveLayout(source).value_or(WaveLayout{});
        EXPECT_TRUE(layout.format == (data_offset ? WaveFormat{2, 22050, 4, 16} : WaveFormat{}));
        EXPECT_EQ(std::tie(layout.data_offset, layout.data_size), std::tie(data_offset, data_size));
    }
}

constexpr std::int16_t kLevel = 4000;
constexpr std::size_t kHalfSecond = 11025;

struct StereoFrame {
    std::int16_t left, right;
};
using Frames = std::vector<StereoFrame>;

// The frames in the mixed file now; none while the device still opens on its thread.
std::size_t Mark() {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(TempPath("mixed.raw"), error);
    return error ? 0 : static_cast<std::size_t>(bytes) / sizeof(StereoFrame);
}

Frames FramesSince(std::size_t mark) {
    std::ifstream file(TempPath("mixed.raw"), std::ios::binary);
    file.seekg(static_cast<std::streamoff>(mark * sizeof(StereoFrame)));
    Frames frames;
    for (StereoFrame frame; file.read(reinterpret_cast<char*>(&frame), sizeof frame);)
        frames.push_back(frame);
    return frames;
}

int SoundsPlaying() {
    return std::accumulate(DXwav, DXwav + kSoundCount, 0,
                           [](int n, auto& s) { return n + s.PlayingCount(); });
}

// Waits until no sound plays and all mixed until then is in the file (past the
// file's write buffer and one mixer buffer), then gives the output since the mark.
Frames UntilSilent(std::size_t mark) {
    EXPECT_TRUE(WaitUntil([] { return SoundsPlaying() == 0; }));
    const std::size_t written = Mark();
    EXPECT_TRUE(WaitUntil([written] { return Mark() >= written + 4096 + 256; }));
    return FramesSince(mark);
}

// The frames within `within` of `frame` on both sides.
std::size_t CountFrames(const Frames& frames, StereoFrame frame, int within = 0) {
    return static_cast<std::size_t>(std::count_if(frames.begin(), frames.end(), [&](const StereoFrame& f) {
        return std::abs(f.left - frame.left) <= within && std::abs(f.right - frame.right) <= within;
    }));
}

std::size_t AudibleFrames(const Frames& frames) {
    return frames.size() - CountFrames(frames, {0, 0});
}

std::string Written(const std::string& name, const std::string& bytes) {
    WriteBytes(TempPath(name), bytes);
    return TempPath(name);
}

// A stereo sound of one level throughout: the output tells how many instances sound at once.
std::string Level(std::size_t frames, std::int16_t level = kLevel) {
    return Wave(2, 22050, 16, Samples16(frames, {level, level}));
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

// The lengths of the runs of sounding frames in the output.
std::vector<std::size_t> Bursts(const Frames& frames) {
    std::vector<std::size_t> bursts;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].left != 0 && (i == 0 || frames[i - 1].left == 0)) bursts.push_back(0);
        if (frames[i].left != 0) ++bursts.back();
    }
    return bursts;
}

// Waits until the output since the mark holds `count` bursts and a silent stretch after them.
bool WaitForBursts(std::size_t mark, std::size_t count) {
    return WaitUntil([&] {
        const Frames frames = FramesSince(mark);
        return frames.size() > 2048 && AudibleFrames({frames.end() - 2048, frames.end()}) == 0 &&
               Bursts(frames).size() == count;
    });
}

class Mixing : public testing::Test {
protected:
    void SetUp() override {
        if (pPrism == nullptr) {
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", TempPath("mixed.raw").c_str(), 1);
        }
        StartTestRuntime();
    }
    void TearDown() override {
        STOPMUSIC();
        SETSHOEBOX(DynStr(""), DynStr(""));
        for (int n = 0; n < kSoundCount; ++n)
            DXwav[n].Load(pDXsnd, "", 1);
    }
};

// Pan turns the other side down in hundredths of a decibel; volume scales both.
TEST_F(Mixing, WaveFilesPlayAsRecordedWhateverTheirFormatPannedAndScaled) {
    // The sound, pan, volume; the frame played, for how many frames (give or take the tolerance,
    // for edges blurred by resampling) and how near.
    for (const auto& [wave, pan, volume, played, frames, tolerance, within] :
         std::vector<std::tuple<std::string, double, double, StereoFrame, double, double, int>>{
             {Wave(1, 22050, 8, std::string(2205, '\xC0')), 0, 1, {16384, 16384}, 2205, 0, 1},
             {Wave(2, 22050, 16, Samples16(2205, {1000, -2000})), 0, 1, {1000, -2000}, 2205, 0, 1},
             {Wave(1, 11025, 8, std::string(2205, '\xC0')), 0, 1, {16384, 16384}, 4410, 64, 2000},
             {Level(2000, 16000), -1, 1, {16000, 0}, 2000, 0, 0},
             {Level(2000, 16000), -5, 1, {16000, 0}, 2000, 0, 0},
             {Level(2000, 16000), 1, 1, {0, 16000}, 2000, 0, 0},
             {Level(2000, 16000), 0.5, 1, {51, 16000}, 2000, 0, 0},
             {Level(2000, 16000), 0, 0.5, {8000, 8000}, 2000, 0, 0},
             {Level(2000, 16000), 0, 2, {16000, 16000}, 2000, 0, 0},
             {Level(2000, 16000), -0.25, 0.5, {8000, 450}, 2000, 0, 0},
             {Level(2000, 16000), 0, 0, {16000, 16000}, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << frames << " frames, pan " << pan << ", volume " << volume);
        LOADSOUND(DynStr(Written("kind.wav", wave).c_str()), 1, 1);
        const std::size_t mark = Mark();
        PLAYSOUND(1, pan, volume);
        const Frames output = UntilSilent(mark);
        EXPECT_NEAR(double(AudibleFrames(output)), frames, tolerance);
        EXPECT_NEAR(double(CountFrames(output, played, within)), frames, tolerance);
    }
}

TEST_F(Mixing, PlayBuffersTakeTurnsCuttingOffTheOldestHushStopsThemAllAndNumbersAreLimited) {
    // Buffers; plays, all sounding when the last command comes; that command HUSH, else one more
    // PLAYSOUND; the least and most frames of all instances together, in lengths of the sound.
    const std::string sound = Written("turns.wav", Level(kHalfSecond));
    for (const auto& [name, buffers, plays, hush, least, most] :
         std::vector<std::tuple<const char*, double, int, bool, double, double>>{
             {"a fifth play of four buffers cuts off the oldest and starts it again", 4, 4, false, 4.01, 5},
             {"a one-buffer sound is not restarted while it plays", 0, 1, false, 1, 1},
             {"HUSH silences every sound", 4, 3, true, 0, 0.5}}) {
        SCOPED_TRACE(name);
        LOADSOUND(DynStr(sound.c_str()), 0, buffers);
        const std::size_t mark = Mark();
        for (int k = 0; k < plays; ++k)
            PLAYSOUND(0, 0, 1);
        RightAfterMixedAt(plays * kLevel, [hush = hush] { hush ? HUSH() : PLAYSOUND(0, 0, 1); });
        EXPECT_TRUE(!hush || SoundsPlaying() == 0);
        const Frames output = UntilSilent(mark);
        const auto loudest = std::max_element(output.begin(), output.end(),
                                              [](StereoFrame a, StereoFrame b) { return a.left < b.left; });
        EXPECT_EQ(loudest->left, plays * kLevel);  // never more at once than there are buffers
        const double lengths = std::accumulate(output.begin(), output.end(), 0.0,
                                               [](double sum, const StereoFrame& f) { return sum + f.left; });
        EXPECT_GE(lengths / (kLevel * double(kHalfSecond)), least);
        EXPECT_LE(lengths / (kLevel * double(kHalfSecond)), most);
    }
    // Numbers and buffer counts are limited, negative numbers refused; a wave file
    // that cannot be loaded leaves the sound empty, without a word.
    const std::string file = Written("count.wav", Level(100));
    for (const auto& [asked, made] : std::vector<std::pair<double, int>>{{-3, 1}, {0, 1}, {2.9, 2}, {9, 4}}) {
        LOADSOUND(DynStr(file.c_str()), 500, asked);
        EXPECT_EQ(DXwav[127].PlayBufferCount(), made) << asked;
    }
    LOADSOUND(DynStr(file.c_str()), -1, 1);
    EXPECT_EQ(DXwav[0].PlayBufferCount(), 4);  // still the four buffers of the last case
    PLAYSOUND(-1, 0, 1);
    EXPECT_EQ(SoundsPlaying(), 0);
    const std::vector<std::string> log = ErrorLogLines();
    LOADSOUND(DynStr(Written("cut.wav", ReadBytes(file).substr(0, 442)).c_str()), 0, 2);  // 2 bytes short
    EXPECT_EQ(DXwav[0].PlayBufferCount(), 0);
    EXPECT_EQ(ErrorLogLines(), log);
}

// Ogg, MP3 and FLAC go through the mixer's decoders: a file they refuse or cut short fails, saying why.
TEST_F(Mixing, OggMp3AndFlacPlayForTheirLengthAndACutFileFailsTheLoadSayingWhy) {
    if (!HaveFfmpeg()) GTEST_SKIP() << "ffmpeg is not installed: no sounds to load";
    for (const std::string format : {"ogg", "mp3", "flac"}) {
        SCOPED_TRACE(format);
        // Half a second of a 440 Hz tone at an eighth of full scale.
        const std::string good = MadeByFfmpeg(
            "-f lavfi -i 'sine=frequency=440:duration=0.5:sample_rate=22050' -ac 1", "tone." + format);
        LOADSOUND(DynStr(good.c_str()), 1, 2);
        ASSERT_EQ(DXwav[1].PlayBufferCount(), 2);
        const std::size_t mark = Mark();
        PLAYSOUND(1, 0, 1);
        const Frames output = UntilSilent(mark);
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
            const std::string said = "LOADSOUND cannot load " + bad + ": ", line = LastErrorLogLines(1).at(0);
            EXPECT_TRUE(line.rfind(said, 0) == 0 && line.size() > said.size()) << line;
        }
    }
}

// A tune of one level throughout shows where it starts and ends. The music's file, extracted from the
// media container, stays while it plays; a file that cannot be played gives 3, logged if it is there.
TEST_F(Mixing, MusicPlaysToItsEndStartsAgainAtTheFrameStepAndComesFromTheMediaContainer) {
    const std::string tune = Level(kHalfSecond, 1000);
    const std::size_t mark = Mark();
    ASSERT_EQ(PLAYMUSIC(DynStr(Written("tune.wav", tune).c_str())), 0);
    for (int frame = 0; frame < 3; ++frame)
        SHOWSCREEN();  // while it plays: no restart
    ASSERT_TRUE(WaitForBursts(mark, 1));
    SHOWSCREEN();
    ASSERT_TRUE(WaitForBursts(mark, 2));
    EXPECT_EQ(Bursts(FramesSince(mark)), (std::vector<std::size_t>{kHalfSecond, kHalfSecond}));
    WriteBytes(TempPath("tunes.box"),
               BuildContainer({}, {{"tune.wav", PackedText(tune)}, {"boom.wav", PackedText(tune)}}, true));
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

// The driver is chosen without opening anything: ALSA only with a card's control device, the file and
// silent drivers never. The device opens on a thread of its own, its first use waiting for it. With no
// device or no SDL_mixer every sound command is silent; only the missing library is logged.
TEST(SoundDevice, ChosenByTheCardsOpenedInTheBackgroundAndSilentWithoutDeviceOrMixer) {
    const std::filesystem::path folder = TempPath("snd");
    EXPECT_FALSE(HasSoundCard(folder));  // no folder at all
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "timer");
    EXPECT_FALSE(HasSoundCard(folder));
    std::ofstream(folder / "controlC1");
    EXPECT_TRUE(HasSoundCard(folder));
    const std::vector<std::string> compiled{"pipewire", "pulseaudio", "alsa", "sndio",
                                            "dsp",      "disk",       "dummy"};
    EXPECT_EQ(AudioDriversToTry(compiled, true), "pipewire,pulseaudio,alsa,sndio,dsp");
    EXPECT_EQ(AudioDriversToTry(compiled, false), "pipewire,pulseaudio,sndio,dsp");
    EXPECT_EQ(AudioDriversToTry({"alsa", "dummy"}, false), "");
    ExpectInChildProcess([] {
        SFXSound device;
        device.CreateInBackground(nullptr);
        return device.IsOpen() && device.Caps().mixer_channels == SFXSound::kMixerChannels &&
               device.ReserveChannel() == 0;
    });
    const std::vector<std::string> start{"OpenGL Software Emulation"};
    const std::string missing =
        "SDL_mixer is missing: libSDL2_mixer-not-installed.so cannot be opened, sounds "
        "and music cannot be played";
    for (const auto& [variable, value, log] :
         std::vector<std::tuple<const char*, const char*, std::vector<std::string>>>{
             {"SDL_AUDIODRIVER", "no-such-driver", start},
             {"MORVANE_MIXER_LIBRARY", "libSDL2_mixer-not-installed.so", {start[0], missing}}}) {
        ExpectInChildProcess(
            [&] {
                setenv(variable, value, 1);
                StartTestRuntime();
                LOADSOUND(DynStr(Written("none.wav", Level(100)).c_str()), 1, 1);
                PLAYSOUND(1, 0, 1);
                HUSH();
                return pDXsnd->Create(nullptr) == 0 && pDXsnd->GetCaps() == 0 &&
                       DXwav[1].PlayBufferCount() == 0 && ErrorLogLines() == log;
            },
            variable);
    }
}

}  // namespace
