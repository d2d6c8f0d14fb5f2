// The keyboard and mouse as the window's events leave them.
#pragma once

#include <SDL_events.h>

#include "platform/input_source.h"
#include "platform/latched_input.h"

struct DeviceState {
    LatchedKeys keys;
    int mouse_dx = 0;  // movement added up since the mouse was last read
    int mouse_dy = 0;
    LatchedButtons buttons;
};

DeviceState& TheDeviceState();
// Applies one keyboard or mouse event; other events are ignored.
void ApplyDeviceEvent(const SDL_Event& event);
