// The string commands of the command language.
#pragma once

#include "core/dynstr.h"

// The number of characters of a string.
double LEN(DynStr text);
// The number of characters of a number's text, as PRINT writes it.
double LEN(double number);

// `count` characters of `text` from the 0-based index `start`; empty when the
// range holds nothing.
DynStr MID_Str(DynStr text, double start, double count);

// One-character string of the low 8 bits of `code`; empty when those are 0.
DynStr CHR_Str(double code);

// First byte as a signed 8-bit value; 0 for the empty string.
double ASC(DynStr text);

// `value` in fixed-point notation with exactly `decimals` digits after the
// point, right-aligned in at least `width` characters (a negative width
// left-aligns). A negative decimals count is taken as 0.
DynStr FORMAT_Str(double width, double decimals, double value);
