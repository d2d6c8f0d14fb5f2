#include "gfx2d/frame_commands.h"

#include <cstdint>
#include <vector>

#include "core/dxinput.h"
#include "core/program_end.h"
#include "core/startup_settings.h"
#include "core/whole_number.h"
#include "gfx2d/frame_shots.h"
#include "gfx2d/opengl_prism.h"
#include "platform/input_source.h"

double __g_FirstTime = 0;
double __g_LastTime = 0;
double __g_ThisTime = 0;
int mipmapping_state = 0;

namespace {

constexpr std::uint8_t kEscape = 1;
constexpr std::uint8_t kLeftAlt = 56;
constexpr std::uint8_t kF4 = 62;

std::vector<FrameStep>& FrameSteps() {
    static std::vector<FrameStep> steps;
    return steps;
}

}  // namespace

void AddFrameStep(FrameStep step) {
    FrameSteps().push_back(step);
}

void RemoveFrameSteps() {
    FrameSteps().clear();
}

void SHOWSCREEN() {
    __g_LastTime = __g_ThisTime;
    __g_ThisTime = pPrism->AccurateTime();
    for (const FrameStep step : FrameSteps())
        step();
    pDXin->GetKeyboardStatus();
    if (pDXin->IsKeyDown(kEscape) || (pDXin->IsKeyDown(kLeftAlt) && pDXin->IsKeyDown(kF4))) END();
    pDXin->EndFrame();
    static long frames_presented = 0;
    SaveChosenFrame(++frames_presented);
    pPrism->FlipScreens();
    TheInput().OnFrame();
    pPrism->DoAlpha(0);
    pPrism->PasteSurface(0);
    pPrism->Make2DViewport(0, 0, 0, 0);
    mipmapping_state = 0;
}

void LIMITFPS(double fps) {
    pPrism->SetMaxFPS(TruncToInt32(fps));
}

double GETTIMER() {
    const double elapsed = pPrism->AccurateTime() - __g_LastTime;
    return elapsed > 0 ? elapsed : 1;
}

double GETTIMERALL() {
    return pPrism->AccurateTime() - __g_FirstTime;
}

void VIEWPORT(double x, double y, double width, double height) {
    pPrism->Make2DViewport(TruncToInt16(x), TruncToInt16(y), TruncToInt16(width), TruncToInt16(height));
}

void GETSCREENSIZE(double& width, double& height) {
    width = __QV_RESX;
    height = __QV_RESY;
}
