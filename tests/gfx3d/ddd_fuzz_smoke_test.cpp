// Runs the .ddd fuzz harness over damaged copies of a valid file, so its
// checks also run in every ordinary test pass (and under the sanitizers).
#include <gtest/gtest.h>

#include "gfx3d/mesh_test_objects.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(DddFuzzSmoke, DamagedFilesNeverBreakTheReader) {
    TestGroup strip = NumberedVertices(6);
    strip[2].colour = 0x0000FF;
    const std::vector<std::uint8_t> good =
        BuiltObject({strip, NumberedVertices(3)}, kGroupFan, 2).SaveToBytes();
    for (std::size_t length = 0; length <= good.size(); ++length)
        LLVMFuzzerTestOneInput(good.data(), length);
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            std::vector<std::uint8_t> damaged = good;
            damaged[at] = value;
            LLVMFuzzerTestOneInput(damaged.data(), damaged.size());
        }
    }
}

}  // namespace
