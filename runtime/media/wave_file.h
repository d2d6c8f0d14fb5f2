// The layout of a PCM wave file: its format and where its sample data lies.
// Every count and size the file gives is checked against the file itself, so
// a file that lies about them is refused instead of read past its end.
#pragma once

#include <cstdint>
#include <optional>

#include "files/byte_source.h"

// The sample format a sound is stored in.
struct WaveFormat {
    std::uint16_t channels = 0;
    std::uint32_t samples_per_second = 0;
    std::uint16_t block_alignment = 0;  // bytes of one sample frame, all channels
    std::uint16_t bits_per_sample = 0;
    bool operator==(const WaveFormat&) const = default;
};

struct WaveLayout {
    WaveFormat format;
    std::int64_t data_offset = 0;  // the first byte of the sample data
    std::uint32_t data_size = 0;   // whole sample frames only
};

// The format as the head of a wave file describes it: the RIFF head with a
// 16-byte PCM format block is 36 bytes long.
inline constexpr std::size_t kWaveHeadSize = 36;

// Whether a sound buffer can play the format: 1 or 2 channels of 8- or
// 16-bit samples, frames of channels x bits / 8 bytes, a rate above 0.
bool IsPlayableWaveFormat(const WaveFormat& format);

// Reads the head, the format chunk (with its extension for the extensible
// format tag) and the chunk headers up to "data", skipping every other chunk
// by its size and pad byte. Empty when the format is not PCM, not playable,
// or when a chunk or the data reaches past the end of the file.
std::optional<WaveLayout> ReadWaveLayout(ByteSource& file);
