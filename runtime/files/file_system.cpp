#include "files/file_system.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include "platform/private_file.h"

bool ZtFileSystem::OpenRead(const char* path) {
    Close();
    if (path == nullptr || path[0] == '\0') return false;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    file_ = std::fopen(path, "rb");
    return IsOpen();
}

bool ZtFileSystem::OpenWrite(const char* path) {
    Close();
    if (path == nullptr || path[0] == '\0') return false;
    file_ = std::fopen(path, "wb");
    return IsOpen();
}

bool ZtFileSystem::OpenAppend(const char* path) {
    Close();
    if (path == nullptr || path[0] == '\0') return false;
    file_ = std::fopen(path, "ab");
    return IsOpen();
}

bool ZtFileSystem::CreatePrivate(const char* path) {
    Close();
    if (path == nullptr || path[0] == '\0') return false;
    file_ = CreatePrivateFile(path);
    return IsOpen();
}

bool ZtFileSystem::Read(void* data, std::size_t n) {
    if (!IsOpen()) return false;
    return std::fread(data, 1, n, file_) == n;
}

bool ZtFileSystem::Write(const void* data, std::size_t n) {
    if (!IsOpen()) return false;
    return std::fwrite(data, 1, n, file_) == n;
}

bool ZtFileSystem::Seek(std::int64_t position) {
    if (!IsOpen()) return false;
    if (position > std::numeric_limits<long>::max() || position < std::numeric_limits<long>::min())
        return false;
    return std::fseek(file_, static_cast<long>(position), position >= 0 ? SEEK_SET : SEEK_END) == 0;
}

std::int64_t ZtFileSystem::Size() {
    if (!IsOpen() || std::fseek(file_, 0, SEEK_END) != 0) return -1;
    return std::ftell(file_);
}

bool ZtFileSystem::Close() {
    if (!IsOpen()) return true;
    const bool flushed = std::fclose(file_) == 0;
    file_ = nullptr;
    return flushed;
}
