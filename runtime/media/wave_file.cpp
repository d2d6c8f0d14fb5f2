#include "media/wave_file.h"

#include <array>
#include <cstring>

#include "files/little_endian.h"

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// The sub-format of an extensible format block that holds plain PCM.
constexpr std::array<std::uint8_t, 16> kPcmSubFormat = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                                        0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr std::uint32_t kPcmFormatBlockSize = 16;
// The extension of an extensible format block: its size, valid bits, channel
// mask, then the sub-format.
constexpr std::uint32_t kExtensionSize = 24;
constexpr std::size_t kSubFormatOffset = 8;
constexpr std::size_t kChunkHeaderSize = 8;

std::uint16_t ReadLittleEndian16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

// The pad byte that follows a chunk of odd size.
std::int64_t PaddedSize(std::uint32_t size) {
    return static_cast<std::int64_t>(size) + (size & 1);
}

bool HasPcmSubFormat(ByteSource& file, std::uint32_t format_block_size) {
    if (format_block_size < kPcmFormatBlockSize + kExtensionSize) return false;
    std::array<std::uint8_t, kExtensionSize> extension;
    if (!file.ReadAt(kWaveHeadSize, extension.data(), extension.size())) return false;
    return std::memcmp(extension.data() + kSubFormatOffset, kPcmSubFormat.data(), kPcmSubFormat.size()) == 0;
}

// The offset of the first byte of the "data" chunk's contents, with its size;
// every chunk before it is skipped. Empty when no such chunk lies within the file.
std::optional<std::pair<std::int64_t, std::uint32_t>> FindDataChunk(ByteSource& file, std::int64_t position) {
    const std::int64_t size = file.Size();
    while (position + static_cast<std::int64_t>(kChunkHeaderSize) <= size) {
        std::uint8_t header[kChunkHeaderSize];
        if (!file.ReadAt(position, header, sizeof header)) return std::nullopt;
        const std::uint32_t chunk_size = ReadLittleEndian32(header + 4);
        position += kChunkHeaderSize;
        if (std::memcmp(header, "data", 4) == 0) return std::make_pair(position, chunk_size);
        position += PaddedSize(chunk_size);
    }
    return std::nullopt;
}

}  // namespace

bool IsPlayableWaveFormat(const WaveFormat& format) {
    const bool channels = format.channels == 1 || format.channels == 2;
    const bool bits = format.bits_per_sample == 8 || format.bits_per_sample == 16;
    return channels && bits && format.samples_per_second > 0 &&
           format.block_alignment == format.channels * format.bits_per_sample / 8;
}

std::optional<WaveLayout> ReadWaveLayout(ByteSource& file) {
    std::uint8_t head[kWaveHeadSize];
    if (!file.ReadAt(0, head, sizeof head)) return std::nullopt;
    const std::uint32_t format_block_size = ReadLittleEndian32(head + 16);
    const std::uint16_t format_tag = ReadLittleEndian16(head + 20);
    WaveLayout layout;
    layout.format.channels = ReadLittleEndian16(head + 22);
    layout.format.samples_per_second = ReadLittleEndian32(head + 24);
    layout.format.block_alignment = ReadLittleEndian16(head + 32);
    layout.format.bits_per_sample = ReadLittleEndian16(head + 34);

    if (format_block_size < kPcmFormatBlockSize) return std::nullopt;
    const bool pcm = format_tag == kFormatPcm ||
                     (format_tag == kFormatExtensible && HasPcmSubFormat(file, format_block_size));
    if (!pcm || !IsPlayableWaveFormat(layout.format)) return std::nullopt;

    const std::int64_t after_format =
        static_cast<std::int64_t>(kWaveHeadSize) + PaddedSize(format_block_size) - kPcmFormatBlockSize;
    const auto data = FindDataChunk(file, after_format);
    if (!data || data->second > file.Size() - data->first) return std::nullopt;  // cut short
    layout.data_offset = data->first;
    layout.data_size = data->second - data->second % layout.format.block_alignment;
    if (layout.data_size == 0) return std::nullopt;
    return layout;
}
