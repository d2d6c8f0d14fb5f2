#include "gfx2d/mouse_position.h"

#include "core/dxinput.h"
#include "gfx2d/opengl_prism.h"

double __g_mx = 0;
double __g_my = 0;

namespace {

double Clamp(double value, double limit) {
    if (value > limit) value = limit;
    if (value < 0) value = 0;
    return value;
}

}  // namespace

void MOUSESTATE(double& x, double& y, double& b1, double& b2) {
    MouseReading reading;
    pDXin->GetMouseData(reading);
    __g_mx = Clamp(__g_mx + reading.dx, pPrism->Width());
    __g_my = Clamp(__g_my + reading.dy, pPrism->Height());
    x = __g_mx;
    y = __g_my;
    b1 = reading.left ? 1 : 0;
    b2 = reading.right ? 1 : 0;
}

void SETMOUSE(double x, double y) {
    __g_mx = x;
    __g_my = y;
}
