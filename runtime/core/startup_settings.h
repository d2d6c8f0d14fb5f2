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

// The start-up settings as one record, for a program that chooses its own.
// The defaults are the runtime's: 640 x 480, windowed, no frame-rate limit,
// no end record, the mouse wanted.
struct StartupSettings {
    std::int32_t width = 640;  // client area and 2D screen, in pixels (1 to 16384)
    std::int32_t height = 480;
    bool fullscreen = false;
    std::int32_t frame_rate = -1;  // the most frames a second SHOWSCREEN lets through; -1: no limit
    bool debug = false;            // the end of the program writes its error code and line to the error log
    bool want_mouse = true;        // the mouse is opened as an input device
};

// Sets the __QV_ globals from the record.
void ApplyStartupSettings(const StartupSettings& settings);
