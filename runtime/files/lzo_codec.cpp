#include "files/lzo_codec.h"

#include <lzo/lzo1x.h>

#include <limits>

#include "files/little_endian.h"

namespace {

constexpr std::size_t kHeaderSize = 4;
// What the LZO1X-1 compressor writes never unpacks to more than about 226
// bytes for each byte of stream, even for a block of zeros.
constexpr std::size_t kMaxExpansion = 255;

bool LzoReady() {
    static const bool ready = lzo_init() == LZO_E_OK;
    return ready;
}

// The compressor's work memory, one block for the whole process.
lzo_voidp WorkMemory() {
    static lzo_align_t memory[(LZO1X_1_MEM_COMPRESS + sizeof(lzo_align_t) - 1) / sizeof(lzo_align_t)];
    return memory;
}

}  // namespace

bool LzoPack(const std::uint8_t* data, std::size_t length, ByteBuffer& out) {
    out.Clear();
    if (!LzoReady() || length > std::numeric_limits<std::uint32_t>::max()) return false;
    if (!out.Allocate(kHeaderSize + length + length / 16 + 67)) return false;
    WriteLittleEndian32(out.Data(), static_cast<std::uint32_t>(length));
    lzo_uint packed = 0;
    if (lzo1x_1_compress(data, length, out.Data() + kHeaderSize, &packed, WorkMemory()) != LZO_E_OK) {
        out.Clear();
        return false;
    }
    out.SetSize(kHeaderSize + packed);
    return true;
}

bool LzoUnpack(const std::uint8_t* data, std::size_t length, ByteBuffer& out) {
    out.Clear();
    if (!LzoReady() || data == nullptr || length < kHeaderSize) return false;
    const std::size_t announced = ReadLittleEndian32(data);
    const std::size_t stream = length - kHeaderSize;
    if (announced > kMaxUnpackedLength || announced > kMaxExpansion * stream) return false;
    if (!out.Allocate(announced)) return false;
    lzo_uint unpacked = announced;
    const int result = lzo1x_decompress_safe(data + kHeaderSize, stream, out.Data(), &unpacked, nullptr);
    if (result != LZO_E_OK || unpacked != announced) {
        out.Clear();
        return false;
    }
    out.SetSize(unpacked);
    return true;
}
