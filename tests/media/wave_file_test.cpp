#include "media/wave_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "media/wave_bytes.h"

namespace {

// A file of 10 stereo frames with a 4-byte LIST chunk before its data.
WaveRecipe Listed() {
    WaveRecipe recipe;
    recipe.channels = 2;
    recipe.data = Samples16(10, {1000, -2000});
    recipe.chunks_before_data = {{"LIST", "INFO"}};
    return recipe;
}

// The layout read from the file of `recipe` with `patch` written at byte `at`
// (`size` bytes; none when 0) and cut to `length` bytes (0: whole).
std::optional<WaveLayout> Layout(const WaveRecipe& recipe, std::size_t at = 0, std::uint32_t patch = 0,
                                 int size = 0, std::size_t length = 0) {
    std::vector<std::uint8_t> bytes = WaveBytes(recipe);
    for (int k = 0; k < size; ++k)
        bytes[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(patch >> (8 * k));
    if (length != 0) bytes.resize(length);
    MemoryByteSource source(bytes.data(), bytes.size());
    return ReadWaveLayout(source);
}

TEST(WaveFile, FindsTheDataPastEveryOtherChunkWithItsPadByte) {
    const auto with = [](std::function<void(WaveRecipe&)> change) {
        WaveRecipe recipe = Listed();
        change(recipe);
        return recipe;
    };
    // Name, file, offset and size of its data.
    const std::vector<std::tuple<const char*, WaveRecipe, std::int64_t, std::uint32_t>> cases = {
        {"an odd LIST chunk, then fact", with([](WaveRecipe& s) {
             s.chunks_before_data = {{"LIST", "INFOx"}, {"fact", "abcd"}};
         }),
         70, 40},
        {"17-byte format block", with([](WaveRecipe& s) { s.format_extension = {0}; }), 58, 40},
        {"18-byte format block", with([](WaveRecipe& s) {
             s.format_extension = {0, 0};
         }),
         58, 40},
        {"extensible format of PCM samples", with([](WaveRecipe& s) {
             s.format_tag = 0xFFFE;
             s.format_extension = ExtensibleFormat(1);
         }),
         80, 40},
        {"whole frames only", with([](WaveRecipe& s) { s.data.pop_back(); }), 56, 36},
    };
    for (const auto& [name, recipe, data_offset, data_size] : cases) {
        const std::optional<WaveLayout> layout = Layout(recipe);
        ASSERT_TRUE(layout.has_value()) << name;
        EXPECT_EQ(layout->format, (WaveFormat{2, 22050, 4, 16})) << name;
        EXPECT_EQ(layout->data_offset, data_offset) << name;
        EXPECT_EQ(layout->data_size, data_size) << name;
    }
}

TEST(WaveFile, RefusesWhatNoPlayBufferCanPlayAndSizesThatLie) {
    const std::vector<std::tuple<const char*, std::size_t, std::uint32_t, int>> changes = {
        {"float samples", 20, 3, 2},
        {"extensible without extension", 20, 0xFFFE, 2},
        {"no channels", 22, 0, 2},
        {"three channels", 22, 3, 2},
        {"no samples per second", 24, 0, 4},
        {"frames of the wrong size", 32, 2, 2},
        {"12-bit samples", 34, 12, 2},
        {"a format block of 14 bytes", 16, 14, 4},
        {"a format block past the end", 16, 0xFFFFFFF0, 4},
        {"a chunk past the end", 40, 0x7FFFFFF0, 4},
        {"data cut short", 52, 41, 4},
        {"data of 4 GB", 52, 0xFFFFFFFF, 4},
        {"less than one frame", 52, 3, 4},
    };
    for (const auto& [name, at, value, size] : changes)
        EXPECT_FALSE(Layout(Listed(), at, value, size)) << name;
    for (const std::size_t length : {35u, 43u, 51u})  // within the head, the LIST chunk, the data header
        EXPECT_FALSE(Layout(Listed(), 0, 0, 0, length)) << length;
    WaveRecipe float_extensible = Listed();
    float_extensible.format_tag = 0xFFFE;
    float_extensible.format_extension = ExtensibleFormat(3);
    EXPECT_FALSE(Layout(float_extensible));
}

}  // namespace
