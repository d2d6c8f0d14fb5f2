// GETFILELIST: the current directory's entries in a string array.
#pragma once

#include "core/arrays.h"
#include "core/dynstr.h"

// Fills the array with the current directory's sub-directories (all of them,
// "." and ".." when the system reports them) and then the files whose names
// match the pattern (see szWildMatch). Returns directories * 65536 + files; a
// directory that cannot be listed gives an empty list and 0.
double GETFILELIST(DynStr pattern, StrArray& list);
