// The full-screen cross-fade from one background surface to another.
#include "gfx2d/opengl_prism.h"

namespace {

constexpr float kFadeStep = 0.02f;

}  // namespace

// Adds the two surfaces in changing shares, one presented frame per step; the
// step is summed in single precision, which gives 51 frames before the last.
// Window events are dispatched while the frames wait; input is not read.
void OpenGLPrism::BlendToSurface(int from, int to) {
    FinishBatch();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glDisable(GL_ALPHA_TEST);
    glClear(GL_COLOR_BUFFER_BIT);
    for (float share = 0; share < 1.0f; share += kFadeStep) {
        SetColour(share, share, share, 1);
        PasteSurface(to);
        SetColour(1 - share, 1 - share, 1 - share, 1);
        PasteSurface(from);
        FlipScreens();
    }
    SetColour(1, 1, 1, 1);
    PasteSurface(to);
    FlipScreens();
    glEnable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    SetColour(1, 1, 1, 1);
    color_intensity_ = 1.0f;
}
