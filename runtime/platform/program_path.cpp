#include "platform/program_path.h"

#include <unistd.h>

#include <climits>

std::string ProgramFilePath() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    // A result that fills the buffer may have been cut.
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof path)) return {};
    return std::string(path, static_cast<std::size_t>(length));
}
