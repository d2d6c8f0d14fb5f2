// Feeds arbitrary bytes to the wave reader. A layout it accepts must describe
// a playable format and whole frames of data that lie inside the input, and
// the data must convert to the mixer's format in whole frames.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/byte_source.h"
#include "media/pcm_conversion.h"
#include "media/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryByteSource source(data, size);
    const std::optional<WaveLayout> layout = ReadWaveLayout(source);
    if (!layout) return 0;
    const WaveFormat& format = layout->format;
    if (!IsPlayableWaveFormat(format) || layout->data_size == 0 ||
        layout->data_size % format.block_alignment != 0)
        std::abort();
    if (layout->data_offset < 0 || static_cast<std::uint64_t>(layout->data_offset) + layout->data_size > size)
        std::abort();
    // Large rates or lengths would only make the run slow.
    if (layout->data_size > 64 * 1024 || format.samples_per_second > 200000) return 0;
    const std::span<const std::uint8_t> pcm(data + layout->data_offset, layout->data_size);
    const std::vector<std::uint8_t> converted = ConvertToMixerFormat(format, pcm, MixerFormat{});
    if (converted.size() % 4 != 0) std::abort();
    return 0;
}
