// State of the 3D scene shared by its commands. (Whether 3D textures are drawn
// mipmapped lasts one frame: the frame step keeps it, gfx2d/frame_commands.h.)
#pragma once

#include <cstdint>

// The face culling the program chose with X_CULLMODE: 0 none, 1 clockwise
// front faces, -1 counter-clockwise front faces. Drawing that changes the
// culling for itself (billboards) restores this afterwards.
extern std::int8_t current_cullmode;
