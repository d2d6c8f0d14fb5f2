// The arithmetic of drawing an animated object between two of its frames.
#pragma once

#include <cstdint>

#include "gfx3d/mesh_object.h"
#include "gfx3d/vector3.h"

// The frames to draw and how much of the first: a vertex is drawn at
// w * A + (1 - w) * B with A from frame a and B from frame b. A weight of
// exactly 0 draws frame a unblended: that is how a single frame is drawn.
struct FrameBlend {
    std::int32_t a = 0;
    std::int32_t b = 0;
    float w = 0;
};

// The pair for drawing between frames `from` and `to` of an object with
// `frame_count` frames (at least 1). Both are first held within 0 to
// frame_count - 1. With `interpolate`, t runs from 0 (frame `from`) to 1
// (frame `to`), held within that range, and the result shows exactly the
// frame position reached, a whole position as that frame alone. Without it,
// the pair is (from, to) with weight t for `from`. Either way a and b are
// frames the object has.
FrameBlend ChooseFrameBlend(std::int32_t frame_count, std::int32_t from, std::int32_t to, double t,
                            bool interpolate);

// Fills the work list with frame a's prepared vertices, positions and
// normals blended towards frame b's by the weight. The work list gets as many
// vertices as both frames have; each keeps frame a's colour.
void BlendWorkVertices(MeshObject& mesh, const FrameBlend& blend);

// Encodes, for each work vertex, the direction to the light (in object
// coordinates) in the vertex's tangent space as a colour in 0 to 1, using
// the tangent and binormal of frame `tangent_frame`, for dot-product bump mapping.
void SetBumpLightVectors(MeshObject& mesh, std::int32_t tangent_frame, Vec3 light);
