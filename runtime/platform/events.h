// The window's event pump. Dispatching plays the part of a window procedure:
// a close request (the close button, Alt+F4 from the window manager, a quit
// signal) ends the program (RequestProgramEnd, platform/reports.h). Keyboard and mouse events on the way
// update the device state that the input devices read.
#pragma once

// Dispatches every pending event.
void DispatchWindowEvents();
// Takes only the pending keyboard events, leaving the others queued.
void TakeKeyboardEvents();
// Takes only the pending mouse events, leaving the others queued.
void TakeMouseEvents();
