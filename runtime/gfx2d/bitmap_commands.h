// Loading bitmaps as sprites and backgrounds, and saving the picture.
#pragma once

#include "core/dynstr.h"

// Loads a bitmap into sprite slot n (0 to 4094) with the colour key
// (255, 0, 128) transparent. A file that cannot be found changes nothing.
void LOADSPRITE(DynStr file, double n);
// As LOADSPRITE, with the bitmap turned into a normal map for bump mapping.
void LOADBUMPTEXTURE(DynStr file, double n);
// Loads a bitmap as the background of every following frame and shows it at
// once. A file that is found but cannot be read ends the program with error 3.
void LOADBMP(DynStr file);
// What has been drawn so far this frame becomes the background.
void USEASBMP();
// Clears the picture; no background from now on.
void BLACKSCREEN();
// Writes the picture as a 24-bit bitmap file.
void SAVEBMP(DynStr file);
