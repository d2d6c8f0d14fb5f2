#include "platform/temp_folder.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

std::string BaseTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir != nullptr && tmpdir[0] != '\0') return tmpdir;
    return "/tmp";
}

// A folder we may trust: a directory, not a link, ours, and closed to others
// (its permissions are narrowed when it is ours but open).
bool IsPrivateFolder(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != getuid()) return false;
    if ((info.st_mode & 077) != 0 && chmod(path.c_str(), 0700) != 0) return false;
    return true;
}

}  // namespace

std::string PrivateTempFolder() {
    std::string folder = BaseTempFolder();
    if (folder.back() != '/') folder += '/';
    folder += "morvane-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    if (!IsPrivateFolder(folder)) return {};
    return folder + "/";
}
