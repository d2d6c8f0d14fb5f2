// The triangles of a packed frame. Markers in the vertex stream switch between
// plain triangles, strips and fans; the vertices after a marker form that kind
// of primitive. A strip a b c d e gives (a,b,c), (c,b,d), (c,d,e); a fan
// a b c d gives (a,b,c), (a,c,d); a triangle list drops a trailing vertex or two.
// Drawing and automatic normals both use this walk, so they see the same triangles.
#pragma once

#include <cstdint>

#include "gfx3d/mesh_object.h"

// Calls emit(i0, i1, i2) with the packed-vertex indices of each triangle, in order.
template <typename Emit>
void ForEachTriangle(const MeshObject& mesh, const POLY_FRAME& frame, Emit&& emit) {
    enum class Mode { kTriangles, kStrip, kFan };
    Mode mode = Mode::kTriangles;
    std::int32_t window[3] = {0, 0, 0};
    int filled = 0;
    bool odd_strip_triangle = false;
    for (std::int32_t i = 0; i < frame.packed.Count(); ++i) {
        switch (mesh.ColourOf(frame.packed[i])) {
            case kMarkerStrip:
                mode = Mode::kStrip;
                odd_strip_triangle = false;
                filled = 0;
                continue;
            case kMarkerTriangles:
                mode = Mode::kTriangles;
                filled = 0;
                continue;
            case kMarkerFan:
                mode = Mode::kFan;
                filled = 0;
                continue;
            default:
                window[filled++] = i;
        }
        if (filled < 3) continue;
        emit(window[0], window[1], window[2]);
        switch (mode) {
            case Mode::kTriangles:
                filled = 0;
                break;
            case Mode::kStrip:
                // Every second strip triangle is turned round so all face the same way.
                odd_strip_triangle = !odd_strip_triangle;
                window[odd_strip_triangle ? 0 : 1] = window[2];
                filled = 2;
                break;
            case Mode::kFan:
                window[1] = window[2];
                filled = 2;
                break;
        }
    }
}

// The number of triangles ForEachTriangle gives for the frame.
inline std::int32_t TriangleCount(const MeshObject& mesh, const POLY_FRAME& frame) {
    std::int32_t count = 0;
    ForEachTriangle(mesh, frame, [&count](std::int32_t, std::int32_t, std::int32_t) { ++count; });
    return count;
}
