// The start-up settings the program's entry point hands to the runtime before
// start-up; nothing changes them afterwards.
#pragma once

#include <cstdint>

extern std::int32_t __QV_RESX;        // width of the window's client area and of the 2D screen
extern std::int32_t __QV_RESY;        // height of the client area and of the 2D screen
extern std::int32_t __QV_FULLSCREEN;  // non-zero: start full-screen
extern std::int32_t __QV_FRAMERATE;   // frame rate handed to the display (-1: none set)
extern std::int32_t __QV_DEBUG;       // non-zero: the end of the program is written to the error log
extern std::int32_t __QV_WANTMOUSE;   // non-zero: the mouse is opened as an input device
