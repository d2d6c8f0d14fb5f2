#include "core/program_end.h"

#include <cstdio>
#include <cstdlib>

#include "core/error_log.h"
#include "core/startup_settings.h"

double __g_debugline = 0;
double __g_debugfile = 0;
double __g_error = 0;
double __g_errorline = 0;

void dLn(double file, double line) {
    __g_debugfile = file;
    __g_debugline = line;
}

double Error(double code) {
    __g_error = code;
    __g_errorline = __g_debugline;
    return code;
}

void FatalError(ErrorCode code) {
    Error(code);
    RunProgramEnd();
}

double END() {
    FatalError(kErrorNone);
}

namespace {

void WriteLogNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    WriteErrorLog(text);
}

// "-End On Line", then the error code, the error line, the current line and the current file.
void WriteEndRecord() {
    WriteErrorLog("-End On Line");
    WriteLogNumber(__g_error);
    WriteLogNumber(__g_errorline);
    WriteLogNumber(__g_debugline);
    WriteLogNumber(__g_debugfile);
}

enum class Ending { kRunning, kShuttingDown, kExiting };
Ending ending = Ending::kRunning;

void EndWithNothingToRelease() {
    EndProcess(nullptr);
}

ProgramEnd installed_end = EndWithNothingToRelease;

}  // namespace

void SetProgramEnd(ProgramEnd end) {
    installed_end = end != nullptr ? end : EndWithNothingToRelease;
}

void RunProgramEnd() {
    installed_end();
    EndProcess(nullptr);  // an end that returned still ends
}

void EndProcess(void (*release)()) {
    // A device torn down below, or a static destructor run by exit, may end the
    // program again; exit must not be entered twice.
    if (ending == Ending::kExiting) std::_Exit(0);
    if (ending == Ending::kShuttingDown) {
        ending = Ending::kExiting;
        std::exit(0);
    }
    ending = Ending::kShuttingDown;
    if (__QV_DEBUG != 0) WriteEndRecord();
    if (release != nullptr) release();
    ending = Ending::kExiting;
    std::exit(0);
}
