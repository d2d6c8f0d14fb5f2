// SFXSoundBuffer: one loaded sound with up to four play buffers, so that the
// same effect can sound several times at once. The samples are read from a
// PCM wave file, converted once to the mixer's format and shared by all play
// buffers; each play buffer plays on a mixer channel of its own. Ogg, MP3 and
// FLAC files are decoded by SDL_mixer instead.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/file_system.h"
#include "media/wave_file.h"

class SFXSound;
struct Mix_Chunk;

class SFXSoundBuffer {
public:
    static constexpr int kMaxPlayBuffers = 4;

    SFXSoundBuffer() = default;
    ~SFXSoundBuffer();
    SFXSoundBuffer(const SFXSoundBuffer&) = delete;
    SFXSoundBuffer& operator=(const SFXSoundBuffer&) = delete;

    // Stops and forgets what was loaded, then loads the wave file with
    // `buffers` play buffers (limited to 1..4). 1 on success; 0 leaves the
    // sound empty: no device, or a file that is missing, cut short or neither
    // a playable PCM wave nor a decodable Ogg, MP3 or FLAC file (those three
    // say why in the error log).
    int Load(SFXSound* device, const char* file_name, int buffers);
    // Reads the file named at Load into the sound.
    int LoadFromFile();
    // Reads `size` bytes of sample data from the file at `offset` (-1: where
    // the file stands) into the sound's buffer.
    int ReadData(ZtFileSystem& file, std::uint32_t size, std::int64_t offset);
    // Makes the sound's buffer: `size` bytes of silence in the described
    // format. 1 on success, 0 for a format no play buffer can play.
    int CreateSoundBuffer(std::uint32_t size, std::uint32_t samples_per_second, std::uint16_t bits_per_sample,
                          std::uint16_t block_alignment, bool stereo);

    // The play buffer to start next: the current one when it is free; else,
    // with several, the next in turn, stopped and rewound if it still sounds
    // (the oldest instance is cut off). Empty when the only play buffer is busy.
    std::optional<int> GetFreeBuffer();
    // Starts a free play buffer: pan from -10000 (left) to 10000 (right) in
    // hundredths of a decibel, volume from 0 to 1 in amplitude, flags 1 to
    // loop. 1 when it started.
    int Play(int pan, double volume, int flags);
    // Stops every play buffer and rewinds it; 1.
    int Stop();

    int PlayBufferCount() const { return count_; }
    // How many play buffers are sounding now.
    int PlayingCount() const;

private:
    void Release();
    // Decodes the open Ogg, MP3 or FLAC file into the sound's chunk.
    int LoadCompressed(ZtFileSystem& file);
    // The sound's samples in the mixer's format, as one chunk the play buffers share.
    bool MakeChunk();

    int count_ = 0;
    int current_ = 0;
    const char* file_name_ = nullptr;
    SFXSound* device_ = nullptr;
    std::array<int, kMaxPlayBuffers> channels_{-1, -1, -1, -1};

    WaveFormat format_;
    std::vector<std::uint8_t> pcm_;        // as read from the file
    std::vector<std::uint8_t> mixer_pcm_;  // converted for the mixer
    Mix_Chunk* chunk_ = nullptr;
};

// The 128 sounds, numbers 0 to 127, created by start-up with array new.
extern SFXSoundBuffer* DXwav;
inline constexpr int kSoundCount = 128;
