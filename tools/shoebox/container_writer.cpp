#include "container_writer.h"

#include <cstring>
#include <limits>

#include "files/byte_buffer.h"
#include "files/compression.h"
#include "files/little_endian.h"

namespace {

constexpr std::int64_t kMaxContainerSize = std::numeric_limits<std::int32_t>::max();

void WriteInt32(std::ostream& out, std::int64_t value) {
    std::uint8_t bytes[4];
    WriteLittleEndian32(bytes, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)));
    out.write(reinterpret_cast<const char*>(bytes), 4);
}

// Whether the block unpacks to the data again, under the runtime's own checks.
bool UnpacksToData(const ZtCompression& packed, const std::vector<std::uint8_t>& data) {
    ZtCompression check(ZtCompression::kModeLzo);
    check.UnPack(packed.Output(), packed.OutputLength());
    return check.Succeeded() && check.OutputLength() == data.size() &&
           (data.empty() || std::memcmp(check.Output(), data.data(), data.size()) == 0);
}

}  // namespace

bool ContainerWriter::Add(const std::string& name, const std::vector<std::uint8_t>& data,
                          std::string& error) {
    if (data.size() > kMaxUnpackedLength) {
        error = name + ": larger than the 1 GiB an entry may hold";
        return false;
    }
    ZtCompression packed(ZtCompression::kModeLzo);
    packed.Pack(data.data(), data.size());
    if (!packed.Succeeded() || !UnpacksToData(packed, data)) {
        error = name + ": cannot be packed";
        return false;
    }
    const auto size = static_cast<std::int64_t>(packed.OutputLength());
    if (written_ + size > kMaxContainerSize) {
        error = name + ": the container would pass 2 GiB";
        return false;
    }
    out_.write(reinterpret_cast<const char*>(packed.Output()), static_cast<std::streamsize>(size));
    entries_.push_back({name, written_, size});
    written_ += size;
    if (!out_) error = "write failed";
    return static_cast<bool>(out_);
}

bool ContainerWriter::Finish(std::string& error) {
    std::int64_t directory_size = 1;  // the end mark
    for (const Written& entry : entries_)
        directory_size += 1 + static_cast<std::int64_t>(entry.name.size()) + 8;
    const std::int64_t total = written_ + directory_size + 4;
    if (total > kMaxContainerSize) {
        error = "the container would pass 2 GiB";
        return false;
    }
    for (const Written& entry : entries_) {
        out_.put(static_cast<char>(entry.name.size()));
        out_.write(entry.name.data(), static_cast<std::streamsize>(entry.name.size()));
        WriteInt32(out_, entry.offset - total);
        WriteInt32(out_, entry.size);
    }
    out_.put('\0');
    WriteInt32(out_, -(directory_size + 4));
    if (!out_) error = "write failed";
    return static_cast<bool>(out_);
}
