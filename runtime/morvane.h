// Morvane: the one header a program includes. It declares every command, type
// and runtime global of the runtime. A program includes it, defines
// MainGameSub, and links the morvane library.
#pragma once

// Runtime core: start-up and the end of the program, error log, strings,
// arrays, maths and random numbers, input.
#include "core/arrays.h"
#include "core/dxinput.h"
#include "core/dynstr.h"
#include "core/error_log.h"
#include "core/input_commands.h"
#include "core/maths.h"
#include "core/number_text.h"
#include "core/program_end.h"
#include "core/program_entry.h"
#include "core/random.h"
#include "core/startup.h"
#include "core/startup_settings.h"
#include "core/string_commands.h"
#include "core/string_operators.h"

// The display: OpenGL, the frame step, timing and viewports.
#include "gfx2d/frame_commands.h"
#include "gfx2d/opengl_prism.h"
#include "gfx2d/primitive_commands.h"

// 3D scene state.
#include "gfx3d/scene_state.h"
