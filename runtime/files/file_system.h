// ZtFileSystem: the owner of one open file, used by every loader and writer of
// the runtime. It lives on the stack of the function that uses it and closes
// its file when it goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class ZtFileSystem {
public:
    ZtFileSystem() = default;
    ~ZtFileSystem() { Close(); }
    ZtFileSystem(const ZtFileSystem&) = delete;
    ZtFileSystem& operator=(const ZtFileSystem&) = delete;

    // Opens an existing file for reading; a directory does not open.
    bool OpenRead(const char* path);
    // Creates the file, or empties it when it exists, for writing.
    bool OpenWrite(const char* path);
    // Opens the file for writing at its end, creating it when it does not exist.
    bool OpenAppend(const char* path);
    // Creates a new file that only this user may read, without following a
    // link at the path (see CreatePrivateFile).
    bool CreatePrivate(const char* path);

    bool IsOpen() const { return file_ != nullptr; }
    // True only when exactly n bytes were read.
    bool Read(void* data, std::size_t n);
    // True when all n bytes were written.
    bool Write(const void* data, std::size_t n);
    // position >= 0: that many bytes after the start; position < 0: -position
    // bytes before the end.
    bool Seek(std::int64_t position);
    // The file's length in bytes, -1 when it cannot be had. Moves the file position.
    std::int64_t Size();
    // Closes the file; safe to call twice. False when writing out what was
    // still buffered failed.
    bool Close();

private:
    std::FILE* file_ = nullptr;
};
