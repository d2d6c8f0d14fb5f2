// Fitting a model's colours into a .ddd object's colour table, which holds
// at most 256 entries (each vertex names its colour with one byte).
#pragma once

#include <cstdint>

#include "gfx3d/mesh_object.h"

namespace dddconv {

inline constexpr int kMostColours = 256;

// Makes the vertex colours of every frame coarser, evenly on each channel
// (black and white stay exact), until at most kMostColours different ones
// remain. Returns how many different colours there were before, and after.
struct ColourCounts {
    int before;
    int after;
};
ColourCounts FitColours(MeshObject& object);

}  // namespace dddconv
