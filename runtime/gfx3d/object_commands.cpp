#include "gfx3d/object_commands.h"

#include <string>

#include "core/whole_number.h"
#include "files/name_resolution.h"
#include "gfx3d/prism3d.h"
#include "gfx3d/user_object.h"

namespace {

float F(double value) {
    return static_cast<float>(value);
}

}  // namespace

void X_LOADOBJ(DynStr file, double n) {
    const int slot = TruncToInt32(n);
    if (!Prism3D::IsObjectSlot(slot)) return;
    const std::string path = ResolveFileName(file.c_str());
    if (path.empty()) return;
    prism3D.LoadObject(path, slot);
}

void X_SAVEOBJ(DynStr file, double n) {
    prism3D.SaveObject(file.c_str(), TruncToInt32(n));
}

void X_DRAWOBJ(double n, double frame) {
    prism3D.RenderObject(TruncToInt32(n), TruncToInt32(frame));
}

void X_DRAWANIM(double n, double from, double to, double t, double interpolate) {
    prism3D.RenderMD2(TruncToInt32(n), TruncToInt32(from), TruncToInt32(to), t, interpolate != 0);
}

void X_OBJSTART(double n) {
    prism3D.UserObjectStart(TruncToInt32(n), kGroupStrip);
}

void X_OBJADDVERTEX(double x, double y, double z, double u, double v, double colour) {
    prism3D.UserObjectAddVertex(F(x), F(y), F(z), F(u), F(v), VertexColourFromNumber(colour));
}

void X_OBJNEWGROUP() {
    prism3D.UserObjectNewGroup(kGroupStrip);
}

void X_OBJEND() {
    prism3D.UserObjectEnd();
}

double X_COLLISION(double n, double frame, double radius, double x, double y, double z) {
    return prism3D.Collision(TruncToInt32(n), TruncToInt32(frame), radius, F(x), F(y), F(z)) ? 1 : 0;
}
