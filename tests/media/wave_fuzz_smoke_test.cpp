// Runs the wave fuzz harness over the seed corpus and damaged copies of it, so
// its checks also run in every ordinary test pass (and under the sanitizers).
#include <gtest/gtest.h>

#include <filesystem>

#include "files/files_test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(WaveFuzzSmoke, TheSeedsAndDamagedCopiesNeverBreakTheReader) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(WAVE_CORPUS_DIR)) {
        const std::string text = ReadBytes(entry.path());
        const std::vector<std::uint8_t> good(text.begin(), text.end());
        ++seeds;
        for (std::size_t length = 0; length <= good.size(); ++length)
            LLVMFuzzerTestOneInput(good.data(), length);
        for (std::size_t at = 0; at < good.size(); ++at) {
            for (const std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
                std::vector<std::uint8_t> damaged = good;
                damaged[at] = value;
                LLVMFuzzerTestOneInput(damaged.data(), damaged.size());
            }
        }
    }
    EXPECT_GE(seeds, 5);
}

}  // namespace
