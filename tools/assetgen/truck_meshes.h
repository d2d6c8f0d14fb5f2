// The cab (truck1.ddd) and the trailer (trailer2.ddd), shaped as
// truck_layout.h describes and textured by truck1.bmp and trailer2.bmp.
#pragma once

#include "gfx3d/mesh_object.h"

namespace assetgen {

MeshObject MakeCabMesh();
MeshObject MakeTrailerMesh();

}  // namespace assetgen
