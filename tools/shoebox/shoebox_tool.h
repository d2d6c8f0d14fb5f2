// The shoebox tool: packs files into a container, appends one to a program,
// and lists, extracts and checks the entries of a container.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs the tool with its arguments (without the program name). Returns the
// exit code: 0 on success, 1 on any failure, 2 for a wrong command line.
int RunShoeboxTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
