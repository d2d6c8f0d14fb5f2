// A program that draws frame after frame keeps to the memory of its first
// frames (headless, the software renderer queues a bounded number of frames),
// and has not loaded libmpv and its libraries, which only a video needs.
#include <gtest/gtest.h>

#include "files/files_test_support.h"
#include "platform/heap.h"
#include "support/address_sanitizer.h"
#include "support/test_runtime.h"

TEST(FrameMemory, ALongRunOfFramesKeepsToTheMemoryOfItsFirstFramesWithoutLibmpv) {
    if (kUnderAddressSanitizer) GTEST_SKIP() << "the sanitizer's allocator keeps freed blocks in quarantine";
    StartTestRuntime();
    X_OBJSTART(1);  // a band of 200 triangles as one strip
    for (int i = 0; i <= 100; ++i) {
        X_OBJADDVERTEX(i * 0.1, 0, 0, i * 0.01, 0, 0xFFFFFF);
        X_OBJADDVERTEX(i * 0.1, 1, 0, i * 0.01, 1, 0xFFFFFF);
    }
    X_OBJEND();
    std::size_t settled = 0;
    for (int frame = 0; frame < 500; ++frame) {
        X_MAKE3D(1, 500, 45);
        X_CAMERA(0, 5, -30, 0, 0, 0);
        for (int i = 0; i < 10; ++i) {
            X_MOVEMENT(i - 5, 0, 0);
            X_DRAWOBJ(1, 0);
        }
        X_MAKE2D();
        for (int i = 0; i < 200; ++i)
            STRETCHSPRITE(4079, (i * 37 + frame) % 600, (i * 53) % 440, 16, 16);  // font 0's sheet
        PRINT(LitStr("frame ") + frame, 10, 10);
        FILLRECT(0, 0, frame % 640, 5, 0x00FF00);
        SHOWSCREEN();
        if (frame == 199) settled = ResidentMemoryBytes();
    }
    const std::string mapped = ReadBytes("/proc/self/maps");
    EXPECT_TRUE(!mapped.empty() && mapped.find("libmpv") == std::string::npos);
    ASSERT_GT(settled, 0u);
    EXPECT_LT(ResidentMemoryBytes(), settled + (8u << 20));
}
