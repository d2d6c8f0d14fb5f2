// Start-up: the window, the runtime's objects and the devices.
#pragma once

// Installs the program's end (app/shutdown.h), creates the window (client
// area __QV_RESX x __QV_RESY at (50, 50)) with the given title, starts the
// error log afresh, puts a recording or replay in place when the environment
// names one (platform/replay_start.h), creates the input devices and the
// display, seeds the random generator, enters full-screen or windowed mode,
// opens the input devices, names the program file as the data container and
// its folder as the current directory, loads font 0 from "Smalfont.bmp" (a
// program without one starts with the font built into the runtime), presents
// a first empty frame and sets the frame clock. The command line is kept for
// GETCOMMANDLINE_Str. When the window size is outside 1 to 16384 pixels a
// side, or the window or its OpenGL context cannot be made, the reason goes
// to the error log (and the standard error) and the program ends. Returns 0.
int GlobalInit(const char* command_line, const char* title);

// Deletes the runtime's objects in their order of shutdown; run by EndProgram.
void DeleteRuntimeObjects();
