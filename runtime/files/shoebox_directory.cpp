#include "files/shoebox_directory.h"

#include "files/ascii_case.h"
#include "files/little_endian.h"

namespace {

bool ReadInt32(ByteSource& container, std::int64_t offset, std::int32_t& value) {
    std::uint8_t bytes[4];
    if (!container.ReadAt(offset, bytes, sizeof bytes)) return false;
    value = static_cast<std::int32_t>(ReadLittleEndian32(bytes));
    return true;
}

// A position counted from the start (D >= 0) or back from the end (D < 0).
std::int64_t FileOffset(std::int32_t position, bool from_end, std::int64_t size) {
    return from_end ? size + position : position;
}

// Reads the entry at `offset`; false at the end of the directory.
bool ReadEntry(ByteSource& container, std::int64_t& offset, bool from_end, std::int64_t size,
               ShoeBoxEntry& entry) {
    std::uint8_t length = 0;
    if (!container.ReadAt(offset, &length, 1) || length == 0) return false;
    char name[256];
    if (!container.ReadAt(offset + 1, name, length)) return false;
    name[length] = '\0';
    if (!ReadInt32(container, offset + 1 + length, entry.position)) return false;
    if (!ReadInt32(container, offset + 5 + length, entry.stored_size)) return false;
    offset += 9 + length;
    entry.name = name;  // up to the first 0 byte
    entry.data_offset = FileOffset(entry.position, from_end, size);
    entry.data_in_file =
        entry.stored_size >= 0 && entry.data_offset >= 0 && entry.data_offset <= size - entry.stored_size;
    return true;
}

}  // namespace

bool ForEachShoeBoxEntry(ByteSource& container, const std::function<bool(const ShoeBoxEntry&)>& visit) {
    const std::int64_t size = container.Size();
    std::int32_t directory = 0;
    if (size < 4 || !ReadInt32(container, size - 4, directory)) return false;
    const bool from_end = directory < 0;
    std::int64_t offset = FileOffset(directory, from_end, size);
    if (offset < 0 || offset > size) return false;
    ShoeBoxEntry entry;
    while (ReadEntry(container, offset, from_end, size, entry)) {
        if (!entry.name.empty() && !visit(entry)) break;
    }
    return true;
}

bool ShoeBoxNameMatches(std::string_view entry_name, std::string_view request) {
    if (entry_name.empty() || entry_name.size() > request.size()) return false;
    const std::size_t start = request.size() - entry_name.size();
    for (std::size_t k = 0; k < entry_name.size(); ++k) {
        if (AsciiLowerCase(entry_name[k]) != AsciiLowerCase(request[start + k])) return false;
    }
    return start == 0 || request[start - 1] == '/' || request[start - 1] == '\\';
}

bool UnpackShoeBoxEntry(ByteSource& container, const ShoeBoxEntry& entry, ZtCompression& unpacked) {
    unpacked.Clear();
    if (!entry.data_in_file) return false;
    if (entry.stored_size == 0) return true;  // an empty entry extracts to an empty file
    ByteBuffer stored;
    const auto size = static_cast<std::size_t>(entry.stored_size);
    if (!stored.Allocate(size) || !container.ReadAt(entry.data_offset, stored.Data(), size)) return false;
    unpacked.SetMode(ZtCompression::kModeLzo);
    unpacked.UnPack(stored.Data(), size);
    return unpacked.Succeeded();
}

bool ExtractShoeBoxEntry(ByteSource& container, const char* request, ShoeBoxEntry& found,
                         ZtCompression& unpacked) {
    unpacked.Clear();
    if (request == nullptr || request[0] == '\0') return false;
    bool matched = false;
    ForEachShoeBoxEntry(container, [&](const ShoeBoxEntry& entry) {
        matched = ShoeBoxNameMatches(entry.name, request);
        if (matched) found = entry;
        return !matched;
    });
    return matched && UnpackShoeBoxEntry(container, found, unpacked);
}
