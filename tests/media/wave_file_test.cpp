#include "media/wave_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "media/wave_bytes.h"

namespace {

std::optional<WaveLayout> Layout(const std::vector<std::uint8_t>& bytes) {
    MemoryByteSource source(bytes.data(), bytes.size());
    return ReadWaveLayout(source);
}

WaveSpec Stereo16(std::size_t frames) {
    WaveSpec spec;
    spec.channels = 2;
    spec.data = Samples16(frames, {1000, -2000});
    return spec;
}

struct Accepted {
    const char* name;
    WaveSpec spec;
    WaveFormat format;
    std::int64_t data_offset;
    std::uint32_t data_size;
};

TEST(WaveFile, FindsTheFormatAndTheDataPastEveryOtherChunk) {
    WaveSpec mono8;
    mono8.bits_per_sample = 8;
    mono8.samples_per_second = 11025;
    mono8.data.assign(7, 0xC0);
    WaveSpec with_fact = Stereo16(10);
    with_fact.chunks_before_data = {{"fact", std::string("\x0a\0\0\0", 4)}};
    WaveSpec with_odd_list = Stereo16(10);
    with_odd_list.chunks_before_data = {{"LIST", "INFOx"}, {"fact", "abcd"}};
    WaveSpec format18 = Stereo16(10);
    format18.format_extension = {0, 0};
    WaveSpec format17 = Stereo16(10);
    format17.format_extension = {0};
    WaveSpec extensible = Stereo16(10);
    extensible.format_tag = 0xFFFE;
    extensible.format_extension = ExtensibleFormat(1);
    WaveSpec partial_frame = Stereo16(10);
    partial_frame.data.resize(partial_frame.data.size() - 1);

    const WaveFormat stereo{2, 22050, 4, 16};
    const std::vector<Accepted> cases = {
        {"16-bit stereo", Stereo16(10), stereo, 44, 40},
        {"8-bit mono", mono8, {1, 11025, 1, 8}, 44, 7},
        {"fact chunk", with_fact, stereo, 56, 40},
        {"LIST chunk of odd size, then fact", with_odd_list, stereo, 44 + 14 + 12, 40},
        {"18-byte format block", format18, stereo, 46, 40},
        {"17-byte format block with its pad byte", format17, stereo, 46, 40},
        {"extensible format with PCM samples", extensible, stereo, 68, 40},
        {"a partial frame at the end is left out", partial_frame, stereo, 44, 36},
    };
    for (const Accepted& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<WaveLayout> layout = Layout(WaveBytes(c.spec));
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->format, c.format);
        EXPECT_EQ(layout->data_offset, c.data_offset);
        EXPECT_EQ(layout->data_size, c.data_size);
    }
}

TEST(WaveFile, RefusesWhatNoPlayBufferCanPlayAndSizesThatLie) {
    const std::vector<std::pair<const char*, std::function<void(WaveSpec&)>>> changes = {
        {"float samples", [](WaveSpec& s) { s.format_tag = 3; }},
        {"compressed samples", [](WaveSpec& s) { s.format_tag = 2; }},
        {"extensible with float samples",
         [](WaveSpec& s) {
             s.format_tag = 0xFFFE;
             s.format_extension = ExtensibleFormat(3);
         }},
        {"extensible without its extension", [](WaveSpec& s) { s.format_tag = 0xFFFE; }},
        {"no channels", [](WaveSpec& s) { s.channels = 0; }},
        {"three channels", [](WaveSpec& s) { s.channels = 3; }},
        {"12-bit samples", [](WaveSpec& s) { s.bits_per_sample = 12; }},
        {"24-bit samples", [](WaveSpec& s) { s.bits_per_sample = 24; }},
        {"frames of the wrong size", [](WaveSpec& s) { s.block_alignment = 2; }},
        {"no samples per second", [](WaveSpec& s) { s.samples_per_second = 0; }},
        {"data cut short", [](WaveSpec& s) { s.data_size = static_cast<std::uint32_t>(s.data.size() + 1); }},
        {"data size of 4 GB", [](WaveSpec& s) { s.data_size = 0xFFFFFFFF; }},
        {"less than one frame of data", [](WaveSpec& s) { s.data.resize(3); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        WaveSpec spec = Stereo16(10);
        change(spec);
        EXPECT_FALSE(Layout(WaveBytes(spec)).has_value());
    }
}

TEST(WaveFile, RefusesHeadersThatReachPastTheFile) {
    WaveSpec listed = Stereo16(10);
    listed.chunks_before_data = {{"LIST", "INFO"}};
    std::vector<std::uint8_t> long_list = WaveBytes(listed);
    WriteLittleEndian32(long_list.data() + 40, 0x7FFFFFF0);
    EXPECT_FALSE(Layout(long_list).has_value());

    const std::vector<std::uint8_t> good = WaveBytes(Stereo16(10));
    EXPECT_FALSE(Layout(std::vector<std::uint8_t>(good.begin(), good.begin() + 35)).has_value());
    EXPECT_FALSE(
        Layout(std::vector<std::uint8_t>(good.begin(), good.begin() + 43)).has_value());  // no data header
    for (const std::uint32_t format_size : {0u, 14u, 0xFFFFFFF0u}) {
        SCOPED_TRACE(format_size);
        std::vector<std::uint8_t> bytes = good;
        WriteLittleEndian32(bytes.data() + 16, format_size);
        EXPECT_FALSE(Layout(bytes).has_value());
    }
}

}  // namespace
