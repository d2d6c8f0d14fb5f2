// State of the 3D scene shared with the frame step.
#pragma once

#include <cstdint>

// Non-zero: 3D textures are drawn mipmapped. The frame step switches it off;
// a program that wants mipmapping sets it again each frame.
extern int mipmapping_state;

// The face culling the program chose with X_CULLMODE: 0 none, 1 clockwise
// front faces, -1 counter-clockwise front faces. Drawing that changes the
// culling for itself (billboards) restores this afterwards.
extern std::int8_t current_cullmode;
