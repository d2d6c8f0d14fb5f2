#include "core/maths.h"

#include <cmath>
#include <cstdint>

#include "core/random.h"

double SIN(double degrees) {
    return std::sin(degrees / kDegreesPerRadian);
}
double COS(double degrees) {
    return std::cos(degrees / kDegreesPerRadian);
}
double TAN(double degrees) {
    return std::tan(degrees / kDegreesPerRadian);
}
double ATAN(double y, double x) {
    return std::atan2(y, x) * kDegreesPerRadian;
}

double ASIN(double value) {
    if (value >= 1) return 90;
    if (value <= -1) return -90;
    return std::asin(value) * kDegreesPerRadian;
}

double ACOS(double value) {
    if (value >= 1) return 0;
    if (value <= -1) return 180;
    return std::acos(value) * kDegreesPerRadian;
}

double SQR(double value) {
    return std::sqrt(value);
}
double ABS(double value) {
    return value < 0 ? -value : value;
}
double POW(double base, double exponent) {
    return std::pow(base, exponent);
}

double MOD(double dividend, double divisor) {
    const double whole_divisor = std::trunc(divisor);
    if (divisor == 0 || whole_divisor == 0) return 0;
    // fmod of whole numbers is the exact integer remainder with the sign of the
    // dividend, for whole parts of any size (and -2147483648 by -1 is simply 0).
    // Adding 0.0 turns a remainder of -0 into 0.
    return std::fmod(std::trunc(dividend), whole_divisor) + 0.0;
}

double RND(double n) {
    const std::uint32_t r = Ztrand();
    if (std::isnan(n)) return 0;
    // The divisor is n + 1 taken as an unsigned 32-bit number: RND(-2) ranges up
    // to 4294967294. Whole parts beyond the 32-bit ranges are held at their ends.
    const double whole = std::fmin(std::fmax(std::trunc(n), -2147483648.0), 4294967295.0);
    const std::int64_t plus_one = static_cast<std::int64_t>(whole) + 1;
    const std::uint64_t divisor =
        plus_one > 0 ? static_cast<std::uint64_t>(plus_one) : static_cast<std::uint32_t>(plus_one);
    if (divisor == 0) return 0;  // RND(-1)
    return static_cast<double>(r % divisor);
}
