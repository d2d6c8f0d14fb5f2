// How loud a sound plays on each side: the pan and volume of PLAYSOUND as
// gains applied to the samples of the one play buffer that plays it.
#pragma once

#include <cstdint>

struct StereoGain {
    float left = 1;
    float right = 1;
};

// Pan in hundredths of a decibel by which the opposite side is turned down,
// from -10000 (the right side 100 dB down) to 10000 (the left side 100 dB
// down); the near side keeps its full level. Volume is the amplitude of both,
// from 0 (silent) to 1 (as recorded).
StereoGain GainForPanAndVolume(int pan, double volume);

// Scales interleaved 16-bit stereo frames by the gain, rounding to the nearest sample.
void ApplyStereoGain(const StereoGain& gain, std::int16_t* samples, std::size_t frames);
