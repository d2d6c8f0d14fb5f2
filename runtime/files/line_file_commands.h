// GETFILE and PUTFILE: reading and changing single lines of a text file
// through the line cache. Line numbers run from 0 to 255; a fraction is cut off.
#pragma once

#include "core/dynstr.h"

// The variable becomes the line's text, "NO_FILE" or "NO_DATA". Returns the
// error code (0, 3 or 7).
double GETFILE(DynStr file, double line, DynStr& text);
// As above, then the text read as a number (both markers read as 0).
double GETFILE(DynStr file, double line, double& number);

// The line becomes the text. Returns 0, or 7 for a line out of range.
double PUTFILE(DynStr file, double line, DynStr text);
// The line becomes the number's text ("2" for 2.0, "0.25" for 0.25).
double PUTFILE(DynStr file, double line, double number);
