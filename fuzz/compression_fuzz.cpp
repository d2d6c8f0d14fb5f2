// Fuzz harness: both decoders of ZtCompression on arbitrary blocks, and both
// coders packing the bytes and unpacking them again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "files/compression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (int mode : {ZtCompression::kModeLzo, ZtCompression::kModeOwn}) {
        ZtCompression compression(mode);
        const std::size_t length = compression.UnPack(data, size);
        if (length != compression.OutputLength()) __builtin_trap();
        if (!compression.Succeeded() && length != 0) __builtin_trap();

        ZtCompression packer(mode);
        packer.Pack(data, size);
        ZtCompression unpacker(mode);
        unpacker.UnPack(packer.Output(), packer.OutputLength());
        if (!packer.Succeeded() || !unpacker.Succeeded() || unpacker.OutputLength() != size ||
            (size > 0 && std::memcmp(unpacker.Output(), data, size) != 0))
            __builtin_trap();
    }
    return 0;
}
