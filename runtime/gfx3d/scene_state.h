// State of the 3D scene shared with the frame step.
#pragma once

// Non-zero: 3D textures are drawn mipmapped. The frame step switches it off;
// a program that wants mipmapping sets it again each frame.
extern int mipmapping_state;
