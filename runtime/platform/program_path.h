// Where the running program's own file lies.
#pragma once

#include <string>

// The full path of the program file, or an empty string when the system does
// not tell it.
std::string ProgramFilePath();
