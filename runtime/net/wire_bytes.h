// Little-endian fields of the session protocol: a writer that appends them and
// a reader that checks every field against the bytes that really arrived.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class WireWriter {
public:
    // Room for a text message and its fields at once, so that a small message
    // is written without growing its buffer.
    WireWriter() { bytes_.reserve(64); }
    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void Bytes(std::span<const std::uint8_t> bytes);
    void Text(const std::string& text) {
        Bytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Each read fails, and leaves its output alone, when the bytes left are too few.
class WireReader {
public:
    explicit WireReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool U8(std::uint8_t& value);
    bool U16(std::uint16_t& value);
    bool U32(std::uint32_t& value);
    bool Bytes(std::span<std::uint8_t> out);
    bool Text(std::size_t length, std::string& out);
    // The next `length` bytes where they lie, without a copy.
    bool View(std::size_t length, std::span<const std::uint8_t>& out);

    std::size_t Remaining() const { return bytes_.size() - position_; }
    bool AtEnd() const { return Remaining() == 0; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};
