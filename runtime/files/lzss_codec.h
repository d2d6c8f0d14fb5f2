// The own compression mode: an LZSS stream over a 2048-byte window.
//
// The stream is groups of one flag byte and up to eight tokens, the flag's bits
// taken from bit 7 down, one per token. A clear bit is a literal byte. A set
// bit is a match: byte b1 and, unless b1 is 0, byte b2, giving the distance
// ((b1 & 0xF0) << 3) + b2 and the length (b1 & 0x0F) + 2. A set bit with b1 = 0
// ends the stream.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/byte_buffer.h"

// Packs the data into `out`; the stream always ends with its end token.
// False when the memory cannot be had.
bool LzssPack(const std::uint8_t* data, std::size_t length, ByteBuffer& out);

// Unpacks a stream into `out`. False, with `out` empty, when the stream stops
// before its end token or would unpack to more than kMaxUnpackedLength bytes.
bool LzssUnpack(const std::uint8_t* data, std::size_t length, ByteBuffer& out);
