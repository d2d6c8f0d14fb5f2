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

// 3D: mesh objects and the .ddd file, their preparation for drawing, objects
// built vertex by vertex, and sphere collision.
#include "gfx3d/collision_maths.h"
#include "gfx3d/frame_blend.h"
#include "gfx3d/mesh_collision.h"
#include "gfx3d/mesh_object.h"
#include "gfx3d/normal_table.h"
#include "gfx3d/user_object.h"
