// Creating files in the runtime's private temporary folder.
#pragma once

#include <cstdio>

// Creates a new file readable and writable by this user alone and opens it for
// writing. Whatever stood at the path before (an old file, or a link planted
// there) is removed first, and the file is created only if nothing took its
// place meanwhile, so a link is never followed. Null on failure.
std::FILE* CreatePrivateFile(const char* path);
