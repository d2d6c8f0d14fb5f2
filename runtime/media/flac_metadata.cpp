#include "media/flac_metadata.h"

#include <cstddef>
#include <cstring>

bool FlacMetadataFits(std::span<const std::uint8_t> file) {
    if (file.size() < 4 || std::memcmp(file.data(), "fLaC", 4) != 0) return true;
    // Each block: a byte holding the last-block flag and the type, then a
    // 24-bit big-endian length of what follows.
    for (std::size_t at = 4;;) {
        if (file.size() - at < 4) return false;
        const bool last = (file[at] & 0x80) != 0;
        const std::size_t length = static_cast<std::size_t>(file[at + 1]) << 16 |
                                   static_cast<std::size_t>(file[at + 2]) << 8 | file[at + 3];
        at += 4;
        if (file.size() - at < length) return false;
        at += length;
        if (last) return true;
    }
}
