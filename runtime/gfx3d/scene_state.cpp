#include "gfx3d/scene_state.h"

int mipmapping_state = 0;
std::int8_t current_cullmode = 0;
