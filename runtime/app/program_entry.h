// The program's entry: the runtime provides main(), a program provides MainGameSub.
#pragma once

#include "core/startup_settings.h"

// The program's main routine, called once the runtime is up.
void MainGameSub();

// Sets the start-up settings, keeps the command line, starts the runtime with
// the window title, runs MainGameSub and ends the program. A program that
// chooses its own title or settings defines main() and calls this:
//
//   int main(int argc, char** argv) {
//       StartupSettings settings;
//       settings.width = 800;
//       settings.height = 600;
//       return MorvaneMain(argc, argv, "My game", settings);
//   }
//
// The runtime's own main() uses the default settings and titles the window
// after the program file, its first letter in upper case.
int MorvaneMain(int argc, char** argv, const char* title, const StartupSettings& settings = {});
