#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "gfx2d/gl_extensions.h"
#include "morvane.h"
#include "support/error_log_lines.h"
#include "support/pixels.h"
#include "support/program_end.h"
#include "support/test_runtime.h"

namespace {

class Display : public testing::Test {
protected:
    void SetUp() override {
        runtime_ = StartTestRuntime();
        pPrism->Make2DViewport(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    TestRuntime runtime_;
};

TEST_F(Display, StartsAsA640By480WindowAndStaysInOneWithoutAFullScreenMode) {
    EXPECT_EQ(std::pair(pPrism->Width(), pPrism->Height()), std::pair(640, 480));
    GLint depth_bits = 0;
    pPrism->Make3DViewport(1, 100, 60);
    glGetIntegerv(GL_DEPTH_BITS, &depth_bits);
    pPrism->Make2DViewport(0, 0, 0, 0);
    EXPECT_GE(depth_bits, 16);
    // The offscreen driver renders with Mesa's software rasteriser and offers no 640 x 480 mode.
    EXPECT_EQ(StartupErrorLog(), std::vector<std::string>{"OpenGL Software Emulation"});
    EXPECT_NE(GLExt::glMultiTexCoord2fARB, nullptr);
    DeleteErrorLog();
    EXPECT_FALSE(pPrism->DoFullscreen());
    EXPECT_FALSE(pPrism->IsFullscreen());
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"No Fullscreen Mode available"});
}

TEST_F(Display, AViewportMovesTheOriginAndAZeroSizeRestoresTheWindow) {
    VIEWPORT(100, 50, 200, 100);
    EXPECT_EQ(pPrism->Viewport(), (std::array<std::int16_t, 4>{100, 50, 200, 100}));
    FillPixels(0, 0, 1, 1, kRed);
    FillPixels(150, 0, 400, 1, kRed);  // clipped at the viewport's right edge
    ExpectPixels({{100, 50, kRed}, {299, 50, kRed}, {300, 50, kBlack}});

    VIEWPORT(100, 50, 0, 100);
    EXPECT_EQ(pPrism->Viewport(), (std::array<std::int16_t, 4>{100, 50, 640, 480}));
    VIEWPORT(0, 0, 0, 0);
    FillPixels(0, 0, 1, 1, kRed);
    EXPECT_EQ(PixelAt(0, 0), kRed);
}

// A unit square at depth 10 in front of a 90-degree camera, as seen on screen.
int SquareWidthOnScreen() {
    pPrism->Make3DViewport(1, 100, 90);
    glDisable(GL_CULL_FACE);
    glColor3ub(255, 0, 0);
    glBegin(GL_QUADS);
    glVertex3f(-1, -1, -10);
    glVertex3f(1, -1, -10);
    glVertex3f(1, 1, -10);
    glVertex3f(-1, 1, -10);
    glEnd();
    const auto [x, y, w, h] = pPrism->Viewport();
    return CountInRow(y + h / 2, x, x + w, kRed);
}

TEST_F(Display, ThePerspectiveKeepsTheWholeWindowsAspectRatio) {
    // In a square viewport the projection still uses the window's 4:3 aspect:
    // 240 pixels span 20 units vertically but 26.7 horizontally.
    VIEWPORT(0, 0, 240, 240);
    EXPECT_NEAR(SquareWidthOnScreen(), 18, 1);
}

double stamp_seen_by_step = -1;

TEST_F(Display, TheFrameStepPresentsPreparesAndRunsTheStepsGivenIt) {
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
}

TEST_F(Display, TimersFollowTheFrames) {
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

// Scripted input that notes each presented frame in the error log.
class FrameNotingInput : public ScriptedInput {
public:
    void OnFrame() override { WriteErrorLog("presented"); }
};

using DisplayDeathTest = Display;

TEST_F(DisplayDeathTest, EscapeEndsTheProgramBeforeTheFrameIsPresented) {
    DeleteErrorLog();
    EXPECT_EXIT(
        {
            auto input = std::make_unique<FrameNotingInput>();
            FrameNotingInput* keys = input.get();
            UseInputSource(std::move(input));
            SHOWSCREEN();
            keys->SetKey(1, true);
            SHOWSCREEN();
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(ErrorLogLines(), std::vector<std::string>{"presented"});
}

TEST_F(DisplayDeathTest, LeftAltWithF4EndsTheProgram) {
    ExpectProgramEndsWithError(0, [this] {
        runtime_.input->SetKey(56, true);
        SHOWSCREEN();  // Alt alone goes on
        runtime_.input->SetKey(62, true);
        SHOWSCREEN();
    });
}

}  // namespace
