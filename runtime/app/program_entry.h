// The program's entry: the runtime provides main(), a program provides MainGameSub.
#pragma once

// The program's main routine, called once the runtime is up.
void MainGameSub();

// Sets the start-up settings (640 x 480, windowed, no frame-rate limit, mouse
// wanted), keeps the command line, starts the runtime with the window title,
// runs MainGameSub and ends the program. A program that wants its own title
// defines main() and calls this; the runtime's main() titles the window after
// the program file, its first letter in upper case.
int MorvaneMain(int argc, char** argv, const char* title);
