// The LZO block format of the containers: the unpacked length as an unsigned
// 32-bit little-endian number, then the LZO1X-1 stream.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/byte_buffer.h"

// Packs the data into `out`. False when the memory cannot be had or the data is
// too long for the header.
bool LzoPack(const std::uint8_t* data, std::size_t length, ByteBuffer& out);

// Unpacks a block into `out`. False, with `out` empty, when the block is short
// or corrupt, when the stream does not produce exactly the length its header
// announces, or when that length is more than the block can hold (over 255
// times the stream's size, or over kMaxUnpackedLength); such a length is never
// allocated.
bool LzoUnpack(const std::uint8_t* data, std::size_t length, ByteBuffer& out);
