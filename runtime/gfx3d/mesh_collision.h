// Whether a sphere touches a mesh object as it is drawn.
#pragma once

#include <cstdint>

#include "gfx3d/mesh_object.h"
#include "gfx3d/vector3.h"

// The point transformed by a column-major 4x4 matrix (translation in
// elements 12 to 14), as OpenGL keeps its model-view matrix.
Vec3 TransformPoint(const float matrix[16], Vec3 point);

// True when the sphere (centre in eye coordinates) touches a triangle of the
// frame's prepared list, each vertex placed by `model_view`, the matrix that
// drawing the object uses. A missing frame, or one with fewer than three
// prepared vertices, is never touched. The frame's max radius, grown by the
// largest scale in the matrix, rejects far spheres before any triangle is tested.
bool SphereTouchesFrame(const MeshObject& mesh, std::int32_t frame, const float model_view[16], Vec3 centre,
                        double radius);
