// Morvane: the one header a program includes. It declares every command, type
// and runtime global of the runtime. A program includes it, defines
// MainGameSub, and links the morvane library.
#pragma once

// Runtime core: start-up settings, error log and the end of the program,
// strings, arrays, maths and random numbers.
#include "core/arrays.h"
#include "core/dynstr.h"
#include "core/error_log.h"
#include "core/maths.h"
#include "core/number_text.h"
#include "core/program_end.h"
#include "core/random.h"
#include "core/startup_settings.h"
#include "core/string_commands.h"
#include "core/string_operators.h"
