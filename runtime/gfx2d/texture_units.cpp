#include "gfx2d/texture_units.h"

#include "gfx2d/gl_extensions.h"

bool TextureUnits::Exists(int unit) {
    return unit == 0 || GLExt::glActiveTextureARB != nullptr;
}

void TextureUnits::Activate(int unit) {
    if (GLExt::glActiveTextureARB != nullptr) GLExt::glActiveTextureARB(GL_TEXTURE0_ARB + unit);
}

void TextureUnits::Bind(int unit, GLuint texture) {
    if (!Exists(unit) || state_[unit].bound == texture) return;
    if (unit != 0) Activate(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (unit != 0) Activate(0);
    state_[unit].bound = texture;
}

void TextureUnits::Enable(int unit, bool on) {
    if (!Exists(unit) || state_[unit].enabled == on) return;
    if (unit != 0) Activate(unit);
    if (on) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    if (unit != 0) Activate(0);
    state_[unit].enabled = on;
}

void TextureUnits::Restore(const State& state) {
    for (int unit = 0; unit < 2; ++unit) {
        if (state[unit].bound) Bind(unit, *state[unit].bound);
        if (state[unit].enabled) Enable(unit, *state[unit].enabled);
    }
}
