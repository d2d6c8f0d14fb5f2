// How every loader finds a file: on disk first, then in a container.
#pragma once

#include <string>

#include "files/shoebox.h"

// The path a loader opens for `name`. The container's previous extraction is
// deleted first; then the name itself is used when it opens for reading, else
// the path of the entry extracted for it from the container. Empty when the
// name resolves nowhere. Music and video pass g_ShoeBox_Media.
std::string ResolveFileName(const char* name, ZtShoeBox& container = g_ShoeBox_Data);
