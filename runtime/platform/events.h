// The window's event pump. Dispatching plays the part of a window procedure:
// a close request (the close button, Alt+F4 from the window manager) ends the
// program (RequestProgramEnd, platform/reports.h). Keyboard and mouse events on
// the way update the device state that the input devices read. Every look at
// the events, taking only the keyboard's or the mouse's included, also ends the
// program once an end signal has come or the display has been lost.
#pragma once

// Dispatches every pending event.
void DispatchWindowEvents();
// Takes only the pending keyboard events, leaving the others queued.
void TakeKeyboardEvents();
// Takes only the pending mouse events, leaving the others queued.
void TakeMouseEvents();
