// Fonts and text.
#pragma once

#include <cstdint>

#include "core/dynstr.h"

// The font PRINT and GETFONTSIZE use, 0 to 15.
extern std::int32_t __nCurFont;

// Loads a font sheet (16 x 8 cells for codes 0 to 127, black transparent) as
// font n (0 to 15), which becomes the current font. A file that is found but
// cannot be read ends the program with error 3.
void LOADFONT(DynStr file, double n);
// Selects font n, limited to 0 to 15.
void SETFONT(double n);
// Writes the text in the current font, its first cell's top-left corner at (x, y).
void PRINT(DynStr text, double x, double y);
// Writes a number's text (as LEN counts it) in the current font at (x, y).
void PRINT(double number, double x, double y);
// The current font's cell size.
void GETFONTSIZE(double& width, double& height);
