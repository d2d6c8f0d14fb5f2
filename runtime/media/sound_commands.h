// The sound effect commands: sounds 0 to 127 loaded from wave files and played by number.
#pragma once

#include "core/dynstr.h"

// Loads sound n (above 127: 127) from a wave, Ogg, MP3 or FLAC file found on
// disk or in the data container, with 1 to 4 play buffers. A file that cannot
// be loaded leaves the sound empty; a negative n does nothing.
void LOADSOUND(DynStr file, double n, double buffers);
// Plays sound n (above 127: 127) once: pan from -1 (left) to 1 (right),
// volume from 0 (silent) to 1 (full), linear in amplitude. A negative n, an
// empty sound or a one-buffer sound still playing does nothing.
void PLAYSOUND(double n, double pan, double volume);
// Stops every sound.
void HUSH();
