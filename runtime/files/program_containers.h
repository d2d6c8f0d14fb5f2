// The program file as its own data: containers appended to it are found with
// no configuration, and files beside it are found from any starting folder.
#pragma once

#include <string>

// Names the program file as both the data and the media container, and makes
// the program's folder the current directory.
void UseProgramFileAsContainers();

// The folder part of a program path: the text before its last "/" or "\"
// (a separator in the first place is not taken, so "/game" gives "/"). Empty
// when the path names no folder.
std::string ProgramFolder(const std::string& program_path);
