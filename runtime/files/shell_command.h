// SHELLCMD: starting another program.
#pragma once

#include "core/dynstr.h"

// Runs the command line through the shell. With wait != 0 returns once it has
// ended and stores its exit code; otherwise it runs on and the code is 0. The
// show flag has no meaning here: the program opens its own windows. Returns 1
// when the program was started, 0 (exit code 0) when it could not be.
double SHELLCMD(DynStr command, double wait, double show, double& exit_code);
