// ZtShoeBox: a container of named, packed files that the loaders search when
// a file is not on disk. An entry asked for is unpacked into a temporary file
// in the private temporary folder, and the loader opens that file instead.
// Each container keeps at most one such file on disk: the next extraction,
// naming another container and the end of the program delete it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/dynstr.h"

class ZtShoeBox {
public:
    ZtShoeBox() = default;
    ~ZtShoeBox() { Clear(); }
    ZtShoeBox(const ZtShoeBox&) = delete;
    ZtShoeBox& operator=(const ZtShoeBox&) = delete;

    // Deletes the last extracted file and forgets the container.
    void Clear();
    // Clears, then names the container file (empty: none).
    void SetContainer(const char* path);
    // Deletes the last extracted file, if any.
    void DeleteExtraction();

    // Extracts the first entry that answers `request` into a new temporary
    // file and gives that file's path; the file of the previous extraction is
    // deleted first. Empty when there is no container, no entry answers, or
    // the entry or the file cannot be made.
    std::string Extract(const char* request);

    const std::string& ContainerName() const { return container_; }
    const std::string& TemporaryName() const { return temporary_; }

private:
    std::string container_;
    std::string temporary_;
};

// The container the loaders search, and the one music and video come from.
extern ZtShoeBox g_ShoeBox_Data;
extern ZtShoeBox g_ShoeBox_Media;

// Names the data container and the media container (each cleared first).
void SETSHOEBOX(DynStr data_container, DynStr media_container);

// The temporary file name of an entry: "~sbx", O in upper-case hexadecimal, S
// in lower-case hexadecimal, then the entry's name with every character that is
// not safe in one file name ("/" and "\" among them) replaced by "_", so the
// file always lands in the temporary folder. Cut to the longest name a folder
// can hold.
std::string ShoeBoxTemporaryName(std::int32_t position, std::int32_t stored_size, std::string_view name);
