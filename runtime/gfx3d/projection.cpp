#include "gfx3d/projection.h"

namespace {

void Transform(const float m[16], const float in[4], float out[4]) {
    for (int row = 0; row < 4; ++row)
        out[row] = m[row] * in[0] + m[4 + row] * in[1] + m[8 + row] * in[2] + m[12 + row] * in[3];
}

}  // namespace

bool Ztglu_Project(float x, float y, float z, const float model_view[16], const float projection[16],
                   const int viewport[4], float& screen_x, float& screen_y, float& screen_z) {
    const float point[4] = {x, y, z, 1};
    float eye[4], clip[4];
    Transform(model_view, point, eye);
    Transform(projection, eye, clip);
    if (clip[3] == 0) return false;
    const float nx = clip[0] / clip[3], ny = clip[1] / clip[3], nz = clip[2] / clip[3];
    const auto left = static_cast<float>(viewport[0]), bottom = static_cast<float>(viewport[1]);
    const auto width = static_cast<float>(viewport[2]), height = static_cast<float>(viewport[3]);
    screen_x = left + width * (nx + 1) / 2;
    screen_y = height - ((ny + 1) * height / 2 + bottom);
    screen_z = (nz + 1) / 2;
    return true;
}
