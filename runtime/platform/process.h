// Starting other programs.
#pragma once

#include <string>
#include <vector>

// Runs the command line through /bin/sh -c. With wait, returns after the
// command has ended and stores its exit code (128 + the signal's number when a
// signal ended it); without, the command runs on by itself and exit_code is 0.
// False when no process could be started.
bool StartShellCommand(const char* command, bool wait, int& exit_code);

// The full path of a program found in the folders of $PATH, or an empty string.
std::string FindProgramOnPath(const char* name);

// Runs a program (arguments[0] is its path) to its end and collects what it
// writes to its standard output. False when it could not be started.
bool RunProgramForOutput(const std::vector<std::string>& arguments, std::string& output, int& exit_code);
