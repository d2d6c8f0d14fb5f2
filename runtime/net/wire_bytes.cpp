#include "net/wire_bytes.h"

#include <algorithm>

#include "files/little_endian.h"

void WireWriter::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void WireWriter::U32(std::uint32_t value) {
    std::uint8_t field[4];
    WriteLittleEndian32(field, value);
    Bytes(field);
}

void WireWriter::Bytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

bool WireReader::U8(std::uint8_t& value) {
    if (Remaining() < 1) return false;
    value = bytes_[position_++];
    return true;
}

bool WireReader::U16(std::uint16_t& value) {
    if (Remaining() < 2) return false;
    value = static_cast<std::uint16_t>(bytes_[position_] | bytes_[position_ + 1] << 8);
    position_ += 2;
    return true;
}

bool WireReader::U32(std::uint32_t& value) {
    if (Remaining() < 4) return false;
    value = ReadLittleEndian32(bytes_.data() + position_);
    position_ += 4;
    return true;
}

bool WireReader::Bytes(std::span<std::uint8_t> out) {
    if (Remaining() < out.size()) return false;
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), out.size(), out.begin());
    position_ += out.size();
    return true;
}

bool WireReader::Text(std::size_t length, std::string& out) {
    if (Remaining() < length) return false;
    out.assign(reinterpret_cast<const char*>(bytes_.data()) + position_, length);
    position_ += length;
    return true;
}

bool WireReader::View(std::size_t length, std::span<const std::uint8_t>& out) {
    if (Remaining() < length) return false;
    out = bytes_.subspan(position_, length);
    position_ += length;
    return true;
}
