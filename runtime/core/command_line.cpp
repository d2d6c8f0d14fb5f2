#include "core/command_line.h"

DynStr __g_cmdline;

DynStr GETCOMMANDLINE_Str() {
    return __g_cmdline;
}
