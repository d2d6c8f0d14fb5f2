// The shop building's model (shop1.ddd), shaped as shop_building.h describes.
#pragma once

#include "gfx3d/mesh_object.h"

namespace assetgen {

MeshObject MakeShopMesh();

}  // namespace assetgen
