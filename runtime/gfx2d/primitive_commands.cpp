#include "gfx2d/primitive_commands.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/program_end.h"
#include "core/whole_number.h"
#include "files/name_resolution.h"
#include "gfx2d/opengl_prism.h"

namespace {

constexpr int kBackground = 0;
constexpr int kFadeTarget = 1;

}  // namespace

void ALPHAMODE(double mode) {
    pPrism->DoAlpha(static_cast<float>(mode));
}

void SETPIXEL(double x, double y, double colour) {
    pPrism->DrawPixel(TruncToInt16(x), TruncToInt16(y), TruncToColour(colour));
}

void DRAWLINE(double x1, double y1, double x2, double y2, double colour) {
    pPrism->DrawLine(TruncToInt16(x1), TruncToInt16(y1), TruncToInt16(x2), TruncToInt16(y2),
                     TruncToColour(colour));
}

void FILLRECT(double x1, double y1, double x2, double y2, double colour) {
    const std::int16_t left = TruncToInt16(x1);
    const std::int16_t top = TruncToInt16(y1);
    const std::int16_t right = TruncToInt16(x2);
    const std::int16_t bottom = TruncToInt16(y2);
    pPrism->DrawRect(std::min(left, right), std::min(top, bottom), std::max(left, right),
                     std::max(top, bottom), TruncToColour(colour));
}

void STARTPOLY(double n) {
    pPrism->StartPoly(TruncToInt32(n));
}

void POLYVECTOR(double x, double y, double s, double t, double colour) {
    pPrism->PolyPoint(TruncToInt16(x), TruncToInt16(y), static_cast<float>(s), static_cast<float>(t),
                      TruncToColour(colour));
}

void ENDPOLY() {
    pPrism->EndPoly();
}

void BLENDSCREEN(DynStr file) {
    const std::string path = ResolveFileName(file.c_str());
    if (path.empty()) return;
    pPrism->GrabSurface(kBackground);
    if (!pPrism->LoadSurface(kFadeTarget, path.c_str())) FatalError(kErrorFile);
    pPrism->BlendToSurface(kBackground, kFadeTarget);
    pPrism->FreeSurface(kFadeTarget);
    pPrism->LoadSurface(kBackground, path.c_str());
    pPrism->PasteSurface(kBackground);
    pPrism->DoAlpha(0);
}
