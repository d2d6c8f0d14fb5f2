// The loss of the display: the X server gone (ended, or the session logged
// out) under a running program. Xlib would end the process on the spot, and
// the process would then hang tearing down a window on a server that is no
// longer there. Instead the loss is only noted; the program's own thread ends
// the program at its next look at the window's events (platform/events.h),
// and nothing of the window or its OpenGL context is touched from then on.
#pragma once

struct SDL_Window;

// Watches the display of the window (an X11 one; other displays are not
// watched). The handlers are installed in the Xlib that SDL has loaded.
void WatchForDisplayLoss(SDL_Window* window);
// Whether the display has been lost.
bool DisplayLost();
