#include "files/shoebox.h"

#include <cstdio>

#include "files/byte_source.h"
#include "files/compression.h"
#include "files/file_system.h"
#include "files/shoebox_directory.h"
#include "platform/temp_folder.h"

ZtShoeBox g_ShoeBox_Data;
ZtShoeBox g_ShoeBox_Media;

namespace {

constexpr std::size_t kMaxFileNameLength = 255;

bool IsSafeInFileName(char c) {
    if (c < 0x20 || c > 0x7E) return false;
    for (char unsafe : {'/', '\\', ':', '*', '?', '"', '<', '>', '|'}) {
        if (c == unsafe) return false;
    }
    return true;
}

// Writes the unpacked entry to a new file in the private folder; the path, or
// empty (and no file left) on failure.
std::string WriteTemporaryFile(const std::string& name, const ZtCompression& unpacked) {
    const std::string folder = PrivateTempFolder();
    if (folder.empty()) return {};
    const std::string path = folder + name;
    ZtFileSystem file;
    if (!file.CreatePrivate(path.c_str())) return {};
    bool written = unpacked.OutputLength() == 0 || file.Write(unpacked.Output(), unpacked.OutputLength());
    written = file.Close() && written;
    if (!written) {
        std::remove(path.c_str());
        return {};
    }
    return path;
}

}  // namespace

std::string ShoeBoxTemporaryName(std::int32_t position, std::int32_t stored_size, std::string_view name) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "~sbx%X%x", static_cast<unsigned>(position),
                  static_cast<unsigned>(stored_size));
    std::string result = prefix;
    for (char c : name) {
        if (result.size() == kMaxFileNameLength) break;
        result += IsSafeInFileName(c) ? c : '_';
    }
    return result;
}

void ZtShoeBox::Clear() {
    DeleteExtraction();
    container_.clear();
}

void ZtShoeBox::SetContainer(const char* path) {
    Clear();
    if (path != nullptr) container_ = path;
}

void ZtShoeBox::DeleteExtraction() {
    if (!temporary_.empty()) std::remove(temporary_.c_str());
    temporary_.clear();
}

std::string ZtShoeBox::Extract(const char* request) {
    DeleteExtraction();
    if (container_.empty()) return {};
    ZtFileSystem file;
    if (!file.OpenRead(container_.c_str())) return {};
    FileByteSource source(file);
    ShoeBoxEntry entry;
    ZtCompression unpacked(ZtCompression::kModeLzo);
    if (!ExtractShoeBoxEntry(source, request, entry, unpacked)) return {};
    file.Close();
    temporary_ =
        WriteTemporaryFile(ShoeBoxTemporaryName(entry.position, entry.stored_size, entry.name), unpacked);
    return temporary_;
}

void SETSHOEBOX(DynStr data_container, DynStr media_container) {
    g_ShoeBox_Data.SetContainer(data_container.c_str());
    g_ShoeBox_Media.SetContainer(media_container.c_str());
}
