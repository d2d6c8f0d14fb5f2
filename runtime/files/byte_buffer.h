// A growable block of bytes whose storage is not cleared when it is allocated,
// for outputs that are written over completely (a 16 MiB extraction should not
// pay for clearing memory it fills at once).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The largest block a decoder unpacks; a stream that asks for more is refused.
inline constexpr std::size_t kMaxUnpackedLength = std::size_t{1} << 30;

class ByteBuffer {
public:
    const std::uint8_t* Data() const { return data_.get(); }
    std::uint8_t* Data() { return data_.get(); }
    std::size_t Size() const { return size_; }

    // Frees the storage.
    void Clear();
    // Storage for exactly `capacity` bytes (at least one), contents undefined,
    // size 0. False when the memory cannot be had.
    bool Allocate(std::size_t capacity);
    // Sets the count of bytes in use, at most the capacity.
    void SetSize(std::size_t size);
    // Appends one byte, growing the storage when it is full. False when the
    // memory cannot be had or the buffer would pass `limit` bytes.
    bool Push(std::uint8_t byte, std::size_t limit);

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
