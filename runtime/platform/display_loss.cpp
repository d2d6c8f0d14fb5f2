#include "platform/display_loss.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <atomic>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <dlfcn.h>
#endif

#include "platform/reports.h"

namespace {

std::atomic<bool> display_lost{false};

#if defined(SDL_VIDEO_DRIVER_X11)

using SetIOErrorHandler = XIOErrorHandler (*)(XIOErrorHandler);
using SetIOErrorExitHandler = void (*)(Display*, XIOErrorExitHandler, void*);

// Whether Xlib lets the program go on after a broken connection (an exit
// handler that returns, Xlib 1.7 and later).
bool carries_on = false;

// Xlib calls this when the connection to the X server breaks, then its exit
// handler; when both return, every later call on the connection fails at once.
int NoteLostDisplay(Display*) {
    display_lost = true;
    // An Xlib that would end the process after this returns: the program ends here instead.
    if (!carries_on) RequestProgramEnd(EndRequest::kDisplayLost);
    return 0;
}

void CarryOnWithoutDisplay(Display*, void*) {}

#endif

}  // namespace

void WatchForDisplayLoss(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    // The Xlib SDL loaded at run time: its handlers are the ones its connection calls.
    void* xlib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (xlib == nullptr) return;
    const auto set_handler = reinterpret_cast<SetIOErrorHandler>(dlsym(xlib, "XSetIOErrorHandler"));
    const auto set_exit_handler =
        reinterpret_cast<SetIOErrorExitHandler>(dlsym(xlib, "XSetIOErrorExitHandler"));
    if (set_exit_handler != nullptr) {
        set_exit_handler(info.info.x11.display, CarryOnWithoutDisplay, nullptr);
        carries_on = true;
    }
    if (set_handler != nullptr) set_handler(NoteLostDisplay);
    dlclose(xlib);
#else
    (void)window;
#endif
}

bool DisplayLost() {
    return display_lost;
}
