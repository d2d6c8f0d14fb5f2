#include "gfx2d/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

class FramePacing : public testing::Test {
protected:
    void SetUp() override { pacer_.StartAt(clock_.Now()); }

    // Waits once and returns the time the frame started at.
    double NextFrameStart() {
        pacer_.WaitForNextSlot(clock_, [] {});
        return clock_.Now();
    }

    SteppingClock clock_{1000.0, 0.001};
    FramePacer pacer_;
};

TEST_F(FramePacing, IntervalsFollowTheFrameRateLimit) {
    // No limit (0 or less) paces at the smallest interval, 2 ms.
    for (const auto& [fps, interval] : {std::pair{0, 2.0}, {-5, 2.0}, {60, 1000.0 / 60.0}, {10, 100.0}}) {
        pacer_.SetMaxFps(fps);
        EXPECT_DOUBLE_EQ(pacer_.Interval(), interval) << fps;
    }
}

TEST_F(FramePacing, FramesStartAtTheirSlotsAndEventsAreServedEvery50Milliseconds) {
    pacer_.SetMaxFps(60);
    const double first_slot = pacer_.NextFrameTime();
    NextFrameStart();  // the first wait ends at once: its slot is now
    for (int frame = 1; frame <= 30; ++frame) {
        const double start = NextFrameStart();
        const double slot = first_slot + frame * 1000.0 / 60.0;
        EXPECT_GT(start, slot);
        EXPECT_LT(start - slot, 0.01) << "frame " << frame;
    }
    pacer_.SetMaxFps(1);
    NextFrameStart();
    double last_look = clock_.Now();
    double longest_gap = 0;
    pacer_.WaitForNextSlot(clock_, [&] {
        longest_gap = std::max(longest_gap, clock_.Now() - last_look);
        last_look = clock_.Now();
    });
    EXPECT_LE(longest_gap, 50.01);
}

TEST_F(FramePacing, ALongStallDropsWholeSlotsWithoutRushing) {
    pacer_.SetMaxFps(60);
    NextFrameStart();
    const double slot = pacer_.NextFrameTime();
    clock_.Advance(1000);  // the program stalls for a second
    const double stalled_until = clock_.Now();
    const double late_start = NextFrameStart();
    EXPECT_NEAR(late_start, stalled_until, 0.01);  // the late frame starts at once
    // The next slot is the first whole interval after now, not one of the missed ones.
    const double next = pacer_.NextFrameTime();
    EXPECT_GE(next, late_start);
    EXPECT_LT(next - late_start, 1000.0 / 60.0);
    EXPECT_NEAR(std::remainder(next - slot, 1000.0 / 60.0), 0, 1e-6);
}

TEST_F(FramePacing, AnUnlimitedRateStillPacesAtTheSmallestInterval) {
    pacer_.SetMaxFps(65535);
    NextFrameStart();
    clock_.Advance(10);
    NextFrameStart();  // a high rate after a stall takes no loop over the missed slots
    EXPECT_GE(pacer_.NextFrameTime(), clock_.Now());
}

}  // namespace
