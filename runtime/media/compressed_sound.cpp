#include "media/compressed_sound.h"

#include <cstdio>
#include <vector>

#include "media/flac_metadata.h"

namespace {

constexpr std::int64_t kLargestFile = 64 << 20;
// How much shorter than its headers say a sound may decode: decoders may drop
// the last part of a block.
constexpr double kShortfallAllowed = 0.1;

bool StartsWith(std::span<const std::uint8_t, kSoundHeadSize> head, const char* magic, std::size_t length) {
    for (std::size_t k = 0; k < length; ++k) {
        if (head[k] != static_cast<std::uint8_t>(magic[k])) return false;
    }
    return true;
}

// An MPEG audio frame begins with 11 set bits.
bool IsMpegFrameSync(std::span<const std::uint8_t, kSoundHeadSize> head) {
    return head[0] == 0xFF && (head[1] & 0xE0) == 0xE0;
}

DecodedSound Failure(std::string error) {
    return {nullptr, std::move(error)};
}

double MixedSeconds(const Mix_Chunk& chunk) {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (Mixer()->Mix_QuerySpec(&frequency, &format, &channels) == 0) return 0;
    const double bytes_per_frame = channels * (SDL_AUDIO_BITSIZE(format) / 8.0);
    return chunk.alen / bytes_per_frame / frequency;
}

// The length the file's headers give, in seconds; 0 when they give none.
double DeclaredSeconds(const std::vector<std::uint8_t>& bytes) {
#if SDL_MIXER_VERSION_ATLEAST(2, 6, 0)
    Mix_Music* music =
        Mixer()->Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
    if (music == nullptr) return 0;
    const double seconds = Mixer()->Mix_MusicDuration(music);
    Mixer()->Mix_FreeMusic(music);
    return seconds > 0 ? seconds : 0;
#else
    (void)bytes;
    return 0;
#endif
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

}  // namespace

bool IsCompressedSound(std::span<const std::uint8_t, kSoundHeadSize> head) {
    return StartsWith(head, "OggS", 4) || StartsWith(head, "fLaC", 4) || StartsWith(head, "ID3", 3) ||
           IsMpegFrameSync(head);
}

DecodedSound DecodeCompressedSound(ZtFileSystem& file) {
    const std::int64_t size = file.Size();
    if (size < 0) return Failure("its size cannot be read");
    if (size > kLargestFile) return Failure("it is larger than 64 MB");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!file.Seek(0) || !file.Read(bytes.data(), bytes.size())) return Failure("it cannot be read");
    if (!FlacMetadataFits(bytes)) return Failure("it is cut short within its FLAC metadata");
    if (Mixer() == nullptr) return Failure("SDL_mixer cannot be opened");

    ChunkPointer chunk(
        Mixer()->Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
    if (!chunk) return Failure(Mix_GetError());
    const double decoded = MixedSeconds(*chunk);
    if (decoded <= 0) return Failure("it holds no sound");
    const double declared = DeclaredSeconds(bytes);
    if (decoded < declared - kShortfallAllowed)
        return Failure("it is cut short: " + SecondsText(decoded) + " of its " + SecondsText(declared));
    return {std::move(chunk), ""};
}
