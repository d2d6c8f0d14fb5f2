#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "gfx2d/frame_pacer.h"
#include "morvane.h"
#include "support/drawing_test.h"

namespace {

using Display = DrawingTest;

TEST_F(Display, StartsAs640By480WithoutFullScreenAndViewportsMoveTheOrigin) {
    EXPECT_EQ(std::pair(pPrism->Width(), pPrism->Height()), std::pair(640, 480));
    EXPECT_EQ(startup_error_log, std::vector<std::string>{"OpenGL Software Emulation"});
    DeleteErrorLog();
    EXPECT_FALSE(pPrism->DoFullscreen() || pPrism->IsFullscreen());
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"No Fullscreen Mode available"});

    VIEWPORT(100, 50, 200, 100);
    FillPixels(0, 0, 400, 1, kRed);  // from the viewport's origin, clipped at its right edge
    ExpectPixels({{99, 50, kBlack}, {100, 50, kRed}, {299, 50, kRed}, {300, 50, kBlack}});
    VIEWPORT(100, 50, 0, 100);  // a zero size is the whole window
    EXPECT_EQ(pPrism->Viewport(), (std::array<std::int16_t, 4>{100, 50, 640, 480}));

    // A square viewport keeps the 4:3 aspect: side 2 at depth 10 spans 240 / (20 tan 30 * 4 / 3) * 2.
    VIEWPORT(0, 0, 240, 240);
    pPrism->Make3DViewport(2, 100, 60);
    glDisable(GL_CULL_FACE);
    glColor3ub(255, 0, 0);
    glTranslatef(0, 0, -10);
    glRectf(-1, -1, 1, 1);
    EXPECT_NEAR(CountInRow(120, 0, 240, kRed), 31, 1);
    GLint depth_bits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depth_bits);
    EXPECT_GE(depth_bits, 16);
}

double stamp_seen_by_step = -1;

TEST_F(Display, TheFrameStepPresentsPreparesRunsTheStepsGivenItAndPacesTheTimers) {
    const long swaps = __hWnd->SwapCount();
    glEnable(GL_BLEND);
    VIEWPORT(10, 10, 20, 20);
    mipmapping_state = 1;
    FillPixels(0, 0, 5, 5, kRed);
    AddFrameStep([] { stamp_seen_by_step = __g_ThisTime; });
    runtime_.clock->Advance(20);
    SHOWSCREEN();
    RemoveFrameSteps();
    EXPECT_EQ(__hWnd->SwapCount(), swaps + 1);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(pPrism->Viewport(), (std::array<std::int16_t, 4>{0, 0, 640, 480}));
    EXPECT_EQ(mipmapping_state, 0);
    EXPECT_EQ(PixelAt(12, 12), kBlack);           // the new back buffer starts cleared
    EXPECT_EQ(stamp_seen_by_step, __g_ThisTime);  // run after the time stamp
    runtime_.clock->Advance(20);
    SHOWSCREEN();
    EXPECT_NE(stamp_seen_by_step, __g_ThisTime);  // removed steps no longer run
    LIMITFPS(10);
    SHOWSCREEN();
    const double first_stamp = __g_ThisTime;
    SHOWSCREEN();                       // waits for the slot 100 ms after the first frame
    EXPECT_NEAR(GETTIMER(), 100, 0.1);  // since the stamp of the frame before
    runtime_.clock->Advance(35);
    EXPECT_NEAR(GETTIMER(), 135, 0.1);
    SHOWSCREEN();  // stamped 135 ms after the first, waits until 200
    EXPECT_NEAR(__g_ThisTime - first_stamp, 135, 0.1);
    EXPECT_NEAR(GETTIMER(), 200, 0.1);
    EXPECT_NEAR(GETTIMERALL(), pPrism->AccurateTime() - __g_FirstTime, 0.01);
    __g_LastTime = pPrism->AccurateTime() + 50;  // a stamp ahead of the clock
    EXPECT_EQ(GETTIMER(), 1);
    LIMITFPS(-1);
}

using DisplayDeathTest = Display;

TEST_F(DisplayDeathTest, EscapeEndsBeforeTheFrameIsPresentedAndSoDoesLeftAltWithF4) {
    for (const std::vector<int>& keys : {std::vector{1}, {56, 62}}) {  // left Alt alone goes on
        ExpectProgramEndsWithError(0, [&keys] {
            struct FrameNotingInput : ScriptedInput {
                void OnFrame() override { WriteErrorLog("presented"); }
            };
            auto input = std::make_unique<FrameNotingInput>();
            FrameNotingInput* typed = input.get();
            UseInputSource(std::move(input));
            for (const int key : keys) {
                SHOWSCREEN();
                typed->SetKey(key, true);
            }
            SHOWSCREEN();
        });
        const std::vector<std::string> log = ErrorLogLines();
        EXPECT_EQ(std::count(log.begin(), log.end(), "presented"), std::ssize(keys)) << keys[0];
    }
}

TEST(FramePacing, FramesStartAtTheirSlotsServeEventsAndDropSlotsMissedInAStall) {
    SteppingClock clock{1000.0, 0.001};
    FramePacer pacer;
    pacer.StartAt(clock.Now());
    const auto next_frame_start = [&] {
        pacer.WaitForNextSlot(clock, [] {});
        return clock.Now();
    };
    pacer.SetMaxFps(-5);
    EXPECT_DOUBLE_EQ(pacer.Interval(), 2.0);  // no limit paces at the smallest interval
    pacer.SetMaxFps(60);
    const double first_slot = pacer.NextFrameTime();
    next_frame_start();                        // the first wait ends at once: its slot is now
    for (int frame = 1; frame <= 30; ++frame)  // on its slot, no drift
        EXPECT_NEAR(next_frame_start(), first_slot + frame * 1000.0 / 60.0 + 0.005, 0.005) << frame;
    const double slot = pacer.NextFrameTime();
    clock.Advance(1000);  // a stall: the late frame starts at once, the next on the first slot after now
    const double stalled_until = clock.Now(), late_start = next_frame_start();
    EXPECT_NEAR(late_start, stalled_until, 0.01);
    const double next = pacer.NextFrameTime();
    EXPECT_TRUE(next >= late_start && next - late_start < 1000.0 / 60.0);
    EXPECT_NEAR(std::remainder(next - slot, 1000.0 / 60.0), 0, 1e-6);

    pacer.SetMaxFps(1);
    next_frame_start();
    double last_look = clock.Now(), longest_gap = 0;
    pacer.WaitForNextSlot(clock, [&] {
        longest_gap = std::max(longest_gap, clock.Now() - last_look);
        last_look = clock.Now();
    });
    EXPECT_LE(longest_gap, 50.01);
    pacer.SetMaxFps(65535);
    clock.Advance(10);
    next_frame_start();  // a high rate after a stall takes no loop over the missed slots
    EXPECT_GE(pacer.NextFrameTime(), clock.Now());
}

}  // namespace
