#include "gfx3d/scene_commands.h"

#include <GL/gl.h>

#include "core/startup_settings.h"
#include "core/whole_number.h"
#include "gfx2d/frame_commands.h"
#include "gfx2d/opengl_prism.h"
#include "gfx3d/prism3d.h"
#include "gfx3d/projection.h"
#include "gfx3d/scene_state.h"

namespace {

float F(double value) {
    return static_cast<float>(value);
}

std::uint32_t ColourOfNumber(double colour) {
    return static_cast<std::uint32_t>(TruncToInt64(colour));
}

}  // namespace

void X_MAKE3D(double near_plane, double far_plane, double field_of_view) {
    pPrism->Make3DViewport(near_plane, far_plane, field_of_view);
    X_CULLMODE(0);
}

void X_MAKE2D() {
    pPrism->Make2DViewport(0, 0, 0, 0);
}

void X_CAMERA(double x, double y, double z, double tx, double ty, double tz) {
    prism3D.SetCamera(F(x), F(y), F(z), F(tx), F(ty), F(tz));
}

void X_MOVEMENT(double x, double y, double z) {
    prism3D.SetTranslation(F(x), F(y), F(z));
}

void X_SCALING(double x, double y, double z) {
    prism3D.SetScaling(F(x), F(y), F(z));
}

void X_ROTATION(double angle, double x, double y, double z) {
    prism3D.SetRotation(F(angle), F(x), F(y), F(z));
}

void X_CULLMODE(double mode) {
    current_cullmode = mode > 0 ? 1 : mode < 0 ? -1 : 0;
    prism3D.CullMode(current_cullmode);
}

void X_MIPMAPPING(double mode) {
    mipmapping_state = TruncToInt32(mode);
}

void X_SETTEXTURE(double a, double b) {
    pPrism->SetTexture3D(TruncToInt32(a), TruncToInt32(b), mipmapping_state);
}

void X_AMBIENT_LT(double n, double colour) {
    prism3D.AmbientLt(TruncToInt32(n), ColourOfNumber(colour));
}

void X_SPOT_LT(double n, double colour, double x, double y, double z, double dx, double dy, double dz,
               double cut_off) {
    prism3D.SpotLt(TruncToInt32(n), ColourOfNumber(colour), F(x), F(y), F(z), F(dx), F(dy), F(dz), F(cut_off),
                   __QV_DEBUG != 0);
}

void X_DRAWAXES(double x, double y, double z) {
    prism3D.DrawCoordAxis(F(x), F(y), F(z));
}

void X_SPRITE(double n, double x, double y, double z, double scale) {
    prism3D.CullMode(-1);
    pPrism->DrawBillboard(TruncToInt32(n), F(x), F(y), F(z), F(scale));
    prism3D.CullMode(current_cullmode);
}

void X_WORLD2SCREEN(double x, double y, double z, double& screen_x, double& screen_y, double& screen_z) {
    float model_view[16], projection[16];
    int viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, model_view);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    float sx, sy, sz;
    if (!Ztglu_Project(F(x), F(y), F(z), model_view, projection, viewport, sx, sy, sz)) return;
    screen_x = sx;
    screen_y = sy;
    screen_z = sz;
}

void X_AUTONORMALS(double mode) {
    // The remainder keeps the sign of the mode.
    prism3D.autoNormalMode = TruncToInt32(mode) % 3;
}
