#include "gfx3d/scene_state.h"

int mipmapping_state = 0;
