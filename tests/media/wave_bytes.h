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

inline void AppendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int k = 0; k < size; ++k)
        bytes.push_back(static_cast<char>(value >> (8 * k)));
}

// A chunk: tag, size, contents and the pad byte of an odd size.
inline void AppendChunk(std::string& bytes, const std::string& tag, const std::string& contents) {
    bytes += tag;
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(contents.size()), 4);
    bytes += contents + (contents.size() % 2 != 0 ? std::string(1, '\0') : "");
}

inline std::string WaveBytes(const WaveRecipe& r) {
    const auto alignment = static_cast<std::uint16_t>(r.channels * r.bits_per_sample / 8);
    std::string format;
    for (const auto& [value, size] : {std::pair<std::uint32_t, int>{r.format_tag, 2},
                                      {r.channels, 2},
                                      {r.samples_per_second, 4},
                                      {r.samples_per_second * alignment, 4},
                                      {alignment, 2},
                                      {r.bits_per_sample, 2}})
        AppendLittleEndian(format, value, size);
    std::string bytes = "RIFF----WAVE";
    AppendChunk(bytes, "fmt ", format + std::string(r.format_extension.begin(), r.format_extension.end()));
    for (const auto& [tag, contents] : r.chunks_before_data)
        AppendChunk(bytes, tag, contents);
    AppendChunk(bytes, "data", std::string(r.data.begin(), r.data.end()));
    WriteLittleEndian32(reinterpret_cast<std::uint8_t*>(bytes.data()) + 4,
                        static_cast<std::uint32_t>(bytes.size() - 8));
    return bytes;
}

// `frames` frames of 16-bit samples, one value per channel.
inline std::vector<std::uint8_t> Samples16(std::size_t frames, std::vector<std::int16_t> frame) {
    std::string bytes;
    for (std::size_t i = 0; i < frames * frame.size(); ++i)
        AppendLittleEndian(bytes, static_cast<std::uint16_t>(frame[i % frame.size()]), 2);
    return {bytes.begin(), bytes.end()};
}
