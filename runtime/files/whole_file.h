// Reading a whole file into memory, for the readers that parse a file at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The file's bytes; nothing when it cannot be opened or read, or is larger
// than `limit` bytes (a reader never holds more than it could accept).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit);
