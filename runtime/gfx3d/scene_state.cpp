#include "gfx3d/scene_state.h"

std::int8_t current_cullmode = 0;
