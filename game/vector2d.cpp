// Vectors in the ground plane, held in elements 0 and 1 of a NumArray. The
// procedures change their vectors in place and return 0.
#include "gpc_temp.h"

namespace __MORVANE__ {

double VecLen2D(NumArray& v) {
    return SQR(v(0) * v(0) + v(1) * v(1));
}

double Dot2D(NumArray& a, NumArray& b) {
    return a(0) * b(0) + a(1) * b(1);
}

// Positive when b lies counter-clockwise of a (y up).
double Cross2D(NumArray& a, NumArray& b) {
    return a(0) * b(1) - a(1) * b(0);
}

// The unsigned angle between a and b, 0 to 180 degrees; 0 when either has no
// length. ACOS clamps its argument, so rounding past +-1 is harmless.
double Angle2D(NumArray& a, NumArray& b) {
    const double p = VecLen2D(a) * VecLen2D(b);
    if (p > 0) return ACOS((a(0) * b(0) + a(1) * b(1)) / p);
    return 0;
}

// Scales v to length 1; a vector without length becomes (1, 0).
double UnifyVertex2D(NumArray& v) {
    const double len = VecLen2D(v);
    if (len > 0) {
        v(0) = v(0) / len;
        v(1) = v(1) / len;
    } else {
        v(0) = 1;
        v(1) = 0;
    }
    return 0;
}

// Multiplies v by s; a factor of exactly 0 leaves v as it was.
double ScaleVec2D(NumArray& v, double s) {
    if (ABS(s) > 0) {
        v(0) = s * v(0);
        v(1) = s * v(1);
    }
    return 0;
}

// Splits v into its part along the direction held in b, written into b, and
// its part across b, written into c (b turned by -90 degrees). The signed
// projection on each unit direction is COS of the angle times |v|.
double SplitVertex2D(NumArray& v, NumArray& b, NumArray& c) {
    c(0) = b(1);
    c(1) = -b(0);
    UnifyVertex2D(b);
    UnifyVertex2D(c);
    const double a1 = Angle2D(b, v);
    const double len = VecLen2D(v);
    ScaleVec2D(b, COS(a1) * len);
    const double a2 = Angle2D(v, c);
    ScaleVec2D(c, COS(a2) * len);
    return 0;
}

}  // namespace __MORVANE__
