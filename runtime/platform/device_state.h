// The keyboard and mouse as the window's events leave them.
#pragma once

#include <SDL_events.h>

#include "platform/input_source.h"

struct DeviceState {
    KeyStates keys{};
    int mouse_dx = 0;  // movement added up since the mouse was last read
    int mouse_dy = 0;
    bool left = false;
    bool right = false;
    bool middle = false;
};

DeviceState& TheDeviceState();
// Applies one keyboard or mouse event; other events are ignored.
void ApplyDeviceEvent(const SDL_Event& event);
