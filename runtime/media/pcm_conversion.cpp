#include "media/pcm_conversion.h"

#include <SDL_audio.h>

#include <algorithm>
#include <limits>

namespace {

SDL_AudioFormat SdlFormatOf(const WaveFormat& format) {
    return format.bits_per_sample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

}  // namespace

std::vector<std::uint8_t> ConvertToMixerFormat(const WaveFormat& from, std::span<const std::uint8_t> pcm,
                                               const MixerFormat& to) {
    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, SdlFormatOf(from), static_cast<Uint8>(from.channels),
                          static_cast<int>(from.samples_per_second), AUDIO_S16SYS,
                          static_cast<Uint8>(to.channels), to.samples_per_second) < 0)
        return {};
    if (conversion.needed == 0) return {pcm.begin(), pcm.end()};
    // The whole sound is converted at once, so that resampling has no seams;
    // the converter counts in ints.
    const std::size_t room = pcm.size() * static_cast<std::size_t>(conversion.len_mult);
    if (room > static_cast<std::size_t>(std::numeric_limits<int>::max())) return {};
    std::vector<std::uint8_t> converted(room);
    std::copy(pcm.begin(), pcm.end(), converted.begin());
    conversion.buf = converted.data();
    conversion.len = static_cast<int>(pcm.size());
    if (SDL_ConvertAudio(&conversion) != 0) return {};
    converted.resize(static_cast<std::size_t>(conversion.len_cvt));
    return converted;
}
