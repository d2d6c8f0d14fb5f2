// Writing a generated file in one piece.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace assetgen {

// Writes the bytes through a temporary name and renames it into place, so an
// interrupted run never leaves a cut-off file behind. False on any failure.
bool WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace assetgen
