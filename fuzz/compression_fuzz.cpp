// Fuzz harness: both decoders of ZtCompression on arbitrary blocks.
#include <cstddef>
#include <cstdint>

#include "files/compression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (int mode : {ZtCompression::kModeLzo, ZtCompression::kModeOwn}) {
        ZtCompression compression(mode);
        const std::size_t length = compression.UnPack(data, size);
        if (length != compression.OutputLength()) __builtin_trap();
        if (!compression.Succeeded() && length != 0) __builtin_trap();
    }
    return 0;
}
