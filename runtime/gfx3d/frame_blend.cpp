#include "gfx3d/frame_blend.h"

#include <algorithm>

namespace {

std::int32_t ClampFrame(std::int32_t frame, std::int32_t frame_count) {
    return std::clamp(frame, 0, std::max(frame_count - 1, 0));
}

void Blend(const float a[3], const float b[3], float w, float out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = (a[i] - b[i]) * w + b[i];
}

}  // namespace

FrameBlend ChooseFrameBlend(std::int32_t frame_count, std::int32_t from, std::int32_t to, double t,
                            bool interpolate) {
    from = ClampFrame(from, frame_count);
    to = ClampFrame(to, frame_count);
    if (!interpolate) return {from, to, static_cast<float>(t)};
    const double low = std::min(from, to);
    const double high = std::max(from, to);
    double position = (to - from) * t + from;
    if (!(position >= low)) position = low;  // also catches a t that is not a number
    if (position > high) position = high;
    const auto k = static_cast<std::int32_t>(position);
    const double fraction = position - k;
    if (fraction == 0) return {k, k, 0};
    if (to > from) return {k, k + 1, static_cast<float>(1 - fraction)};
    return {k + 1, k, static_cast<float>(fraction)};
}

void BlendWorkVertices(MeshObject& mesh, const FrameBlend& blend) {
    const Queue<POLY_NODE>& a = mesh.frames[blend.a].prepared;
    const Queue<POLY_NODE>& b = mesh.frames[blend.b].prepared;
    const std::int32_t count = std::min(a.Count(), b.Count());
    mesh.work.Clear(false);
    mesh.work.Reserve(count);
    for (std::int32_t i = 0; i < count; ++i) {
        POLY_NODE node = a[i];
        if (blend.w != 0) {
            Blend(a[i].position, b[i].position, blend.w, node.position);
            Blend(a[i].normal, b[i].normal, blend.w, node.normal);
        }
        mesh.work.Add(node);
    }
}

void SetBumpLightVectors(MeshObject& mesh, std::int32_t tangent_frame, Vec3 light) {
    const Queue<POLY_NODE>& frame = mesh.frames[tangent_frame].prepared;
    const std::int32_t count = std::min(mesh.work.Count(), frame.Count());
    for (std::int32_t i = 0; i < count; ++i) {
        POLY_NODE& node = mesh.work[i];
        const Vec3 to_light = NormalisedIfNonZero(light - FromFloats(node.position));
        const Vec3 encoded = {Dot(FromFloats(frame[i].tangent), to_light) * 0.5 + 0.5,
                              Dot(FromFloats(frame[i].binormal), to_light) * 0.5 + 0.5,
                              Dot(FromFloats(node.normal), to_light) * 0.5 + 0.5};
        ToFloats(encoded, node.light);
    }
}
