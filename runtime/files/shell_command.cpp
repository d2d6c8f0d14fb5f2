#include "files/shell_command.h"

#include "platform/process.h"

double SHELLCMD(DynStr command, double wait, double /*show*/, double& exit_code) {
    int code = 0;
    const bool started = StartShellCommand(command.c_str(), wait != 0, code);
    exit_code = code;
    return started ? 1 : 0;
}
