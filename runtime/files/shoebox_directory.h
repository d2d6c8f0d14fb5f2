// Reading a shoebox container: the directory and the entries it lists.
//
// The last four bytes of the container hold D, its directory's position: D >= 0
// counts from the start of the file, D < 0 counts -D bytes back from the end,
// so a container appended to another file still finds itself. The directory
// is a run of entries, ended by a name length of 0 or by the end of the file:
//   1 byte   L, the name's length
//   L bytes  the name (a name starting with byte 0 counts as empty)
//   4 bytes  O, where the stored bytes start, counted like D
//   4 bytes  S, how many bytes are stored
// All numbers are signed 32-bit little-endian. The stored bytes are a block of
// ZtCompression's LZO mode.
//
// A container is outside input: every position and size is checked against
// the file before it is used, and one that points outside it fails the lookup.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "files/byte_source.h"
#include "files/compression.h"

struct ShoeBoxEntry {
    std::string name;              // without the bytes from the first 0 on
    std::int32_t position = 0;     // O as stored
    std::int32_t stored_size = 0;  // S as stored
    std::int64_t data_offset = 0;  // where the stored bytes start, from the start of the file
    bool data_in_file = false;     // the S stored bytes lie wholly inside the file
};

// Calls `visit` for each entry with a name, in directory order, until it
// returns false. False when the container has no directory to read: the file
// is shorter than four bytes or D points outside it.
bool ForEachShoeBoxEntry(ByteSource& container, const std::function<bool(const ShoeBoxEntry&)>& visit);

// Whether the entry answers the request: its name, compared without regard to
// case, is the whole request or the request's last part after a "/" or "\".
bool ShoeBoxNameMatches(std::string_view entry_name, std::string_view request);

// The stored block of the entry, unpacked into `unpacked`. False when the
// block lies outside the file or does not unpack to its recorded length.
bool UnpackShoeBoxEntry(ByteSource& container, const ShoeBoxEntry& entry, ZtCompression& unpacked);

// Finds the first entry that answers the request and unpacks it. False when no
// entry answers, or when the one that does cannot be unpacked.
bool ExtractShoeBoxEntry(ByteSource& container, const char* request, ShoeBoxEntry& found,
                         ZtCompression& unpacked);
