// Containers built byte by byte, for tests of the container reader.
#pragma once

#include <string>
#include <vector>

#include "files/compression.h"

struct RawEntry {
    std::string name;
    std::vector<std::uint8_t> stored;  // the stored bytes, packed or not
};

// The LZO block of a text, as a container stores it.
inline std::vector<std::uint8_t> PackedText(const std::string& text) {
    ZtCompression packer(ZtCompression::kModeLzo);
    packer.Pack(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    return {packer.Output(), packer.Output() + packer.OutputLength()};
}

inline void AppendInt32(std::vector<std::uint8_t>& bytes, std::int64_t value) {
    for (int k = 0; k < 4; ++k)
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * k)));
}

// `leading` bytes, the entries' stored data, the directory ended by a zero length
// byte, and D. With from_end every position counts back from the end (D < 0).
inline std::vector<std::uint8_t> BuildContainer(const std::vector<std::uint8_t>& leading,
                                                const std::vector<RawEntry>& entries, bool from_end) {
    std::vector<std::uint8_t> bytes = leading;
    std::vector<std::int64_t> offsets;
    std::int64_t directory_size = 1;
    for (const RawEntry& entry : entries) {
        offsets.push_back(static_cast<std::int64_t>(bytes.size()));
        bytes.insert(bytes.end(), entry.stored.begin(), entry.stored.end());
        directory_size += 9 + static_cast<std::int64_t>(entry.name.size());
    }
    const auto directory = static_cast<std::int64_t>(bytes.size());
    const std::int64_t base = from_end ? directory + directory_size + 4 : 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        bytes.push_back(static_cast<std::uint8_t>(entries[i].name.size()));
        bytes.insert(bytes.end(), entries[i].name.begin(), entries[i].name.end());
        AppendInt32(bytes, offsets[i] - base);
        AppendInt32(bytes, static_cast<std::int64_t>(entries[i].stored.size()));
    }
    bytes.push_back(0);
    AppendInt32(bytes, directory - base);
    return bytes;
}
