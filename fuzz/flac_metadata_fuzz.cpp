// Feeds arbitrary bytes to the check of a FLAC file's metadata blocks, which
// runs before the decoder sees the file: it must stay inside the input, and
// accept no FLAC file shorter than its head and one block header.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "media/flac_metadata.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool fits = FlacMetadataFits(std::span<const std::uint8_t>(data, size));
    const bool flac = size >= 4 && std::memcmp(data, "fLaC", 4) == 0;
    if (fits && flac && size < 8) std::abort();
    if (!fits && !flac) std::abort();
    return 0;
}
