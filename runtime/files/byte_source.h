// Random access to the bytes of a container: a file, or a block in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/file_system.h"

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The number of bytes; -1 when unknown.
    virtual std::int64_t Size() = 0;
    // Reads exactly n bytes at the offset; false when they are not all there.
    virtual bool ReadAt(std::int64_t offset, void* data, std::size_t n) = 0;
};

class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::int64_t Size() override { return static_cast<std::int64_t>(size_); }
    bool ReadAt(std::int64_t offset, void* data, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Reads through an open file, keeping one block of it so that walking a
// directory entry by entry costs no call to the system per field.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(ZtFileSystem& file) : file_(file), size_(file.Size()) {}
    std::int64_t Size() override { return size_; }
    bool ReadAt(std::int64_t offset, void* data, std::size_t n) override;

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    bool LoadBlock(std::int64_t offset);

    ZtFileSystem& file_;
    std::int64_t size_;
    std::vector<std::uint8_t> block_;
    std::int64_t block_start_ = -1;
};
