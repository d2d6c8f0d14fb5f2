#include "platform/events.h"

#include <SDL.h>

#include "platform/device_state.h"
#include "platform/display_loss.h"
#include "platform/end_signals.h"
#include "platform/reports.h"

namespace {

// Ends the program when a signal or the loss of the display has asked for it.
void EndWhenAsked() {
    if (CaughtEndSignal() != 0) RequestProgramEnd(EndRequest::kSignal);
    if (DisplayLost()) RequestProgramEnd(EndRequest::kDisplayLost);
}

bool IsCloseRequest(const SDL_Event& event) {
    return event.type == SDL_QUIT ||
           (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE);
}

void TakeEventsOfTypes(Uint32 first, Uint32 last) {
    EndWhenAsked();
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_PumpEvents();
    EndWhenAsked();  // the pump may have found the display gone
    SDL_Event events[64];
    int taken;
    while ((taken = SDL_PeepEvents(events, 64, SDL_GETEVENT, first, last)) > 0) {
        for (int i = 0; i < taken; ++i)
            ApplyDeviceEvent(events[i]);
    }
}

}  // namespace

void DispatchWindowEvents() {
    EndWhenAsked();
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (IsCloseRequest(event)) RequestProgramEnd(EndRequest::kClose);
        ApplyDeviceEvent(event);
    }
    EndWhenAsked();
}

void TakeKeyboardEvents() {
    TakeEventsOfTypes(SDL_KEYDOWN, SDL_KEYUP);
}

void TakeMouseEvents() {
    TakeEventsOfTypes(SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP);
}
