#include "gfx2d/sprite_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/whole_number.h"
#include "gfx2d/opengl_prism.h"

namespace {

int Slot(double n) {
    return TruncToInt32(n);
}

// Whether the closed intervals [a, a + length_a] and [b, b + length_b] meet.
bool IntervalsMeet(double a, double length_a, double b, double length_b) {
    return std::max(std::min(a, a + length_a), std::min(b, b + length_b)) <=
           std::min(std::max(a, a + length_a), std::max(b, b + length_b));
}

}  // namespace

void SPRITE(double n, double x, double y) {
    pPrism->DrawSprite(Slot(n), TruncToInt16(x), TruncToInt16(y));
}

void STRETCHSPRITE(double n, double x, double y, double width, double height) {
    pPrism->StretchSprite(Slot(n), TruncToInt16(x), TruncToInt16(y), TruncToInt16(width),
                          TruncToInt16(height));
}

void ZOOMSPRITE(double n, double x, double y, double fx, double fy) {
    int image_width, image_height;
    pPrism->GetSpriteSize(Slot(n), image_width, image_height);
    const double width = std::abs(fx * image_width);
    const double height = std::abs(fy * image_height);
    pPrism->StretchSprite(Slot(n), TruncToInt16(x - (width - image_width) * 0.5),
                          TruncToInt16(y - (height - image_height) * 0.5), TruncToInt16(width),
                          TruncToInt16(height));
}

void ROTOSPRITE(double n, double x, double y, double angle) {
    pPrism->RotoSprite(Slot(n), TruncToInt16(x), TruncToInt16(y), TruncToInt32(angle));
}

void ROTOZOOMSPRITE(double n, double x, double y, double angle, double zoom) {
    int image_width, image_height;
    pPrism->GetSpriteSize(Slot(n), image_width, image_height);
    // A negative angle turns the same way as the angle plus whole turns of 360.
    if (angle < 0) {
        angle = std::fmod(angle, 360.0);
        if (angle < 0) angle += 360;
    }
    OPENGL_SPRITEFX effect;
    effect.angle = static_cast<float>(angle);
    effect.width = TruncToInt16(image_width * zoom);
    effect.height = TruncToInt16(image_height * zoom);
    pPrism->DrawSpriteFX(Slot(n), TruncToInt16(x), TruncToInt16(y), effect);
}

void GRABSPRITE(double n, double x, double y, double width, double height) {
    pPrism->GrabSprite(Slot(n), TruncToInt16(x), TruncToInt16(y), TruncToInt16(width), TruncToInt16(height));
}

double SPRCOLL(double a, double xa, double ya, double b, double xb, double yb) {
    return pPrism->SpriteCollision(Slot(a), Slot(b), TruncToInt16(xa), TruncToInt16(ya), TruncToInt16(xb),
                                   TruncToInt16(yb))
               ? 1
               : 0;
}

void BOXCOLL(double& result, double x1, double y1, double w1, double h1, double x2, double y2, double w2,
             double h2) {
    result = IntervalsMeet(x1, w1, x2, w2) && IntervalsMeet(y1, h1, y2, h2) ? 1 : 0;
}
