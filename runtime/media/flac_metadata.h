// The check that a FLAC file's metadata blocks lie whole within it, made
// before the decoder sees the file: the decoder loses memory on a file cut
// short within them.
#pragma once

#include <cstdint>
#include <span>

// False for a FLAC file whose metadata blocks reach past its end; true for
// any other file.
bool FlacMetadataFits(std::span<const std::uint8_t> file);
