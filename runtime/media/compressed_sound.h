// Sound effects in compressed formats: Ogg (Vorbis, Opus), MP3 and FLAC, told
// apart from wave files by their first bytes and decoded whole when they are
// loaded, by SDL_mixer's decoders, into the mixer's format.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "files/file_system.h"
#include "media/mixer_library.h"

// The bytes at the start of a file that tell its format.
inline constexpr std::size_t kSoundHeadSize = 4;

// Whether a file starting with these bytes is one of the compressed formats.
bool IsCompressedSound(std::span<const std::uint8_t, kSoundHeadSize> head);

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const { Mixer()->Mix_FreeChunk(chunk); }
};
using ChunkPointer = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// A decoded sound, or no chunk and why.
struct DecodedSound {
    ChunkPointer chunk;
    std::string error;
};

// Reads the whole open file (64 MB at most) and decodes it with the mixer
// open. Fails for a file the decoder refuses, one that holds no sound, and
// one cut short: more than a tenth of a second shorter than its headers say.
DecodedSound DecodeCompressedSound(ZtFileSystem& file);
