// Wave files built byte by byte, for the tests of the wave reader and of the sounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/little_endian.h"

struct WaveSpec {
    std::uint16_t format_tag = 1;
    std::uint16_t channels = 1;
    std::uint32_t samples_per_second = 22050;
    std::uint16_t bits_per_sample = 16;
    std::optional<std::uint16_t> block_alignment;  // default: channels x bits / 8
    std::vector<std::uint8_t> format_extension;    // format block bytes after the first 16
    std::vector<std::pair<std::string, std::string>> chunks_before_data;  // tag, contents
    std::vector<std::uint8_t> data;
    std::optional<std::uint32_t> data_size;  // default: the size of data
};

inline void AppendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

inline void AppendTag(std::vector<std::uint8_t>& bytes, const std::string& tag) {
    bytes.insert(bytes.end(), tag.begin(), tag.end());
}

inline std::vector<std::uint8_t> WaveBytes(const WaveSpec& spec) {
    const std::uint16_t alignment =
        spec.block_alignment.value_or(static_cast<std::uint16_t>(spec.channels * spec.bits_per_sample / 8));
    std::vector<std::uint8_t> bytes;
    AppendTag(bytes, "RIFF");
    AppendLittleEndian(bytes, 0, 4);  // filled in at the end
    AppendTag(bytes, "WAVEfmt ");
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(16 + spec.format_extension.size()), 4);
    AppendLittleEndian(bytes, spec.format_tag, 2);
    AppendLittleEndian(bytes, spec.channels, 2);
    AppendLittleEndian(bytes, spec.samples_per_second, 4);
    AppendLittleEndian(bytes, spec.samples_per_second * alignment, 4);
    AppendLittleEndian(bytes, alignment, 2);
    AppendLittleEndian(bytes, spec.bits_per_sample, 2);
    bytes.insert(bytes.end(), spec.format_extension.begin(), spec.format_extension.end());
    if (spec.format_extension.size() % 2 != 0) bytes.push_back(0);
    for (const auto& [tag, contents] : spec.chunks_before_data) {
        AppendTag(bytes, tag);
        AppendLittleEndian(bytes, static_cast<std::uint32_t>(contents.size()), 4);
        AppendTag(bytes, contents);
        if (contents.size() % 2 != 0) bytes.push_back(0);
    }
    AppendTag(bytes, "data");
    AppendLittleEndian(bytes, spec.data_size.value_or(static_cast<std::uint32_t>(spec.data.size())), 4);
    bytes.insert(bytes.end(), spec.data.begin(), spec.data.end());
    WriteLittleEndian32(bytes.data() + 4, static_cast<std::uint32_t>(bytes.size() - 8));
    return bytes;
}

// Sample data: `frames` frames of 16-bit samples, one value per channel.
inline std::vector<std::uint8_t> Samples16(std::size_t frames, std::vector<std::int16_t> frame) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < frames; ++i) {
        for (const std::int16_t sample : frame)
            AppendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

// The extension of an extensible format block with the given sub-format's first byte (1: PCM).
inline std::vector<std::uint8_t> ExtensibleFormat(std::uint8_t sub_format) {
    std::vector<std::uint8_t> bytes = {22, 0, 16, 0, 3, 0, 0, 0};  // size, valid bits, channel mask
    const std::vector<std::uint8_t> guid = {sub_format, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                            0x80,       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    bytes.insert(bytes.end(), guid.begin(), guid.end());
    return bytes;
}
