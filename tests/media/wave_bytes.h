// Wave files built byte by byte, for the tests of the wave reader and of the sounds.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "files/little_endian.h"

struct WaveRecipe {
    std::uint16_t format_tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t samples_per_second = 22050;
    std::uint16_t bits_per_sample = 16;
    std::vector<std::uint8_t> format_extension;                           // after the first 16 bytes
    std::vector<std::pair<std::string, std::string>> chunks_before_data;  // tag, contents
    std::vector<std::uint8_t> data;
};

inline void AppendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

// A chunk: tag, size, contents and the pad byte of an odd size.
inline void AppendChunk(std::vector<std::uint8_t>& bytes, const std::string& tag,
                        const std::string& contents) {
    bytes.insert(bytes.end(), tag.begin(), tag.end());
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(contents.size()), 4);
    bytes.insert(bytes.end(), contents.begin(), contents.end());
    if (contents.size() % 2 != 0) bytes.push_back(0);
}

inline std::vector<std::uint8_t> WaveBytes(const WaveRecipe& recipe) {
    const auto alignment = static_cast<std::uint16_t>(recipe.channels * recipe.bits_per_sample / 8);
    std::vector<std::uint8_t> format;
    AppendLittleEndian(format, recipe.format_tag, 2);
    AppendLittleEndian(format, recipe.channels, 2);
    AppendLittleEndian(format, recipe.samples_per_second, 4);
    AppendLittleEndian(format, recipe.samples_per_second * alignment, 4);
    AppendLittleEndian(format, alignment, 2);
    AppendLittleEndian(format, recipe.bits_per_sample, 2);
    format.insert(format.end(), recipe.format_extension.begin(), recipe.format_extension.end());
    std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    AppendChunk(bytes, "fmt ", std::string(format.begin(), format.end()));
    for (const auto& [tag, contents] : recipe.chunks_before_data)
        AppendChunk(bytes, tag, contents);
    AppendChunk(bytes, "data", std::string(recipe.data.begin(), recipe.data.end()));
    WriteLittleEndian32(bytes.data() + 4, static_cast<std::uint32_t>(bytes.size() - 8));
    return bytes;
}

// `frames` frames of 16-bit samples, one value per channel.
inline std::vector<std::uint8_t> Samples16(std::size_t frames, std::vector<std::int16_t> frame) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < frames; ++i) {
        for (const std::int16_t sample : frame)
            AppendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

// The extension of an extensible format block whose sub-format starts with `kind` (1: PCM, 3: float).
inline std::vector<std::uint8_t> ExtensibleFormat(std::uint8_t kind) {
    return {22, 0, 16, 0, 3, 0, 0, 0, kind, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
}
