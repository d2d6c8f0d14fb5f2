// Runs the image fuzz harness over damaged copies of valid PNG, JPEG and TGA
// files, so its checks also run in every ordinary test pass (and under the
// sanitizers).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/image_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> EncodedImage(TestFormat format) {
    const TestImage image{9, 5, [](int x, int y) {
                              return TestRgba{static_cast<std::uint8_t>(x * 28),
                                              static_cast<std::uint8_t>(y * 50), 90,
                                              static_cast<std::uint8_t>(x * y * 6)};
                          }};
    const std::string path = std::string(std::getenv("TMPDIR")) + "/fuzz_seed";
    if (!WriteImage(path, image, format)) return {};
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ImageFuzzSmoke, DamagedImagesNeverBreakTheDecoder) {
    for (TestFormat format : {TestFormat::kPngWithAlpha, TestFormat::kJpeg, TestFormat::kTga32}) {
        const std::vector<std::uint8_t> good = EncodedImage(format);
        ASSERT_FALSE(good.empty());
        for (std::size_t length = 0; length <= good.size(); ++length)
            LLVMFuzzerTestOneInput(good.data(), length);
        for (std::size_t at = 0; at < good.size(); ++at) {
            for (std::uint8_t value : {0x00, 0x7F, 0xFF}) {
                std::vector<std::uint8_t> damaged = good;
                damaged[at] = value;
                LLVMFuzzerTestOneInput(damaged.data(), damaged.size());
            }
        }
    }
}

}  // namespace
