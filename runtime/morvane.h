// Morvane: the one header a program includes. It declares every command, type
// and runtime global of the runtime. A program includes it, defines
// MainGameSub, and links the morvane library.
#pragma once

// Start-up, the end of the program and the entry point.
#include "app/program_entry.h"
#include "app/shutdown.h"
#include "app/startup.h"

// Runtime core: the error log and the end of the program, strings, arrays,
// maths and random numbers, input.
#include "core/arrays.h"
#include "core/command_line.h"
#include "core/dxinput.h"
#include "core/dynstr.h"
#include "core/error_log.h"
#include "core/input_commands.h"
#include "core/maths.h"
#include "core/number_text.h"
#include "core/program_end.h"
#include "core/random.h"
#include "core/startup_settings.h"
#include "core/string_commands.h"
#include "core/string_operators.h"

// The display: OpenGL, the frame step, timing and viewports, and the input
// that needs the screen: the mouse position and the INPUT line editor.
#include "gfx2d/bitmap_commands.h"
#include "gfx2d/frame_commands.h"
#include "gfx2d/mouse_position.h"
#include "gfx2d/opengl_prism.h"
#include "gfx2d/primitive_commands.h"
#include "gfx2d/sprite_commands.h"
#include "gfx2d/text_commands.h"
#include "gfx2d/text_input.h"

// 3D scene state.
#include "gfx3d/scene_state.h"
// Files and resources: the file layer, the line cache behind GETFILE and
// PUTFILE, the shoebox containers, compression, and the file and directory
// commands.
#include "files/compression.h"
#include "files/directory_commands.h"
#include "files/file_dialog.h"
#include "files/file_list.h"
#include "files/file_system.h"
#include "files/line_cache.h"
#include "files/line_file_commands.h"
#include "files/name_resolution.h"
#include "files/program_containers.h"
#include "files/shell_command.h"
#include "files/shoebox.h"
#include "files/wild_match.h"

// 3D: mesh objects and the .ddd file, their preparation for drawing, objects
// built vertex by vertex, and sphere collision.
#include "gfx3d/collision_maths.h"
#include "gfx3d/frame_blend.h"
#include "gfx3d/mesh_collision.h"
#include "gfx3d/mesh_object.h"
#include "gfx3d/normal_table.h"
#include "gfx3d/user_object.h"

// 3D: the renderer, its scene commands and the object commands.
#include "gfx3d/look_at.h"
#include "gfx3d/mesh_object_x.h"
#include "gfx3d/object_commands.h"
#include "gfx3d/prism3d.h"
#include "gfx3d/projection.h"
#include "gfx3d/scene_commands.h"

// Networking: sessions, players and messages.
#include "net/net_commands.h"
#include "net/zt_network.h"

// Path finding: FINDPATH and the planner behind it.
#include "pathfinding/astarplanner.h"
#include "pathfinding/findpath.h"
