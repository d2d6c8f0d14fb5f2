#include "app/program_entry.h"

#include <string>

#include "app/shutdown.h"
#include "app/startup.h"
#include "core/program_end.h"
#include "core/startup_settings.h"
#include "gfx2d/mouse_position.h"

namespace {

// The arguments after the program name, as one line; an argument with a space
// is quoted so the line still tells the arguments apart.
std::string CommandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!line.empty()) line += ' ';
        line += argument.find(' ') != std::string::npos ? '"' + argument + '"' : argument;
    }
    return line;
}

}  // namespace

int MorvaneMain(int argc, char** argv, const char* title, const StartupSettings& settings) {
    ApplyStartupSettings(settings);
    const std::string command_line = CommandLineOf(argc, argv);
    GlobalInit(command_line.c_str(), title);
    __g_mx = 100.0;
    __g_my = 100.0;
    __g_errorline = 0;
    __g_error = 0;
    __g_debugline = 0;
    MainGameSub();
    EndProgram();
}
