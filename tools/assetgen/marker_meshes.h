// The two untextured markers drawn over the truck: the ball that floats above
// each segment's reference point (sphere.ddd) and the steering arrow on the
// ground under the cab (arrow.ddd).
#pragma once

#include "gfx3d/mesh_object.h"

namespace assetgen {

// The game draws the ball at a scale of 0.05, so it shows 0.35 across its
// radius, floating just clear of the roofs 2.5 above the ground.
inline constexpr double kAxleMarkerRadius = 7.0;

// Its tail at the origin, pointing along -x: the game turns it onto the cab's
// heading plus the exaggerated steering angle.
inline constexpr double kArrowLength = 3.7;

MeshObject MakeAxleMarkerMesh();
MeshObject MakeSteeringArrowMesh();

}  // namespace assetgen
