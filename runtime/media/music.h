// Background music: one piece at a time, in any format the mixer plays (WAV,
// OGG, MP3, FLAC, OPUS, MOD; MIDI where a sound font is installed), looped by
// the frame step.
#pragma once

#include "core/dynstr.h"

// Stops the music, finds the file on disk or in the media container and
// plays it. 0 when it plays; 3 when the file is not found, or cannot be
// played as music (a line in the error log says why). Without a sound device
// the music is silent and the result 0.
double PLAYMUSIC(DynStr file);
// Stops and forgets the music, and ends a video that is playing.
void STOPMUSIC();
// The frame step of SHOWSCREEN: music that has played to its end starts again.
void LoopMusic();
