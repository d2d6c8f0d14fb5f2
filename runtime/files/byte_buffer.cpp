#include "files/byte_buffer.h"

#include <algorithm>
#include <cstring>
#include <new>

void ByteBuffer::Clear() {
    data_.reset();
    size_ = 0;
    capacity_ = 0;
}

bool ByteBuffer::Allocate(std::size_t capacity) {
    Clear();
    capacity = std::max<std::size_t>(capacity, 1);
    data_.reset(new (std::nothrow) std::uint8_t[capacity]);
    if (!data_) return false;
    capacity_ = capacity;
    return true;
}

void ByteBuffer::SetSize(std::size_t size) {
    size_ = std::min(size, capacity_);
}

bool ByteBuffer::Push(std::uint8_t byte, std::size_t limit) {
    if (size_ >= limit) return false;
    if (size_ == capacity_) {
        const std::size_t grown = std::min(std::max<std::size_t>(capacity_ * 2, 1024), limit);
        std::unique_ptr<std::uint8_t[]> larger(new (std::nothrow) std::uint8_t[grown]);
        if (!larger) return false;
        if (size_ > 0) std::memcpy(larger.get(), data_.get(), size_);
        data_ = std::move(larger);
        capacity_ = grown;
    }
    data_[size_++] = byte;
    return true;
}
