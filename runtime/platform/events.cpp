#include "platform/events.h"

#include <SDL.h>

#include "platform/reports.h"

#include "platform/device_state.h"

namespace {

bool IsCloseRequest(const SDL_Event& event) {
    return event.type == SDL_QUIT ||
           (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE);
}

void TakeEventsOfTypes(Uint32 first, Uint32 last) {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_PumpEvents();
    SDL_Event events[64];
    int taken;
    while ((taken = SDL_PeepEvents(events, 64, SDL_GETEVENT, first, last)) > 0) {
        for (int i = 0; i < taken; ++i)
            ApplyDeviceEvent(events[i]);
    }
}

}  // namespace

void DispatchWindowEvents() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (IsCloseRequest(event)) RequestProgramEnd(EndRequest::kClose);
        ApplyDeviceEvent(event);
    }
}

void TakeKeyboardEvents() {
    TakeEventsOfTypes(SDL_KEYDOWN, SDL_KEYUP);
}

void TakeMouseEvents() {
    TakeEventsOfTypes(SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP);
}
