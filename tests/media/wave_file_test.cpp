#include "media/wave_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "media/wave_bytes.h"

namespace {

// A file of 10 stereo frames with a 4-byte LIST chunk before its data, changed by `change`.
WaveRecipe Listed(const std::function<void(WaveRecipe&)>& change = [](WaveRecipe&) {}) {
    WaveRecipe recipe;
    recipe.channels = 2;
    recipe.data = Samples16(10, {1000, -2000});
    recipe.chunks_before_data = {{"LIST", "INFO"}};
    change(recipe);
    return recipe;
}

// The extension of an extensible format block whose sub-format starts with `kind` (1: PCM, 3: float).
void Extensible(WaveRecipe& recipe, std::uint8_t kind) {
    recipe.format_tag = 0xFFFE;
    recipe.format_extension = {22, 0, 16,   0, 3,    0, 0, 0,    kind, 0,    0,    0,
                               0,  0, 0x10, 0, 0x80, 0, 0, 0xAA, 0,    0x38, 0x9B, 0x71};
}

// The layout read from `bytes` with `patch` written at byte `at` (`size` bytes).
std::optional<WaveLayout> Layout(std::string bytes, std::size_t at = 0, std::uint32_t patch = 0,
                                 int size = 0) {
    for (int k = 0; k < size; ++k)
        bytes[at + static_cast<std::size_t>(k)] = static_cast<char>(patch >> (8 * k));
    MemoryByteSource source(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return ReadWaveLayout(source);
}

TEST(WaveFile, FindsTheDataPastEveryOtherChunkWithItsPadByte) {
    // Name, file, offset and size of its data.
    const std::vector<std::tuple<const char*, WaveRecipe, std::int64_t, std::uint32_t>> cases = {
        {"an odd LIST chunk, then fact", Listed([](WaveRecipe& s) {
             s.chunks_before_data = {{"LIST", "INFOx"}, {"fact", "abcd"}};
         }),
         70, 40},
        {"17-byte format block", Listed([](WaveRecipe& s) { s.format_extension = {0}; }), 58, 40},
        {"18-byte format block", Listed([](WaveRecipe& s) {
             s.format_extension = {0, 0};
         }),
         58, 40},
        {"extensible format of PCM samples", Listed([](WaveRecipe& s) { Extensible(s, 1); }), 80, 40},
        {"whole frames only", Listed([](WaveRecipe& s) { s.data.pop_back(); }), 56, 36},
    };
    for (const auto& [name, recipe, data_offset, data_size] : cases) {
        SCOPED_TRACE(name);
        const std::optional<WaveLayout> layout = Layout(WaveBytes(recipe));
        ASSERT_TRUE(layout.has_value());
        EXPECT_EQ(layout->format, (WaveFormat{2, 22050, 4, 16}));
        EXPECT_EQ(layout->data_offset, data_offset);
        EXPECT_EQ(layout->data_size, data_size);
    }
}

TEST(WaveFile, RefusesWhatNoPlayBufferCanPlayAndSizesThatLie) {
    const std::string listed = WaveBytes(Listed());
    const std::vector<std::tuple<const char*, std::size_t, std::uint32_t, int>> changes = {
        {"float samples", 20, 3, 2},
        {"three channels", 22, 3, 2},
        {"no samples per second", 24, 0, 4},
        {"frames of the wrong size", 32, 2, 2},
        {"12-bit samples", 34, 12, 2},
        {"a format block of 14 bytes", 16, 14, 4},
        {"a format block past the end", 16, 0xFFFFFFF0, 4},
        {"a chunk past the end", 40, 0x7FFFFFF0, 4},
        {"data cut short", 52, 41, 4},
        {"less than one frame", 52, 3, 4},
    };
    for (const auto& [name, at, value, size] : changes)
        EXPECT_FALSE(Layout(listed, at, value, size)) << name;
    EXPECT_FALSE(Layout(listed.substr(0, 43)));  // cut within the LIST chunk
    EXPECT_FALSE(Layout(WaveBytes(Listed([](WaveRecipe& s) { Extensible(s, 3); }))));
}

}  // namespace
