// What the truck stands on: six points of every segment's footprint, each
// asked of the city map, their codes combined with a bitwise OR.
#include "core/whole_number.h"
#include "gpc_temp.h"

namespace __MORVANE__ {

namespace {

// Adds the code under (px, py) to the collision code.
double WithCodeAt(double code, double px, double py) {
    return TruncToInt32(code) | TruncToInt32(CityAtPoint(px, py));
}

// The pair of footprint points `reach` along the heading from the reference
// point (x, y), one unit to either side: first side (SIN(h), -COS(h)), then
// the second.
double WithSidePair(double code, double x, double y, double h, double reach) {
    code = WithCodeAt(code, x + SIN(h) + COS(h) * reach, y - COS(h) + SIN(h) * reach);
    code = WithCodeAt(code, x - SIN(h) + COS(h) * reach, y + COS(h) + SIN(h) * reach);
    return code;
}

}  // namespace

// The footprint is 2 units wide and reaches from the rear hitch to half a unit
// beyond the front hitch. Every point is sampled, even once a bit is set.
double GetCityCollision(NumArray& t) {
    double code = 0;
    for (double i = 0; i <= BOUNDS(t, 0) - 1; ++i) {
        const double x = t(i, 2);
        const double y = t(i, 3);
        const double h = t(i, 4);
        code = WithSidePair(code, x, y, h, 0);
        code = WithSidePair(code, x, y, h, t(i, 0) + 0.5);
        code = WithSidePair(code, x, y, h, -t(i, 1));
    }
    return code;
}

}  // namespace __MORVANE__
