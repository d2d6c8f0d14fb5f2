// The model's triangles as raw vertices of a .ddd frame, placed as a pose
// has the model's nodes and bones.
#pragma once

#include <assimp/scene.h>

#include "gfx3d/poly_records.h"
#include "scene_pose.h"

namespace dddconv {

// Appends every triangle of every mesh, at every node that shows it, to
// `raw`: three vertices each with position (times `scale`), normal, texture
// coordinates and colour (the mesh's first vertex colours, else its
// material's diffuse colour). Triangles are stored clockwise as seen from
// outside, the way round the runtime's own objects are, so that
// X_CULLMODE(1) leaves out their backs. Every pose of a model appends its
// vertices in the same order, with the same coordinates and colours.
void AddPosedTriangles(const aiScene& scene, const ScenePose& pose, double scale, Queue<POLY_NODE>& raw);

}  // namespace dddconv
