// Commands on the disk's files and the current directory. They look at the
// disk only, never into the containers.
#pragma once

#include "core/dynstr.h"

// 1 when the file can be opened for reading, else 0.
double DOESFILEEXIST(DynStr file);

// The current directory with "/" separators and a trailing "/".
DynStr GETCURRENTDIR_Str();

// Makes the path the current directory; 1 on success, 0 (and no change) on failure.
double SETCURRENTDIR(DynStr path);
