// Fuzz harness: the container reader on an arbitrary file, every entry of its
// directory looked up and unpacked.
#include <cstddef>
#include <cstdint>

#include "files/byte_source.h"
#include "files/shoebox_directory.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryByteSource container(data, size);
    int entries = 0;
    ForEachShoeBoxEntry(container, [&](const ShoeBoxEntry& entry) {
        ZtCompression unpacked;
        UnpackShoeBoxEntry(container, entry, unpacked);
        return ++entries < 64;
    });
    ShoeBoxEntry found;
    ZtCompression unpacked;
    ExtractShoeBoxEntry(container, "data\\a.txt", found, unpacked);
    return 0;
}
