// Input events pushed into SDL's queue, as a person's keyboard and mouse would deliver them.
#pragma once

#include <SDL.h>

inline void PushEvent(SDL_Event event) {
    SDL_PushEvent(&event);
}

inline void PushKey(SDL_Scancode scancode, bool down) {
    PushEvent({.key = {down ? SDL_KEYDOWN : SDL_KEYUP,
                       0,
                       0,
                       down,
                       0,
                       0,
                       0,
                       {scancode, SDL_GetKeyFromScancode(scancode), 0, 0}}});
}

inline void PushMotion(int dx, int dy) {
    PushEvent({.motion = {SDL_MOUSEMOTION, 0, 0, 0, 0, 0, 0, dx, dy}});
}

inline void PushButton(Uint8 button, bool down) {
    PushEvent(
        {.button = {down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, 0, 0, 0, button, down, 0, 0, 0, 0}});
}

// A window event (a close request), or an event of another type such as SDL_QUIT.
inline void PushWindowEvent(Uint32 type, Uint8 window_event = 0) {
    PushEvent({.window = {type, 0, 0, window_event, 0, 0, 0, 0, 0}});
}
