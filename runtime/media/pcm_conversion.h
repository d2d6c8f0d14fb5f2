// Converting a sound's samples once, when it is loaded, into the format the
// mixer plays, so that playing it costs no conversion.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "media/wave_file.h"

// The mixer's output: 16-bit signed samples in the machine's byte order.
struct MixerFormat {
    int samples_per_second = 22050;
    int channels = 2;
};

// The samples of `pcm` (whole frames of `from`: 8-bit unsigned or 16-bit
// signed little-endian) resampled and remixed to `to`. Empty when SDL cannot
// convert between the two, or the converted sound would not fit in 2 GB.
std::vector<std::uint8_t> ConvertToMixerFormat(const WaveFormat& from, std::span<const std::uint8_t> pcm,
                                               const MixerFormat& to);
