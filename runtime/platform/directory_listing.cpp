#include "platform/directory_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace {

bool IsDirectory(DIR* folder, const dirent& entry) {
    if (entry.d_type == DT_DIR) return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
    // A link counts by what it points to; some file systems report no type at all.
    struct stat info;
    return fstatat(dirfd(folder), entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool ListDirectory(const char* folder, std::vector<DirectoryEntry>& entries) {
    entries.clear();
    std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder), &closedir);
    if (!listing) return false;
    while (const dirent* entry = readdir(listing.get())) {
        entries.push_back({entry->d_name, IsDirectory(listing.get(), *entry)});
    }
    return true;
}
