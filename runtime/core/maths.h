// The maths commands. Angles are in degrees, converted with the constant
// 57.2957795 both ways.
#pragma once

inline constexpr double kDegreesPerRadian = 57.2957795;

// The sine of an angle in degrees.
double SIN(double degrees);
// The cosine of an angle in degrees.
double COS(double degrees);
// The tangent of an angle in degrees.
double TAN(double degrees);
// The angle of the point (x, y) in degrees, from -180 to 180.
double ATAN(double y, double x);
// The angle in degrees whose sine is the value: 90 at or above 1, -90 at or below -1.
double ASIN(double value);
// The angle in degrees whose cosine is the value: 0 at or above 1, 180 at or below -1.
double ACOS(double value);
// The square root; not a number for a negative value.
double SQR(double value);
// The value without its sign.
double ABS(double value);
// `base` raised to the power `exponent`.
double POW(double base, double exponent);
// The remainder of the whole parts, with the sign of the first; 0 when the
// whole part of the divisor is 0.
double MOD(double dividend, double divisor);
// A random whole number from 0 to n inclusive.
double RND(double n);
