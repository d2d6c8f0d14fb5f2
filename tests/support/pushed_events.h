// Input events pushed into SDL's queue, as a person's keyboard and mouse would deliver them.
#pragma once

#include <SDL.h>

inline void PushKey(SDL_Scancode scancode, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym = {scancode, SDL_GetKeyFromScancode(scancode), 0, 0};
    SDL_PushEvent(&event);
}

inline void PushMotion(int dx, int dy) {
    SDL_Event event{};
    event.motion = {SDL_MOUSEMOTION, 0, 0, 0, 0, 0, 0, dx, dy};
    SDL_PushEvent(&event);
}

inline void PushButton(Uint8 button, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&event);
}

// A window event (a close request), or an event of another type such as SDL_QUIT.
inline void PushWindowEvent(Uint32 type, Uint8 window_event = 0) {
    SDL_Event event{};
    event.type = type;
    event.window.event = window_event;
    SDL_PushEvent(&event);
}
