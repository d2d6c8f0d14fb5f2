// Moving the truck by one frame: the cab's steering point is pulled to a new
// target, and every segment follows the point that pulls it, front to back.
#include "gpc_temp.h"

namespace __MORVANE__ {

namespace {
// A hitch that moves less than this is not turned, only put back in place.
constexpr double kLeastMove = 1e-7;
}  // namespace

// dist: how far the steering point moves along the cab's lever (negative when
// reversing); turn: how far the lever turns, in degrees.
double PullTruck(double dist, double turn) {
    NumArray target, hitch, along, side;
    DIM(target, 2);
    DIM(hitch, 2);
    DIM(along, 2);
    DIM(side, 2);
    DIM(v1, 2);

    // The steering point is carried to the end of a lever of length l0 + dist
    // from the cab's reference point, turned by `turn` from the heading.
    const double lever = truck(0, 0) + dist;
    const double swing = truck(0, 4) + turn;
    target(0) = truck(0, 2) + COS(swing) * lever;
    target(1) = truck(0, 3) + SIN(swing) * lever;

    for (double i = 0; i <= BOUNDS(truck, 0) - 1; ++i) {
        const double l0 = truck(i, 0);
        const double l1 = truck(i, 1);
        double h = truck(i, 4);
        hitch(0) = truck(i, 2) + COS(h) * l0;
        hitch(1) = truck(i, 3) + SIN(h) * l0;
        along(0) = COS(h);
        along(1) = SIN(h);
        v1(0) = target(0) - hitch(0);
        v1(1) = target(1) - hitch(1);

        if (VecLen2D(v1) >= kLeastMove) {
            // Turn by the angle the lever would turn if the hitch moved only
            // sideways; the part along the heading returns as the slide below.
            SplitVertex2D(v1, along, side);
            hitch(0) = COS(h) * l0;
            hitch(1) = SIN(h) * l0;
            side(0) = side(0) + hitch(0);
            side(1) = side(1) + hitch(1);
            double a = Angle2D(hitch, side);
            if (Cross2D(hitch, side) < 0) a = -a;
            truck(i, 4) = truck(i, 4) + a;
        }

        // Slide along the new heading until the front hitch sits on the target.
        h = truck(i, 4);
        truck(i, 2) = target(0) - COS(h) * l0;
        truck(i, 3) = target(1) - SIN(h) * l0;

        // The next segment follows this one's new rear hitch.
        target(0) = truck(i, 2) - COS(h) * l1;
        target(1) = truck(i, 3) - SIN(h) * l1;
    }
    return 0;
}

}  // namespace __MORVANE__
