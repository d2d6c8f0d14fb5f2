#include "files/byte_source.h"

#include <algorithm>
#include <cstring>

namespace {

// Whether [offset, offset + n) lies inside [0, size).
bool Inside(std::int64_t offset, std::size_t n, std::int64_t size) {
    return offset >= 0 && offset <= size && n <= static_cast<std::uint64_t>(size - offset);
}

}  // namespace

bool MemoryByteSource::ReadAt(std::int64_t offset, void* data, std::size_t n) {
    if (!Inside(offset, n, Size())) return false;
    if (n > 0) std::memcpy(data, data_ + offset, n);
    return true;
}

bool FileByteSource::ReadAt(std::int64_t offset, void* data, std::size_t n) {
    if (size_ < 0 || !Inside(offset, n, size_)) return false;
    if (n == 0) return true;
    if (n > kBlockSize / 2)
        return file_.Seek(offset) && file_.Read(data, n);  // large reads go straight through
    const bool cached = block_start_ >= 0 && offset >= block_start_ &&
                        static_cast<std::uint64_t>(offset - block_start_) + n <= block_.size();
    if (!cached && !LoadBlock(offset)) return false;
    std::memcpy(data, block_.data() + (offset - block_start_), n);
    return true;
}

bool FileByteSource::LoadBlock(std::int64_t offset) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(kBlockSize, size_ - offset));
    block_.resize(n);
    block_start_ = -1;
    if (!file_.Seek(offset) || !file_.Read(block_.data(), n)) return false;
    block_start_ = offset;
    return true;
}
