// The command line the program was started with, kept for GETCOMMANDLINE_Str.
#pragma once

#include "core/dynstr.h"

// The command-line text after the program's name; the entry point fills it.
extern DynStr __g_cmdline;

// A copy of the command line kept at start-up.
DynStr GETCOMMANDLINE_Str();
