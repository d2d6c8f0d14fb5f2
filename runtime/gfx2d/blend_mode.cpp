// The blend mode and its colour intensity, which every later drawing carries.
#include "gfx2d/opengl_prism.h"

void OpenGLPrism::DoAlpha(float mode) {
    FinishBatch();  // drawn in the blend mode it was gathered in
    if (mode == 0) {
        glDisable(GL_BLEND);
        color_intensity_ = 1.0f;
        SetColour(1, 1, 1, 1);
        return;
    }
    glEnable(GL_BLEND);
    if (mode > 0) {
        glBlendFunc(GL_ONE, GL_ONE);  // added to the picture
    } else {
        glBlendFunc(GL_SRC_ALPHA, GL_SRC_COLOR);  // the picture multiplied, then added to
    }
    color_intensity_ = mode > 0 ? mode : -mode;
    if (color_intensity_ > 1) color_intensity_ = 1;
    UseIntensityColour();
}
