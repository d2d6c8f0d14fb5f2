#include "app/shutdown.h"

#include "app/startup.h"
#include "core/error_log.h"
#include "core/program_end.h"
#include "platform/end_signals.h"
#include "platform/reports.h"

namespace {

// A replay that ends stands for Esc, which ends through END (error code 0 at
// the current line); a close request, an end signal and a lost display keep
// the recorded error.
void EndOnRequest(EndRequest request) {
    if (request == EndRequest::kReplayEnded) END();
    EndProgram();
}

}  // namespace

void EndProgram() {
    EndProcess(DeleteRuntimeObjects);
}

void InstallProgramEnd() {
    SetProgramEnd(EndProgram);
    SetEndRequestHandler(EndOnRequest);
    SetMessageWriter(WriteErrorLog);
    CatchEndSignals();
}
