#include "platform/heap.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstring>
#include <memory>
#include <vector>

#include "support/address_sanitizer.h"

namespace {

long PageFaultsSoFar() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// What a frame of drawing does to the heap: large blocks taken, filled and given back.
void AllocateAndFreeLikeAFrame() {
    std::vector<std::unique_ptr<char[]>> blocks;
    for (int i = 0; i < 32; ++i) {
        blocks.push_back(std::make_unique<char[]>(1 << 20));
        std::memset(blocks.back().get(), i, 1 << 20);
    }
}

TEST(Heap, FramesAfterTheFirstReuseItsPages) {
    if (kUnderAddressSanitizer) GTEST_SKIP() << "the sanitizer's allocator is not the C library's heap";
    KeepHeapBetweenFrames();
    AllocateAndFreeLikeAFrame();
    const long before = PageFaultsSoFar();
    AllocateAndFreeLikeAFrame();
    // Handed back and taken again, the 32 MiB would fault in 8192 pages.
    EXPECT_LT(PageFaultsSoFar() - before, 256);
    EXPECT_GT(ResidentMemoryBytes(), std::size_t{32} << 20);
}

}  // namespace
