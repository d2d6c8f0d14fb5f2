#include "platform/private_file.h"

#include <fcntl.h>
#include <unistd.h>

std::FILE* CreatePrivateFile(const char* path) {
    unlink(path);  // removes a link itself, never what it points to
    const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) close(fd);
    return file;
}
