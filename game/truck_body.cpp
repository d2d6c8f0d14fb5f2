// The truck as a chain of segments: building it, taking and restoring
// snapshots of it, and the jackknife test.
#include "gpc_temp.h"

namespace __MORVANE__ {

namespace {
constexpr double kColumns = 5;
}

// Appends a segment behind the last one, coupled to its rear hitch. Every
// segment starts at heading 180 (facing -x), so the chain extends along +x.
double AddHinge(double front, double rear) {
    NumArray tmp;
    const double n = BOUNDS(truck, 0);
    DIM(tmp, n + 1, kColumns);
    for (double i = 0; i <= n - 1; ++i) {
        for (double j = 0; j <= kColumns - 1; ++j)
            tmp(i, j) = truck(i, j);
    }
    DIM(truck, BOUNDS(tmp, 0), kColumns);
    for (double i = 0; i <= BOUNDS(tmp, 0) - 1; ++i) {
        for (double j = 0; j <= kColumns - 1; ++j)
            truck(i, j) = tmp(i, j);
    }
    const double i = BOUNDS(truck, 0) - 1;
    truck(i, 0) = front;
    truck(i, 1) = rear;
    // Previous x plus previous rear length is the previous rear hitch; the new
    // reference point lies `front` further along +x.
    truck(i, 2) = i > 0 ? truck(i - 1, 2) + truck(i - 1, 1) + front : 30;
    truck(i, 3) = 30;
    truck(i, 4) = 180;
    return 0;
}

// Makes dst an element-by-element copy of the two-dimensional table src. dst
// is re-dimensioned only when its shape differs, so a snapshot of the same
// shape is overwritten in place.
double CopyTruck(NumArray& src, NumArray& dst) {
    if (BOUNDS(src, 0) != BOUNDS(dst, 0) || BOUNDS(src, 1) != BOUNDS(dst, 1)) {
        DIM(dst, BOUNDS(src, 0), BOUNDS(src, 1));
    }
    for (double i = 0; i <= BOUNDS(src, 0) - 1; ++i) {
        for (double j = 0; j <= BOUNDS(src, 1) - 1; ++j)
            dst(i, j) = src(i, j);
    }
    return 0;
}

// 0 when two coupled segments' headings are more than 90 degrees apart, else
// 1. Headings are compared as stored, never wrapped: the main loop undoes
// every move that fails this test, so coupled headings never drift a full
// turn apart.
double CheckTruckState() {
    for (double i = 0; i <= BOUNDS(truck, 0) - 2; ++i) {
        if (ABS(truck(i, 4) - truck(i + 1, 4)) > 90) return 0;
    }
    return 1;
}

}  // namespace __MORVANE__
