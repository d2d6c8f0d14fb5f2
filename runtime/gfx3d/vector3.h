// A 3D vector of doubles for the geometry of meshes and collisions.
#pragma once

#include <cmath>

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3& operator+=(Vec3& a, Vec3 b) {
    return a = a + b;
}

inline double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}

// The vector scaled to length 1; a zero vector stays as it is.
inline Vec3 NormalisedIfNonZero(Vec3 a) {
    const double length = Length(a);
    return length > 0 ? a * (1.0 / length) : a;
}

inline Vec3 FromFloats(const float v[3]) {
    return {v[0], v[1], v[2]};
}
inline void ToFloats(Vec3 a, float out[3]) {
    out[0] = static_cast<float>(a.x);
    out[1] = static_cast<float>(a.y);
    out[2] = static_cast<float>(a.z);
}
