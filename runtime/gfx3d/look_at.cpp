#include "gfx3d/look_at.h"

#include <GL/gl.h>

#include <cmath>

namespace {

struct Float3 {
    float x, y, z;
};

Float3 NormalisedIfLong(Float3 v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length > 0) return {v.x / length, v.y / length, v.z / length};
    return v;
}

}  // namespace

std::array<float, 16> LookAtRotation(const float eye[3], const float target[3]) {
    const Float3 f = NormalisedIfLong({eye[0] - target[0], eye[1] - target[1], eye[2] - target[2]});
    const Float3 s = NormalisedIfLong({f.z, 0, -f.x});
    const Float3 u = NormalisedIfLong({-f.x * f.y, f.x * f.x + f.z * f.z, -f.y * f.z});
    return {s.x, u.x, f.x, 0,  //
            s.y, u.y, f.y, 0,  //
            s.z, u.z, f.z, 0,  //
            0,   0,   0,   1};
}

void LookAt(const float eye[3], const float target[3]) {
    glMultMatrixf(LookAtRotation(eye, target).data());
    glTranslatef(-eye[0], -eye[1], -eye[2]);
}
