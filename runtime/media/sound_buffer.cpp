#include "media/sound_buffer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "core/error_log.h"
#include "files/byte_source.h"
#include "media/compressed_sound.h"
#include "media/mixer_library.h"
#include "media/pcm_conversion.h"
#include "media/sound_device.h"
#include "media/stereo_gain.h"

SFXSoundBuffer* DXwav = nullptr;

namespace {

constexpr int kLoopFlag = 1;
constexpr int kPanLimit = 10000;

}  // namespace

SFXSoundBuffer::~SFXSoundBuffer() {
    Release();
}

void SFXSoundBuffer::Release() {
    Stop();
    if (chunk_ != nullptr) Mixer()->Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    for (int& channel : channels_) {
        if (channel >= 0 && device_ != nullptr) device_->ReleaseChannel(channel);
        channel = -1;
    }
    pcm_.clear();
    mixer_pcm_.clear();
    count_ = 0;
    current_ = 0;
}

int SFXSoundBuffer::Load(SFXSound* device, const char* file_name, int buffers) {
    Release();
    device_ = device;
    count_ = std::clamp(buffers, 1, kMaxPlayBuffers);
    file_name_ = file_name;
    if (device_ != nullptr && device_->IsOpen() && LoadFromFile()) {
        file_name_ = nullptr;
        for (int k = 0; k < count_; ++k)
            channels_[static_cast<std::size_t>(k)] = device_->ReserveChannel();
        if (std::none_of(channels_.begin(), channels_.begin() + count_, [](int c) { return c < 0; }))
            return 1;
    }
    Release();
    file_name_ = nullptr;
    return 0;
}

int SFXSoundBuffer::LoadFromFile() {
    ZtFileSystem file;
    if (file_name_ == nullptr || !file.OpenRead(file_name_)) return 0;
    std::array<std::uint8_t, kSoundHeadSize> head{};
    if (file.Read(head.data(), head.size()) && IsCompressedSound(head)) return LoadCompressed(file);
    if (!file.Seek(0)) return 0;
    std::optional<WaveLayout> layout;
    {
        FileByteSource source(file);
        layout = ReadWaveLayout(source);
    }
    if (!layout) return 0;
    const WaveFormat& format = layout->format;
    if (CreateSoundBuffer(layout->data_size, format.samples_per_second, format.bits_per_sample,
                          format.block_alignment, format.channels > 1) == 0)
        return 0;
    if (ReadData(file, layout->data_size, layout->data_offset) == 0) return 0;
    return MakeChunk() ? 1 : 0;
}

int SFXSoundBuffer::LoadCompressed(ZtFileSystem& file) {
    DecodedSound decoded = DecodeCompressedSound(file);
    if (!decoded.chunk) {
        WriteErrorLog(("LOADSOUND cannot load " + std::string(file_name_) + ": " + decoded.error).c_str());
        return 0;
    }
    chunk_ = decoded.chunk.release();
    return 1;
}

int SFXSoundBuffer::CreateSoundBuffer(std::uint32_t size, std::uint32_t samples_per_second,
                                      std::uint16_t bits_per_sample, std::uint16_t block_alignment,
                                      bool stereo) {
    const WaveFormat format{static_cast<std::uint16_t>(stereo ? 2 : 1), samples_per_second, block_alignment,
                            bits_per_sample};
    if (!IsPlayableWaveFormat(format) || size == 0 || size % block_alignment != 0) return 0;
    format_ = format;
    const std::uint8_t silence = bits_per_sample == 8 ? 0x80 : 0;
    pcm_.assign(size, silence);
    return 1;
}

int SFXSoundBuffer::ReadData(ZtFileSystem& file, std::uint32_t size, std::int64_t offset) {
    if (offset != -1 && !file.Seek(offset)) return 0;
    if (size > pcm_.size()) return 0;
    return file.Read(pcm_.data(), size) ? 1 : 0;
}

bool SFXSoundBuffer::MakeChunk() {
    mixer_pcm_ = ConvertToMixerFormat(format_, pcm_, device_->Caps().format);
    pcm_ = {};
    if (mixer_pcm_.empty() || mixer_pcm_.size() > std::numeric_limits<Uint32>::max()) return false;
    chunk_ = Mixer()->Mix_QuickLoad_RAW(mixer_pcm_.data(), static_cast<Uint32>(mixer_pcm_.size()));
    return chunk_ != nullptr;
}

std::optional<int> SFXSoundBuffer::GetFreeBuffer() {
    if (count_ == 0) return std::nullopt;
    if (device_->IsPlaying(channels_[static_cast<std::size_t>(current_)])) {
        if (count_ == 1) return std::nullopt;
        current_ = (current_ + 1) % count_;
        device_->Halt(channels_[static_cast<std::size_t>(current_)]);
    }
    return channels_[static_cast<std::size_t>(current_)];
}

int SFXSoundBuffer::Play(int pan, double volume, int flags) {
    if (device_ == nullptr || !device_->IsOpen() || count_ == 0 || chunk_ == nullptr) return 0;
    const std::optional<int> channel = GetFreeBuffer();
    if (!channel) return 0;
    // Not-a-number is no volume at all.
    const double amplitude = volume > 0 ? std::min(volume, 1.0) : 0.0;
    const StereoGain gain = GainForPanAndVolume(std::clamp(pan, -kPanLimit, kPanLimit), amplitude);
    return device_->PlayOn(*channel, chunk_, gain, (flags & kLoopFlag) != 0) ? 1 : 0;
}

int SFXSoundBuffer::Stop() {
    for (const int channel : channels_) {
        if (channel >= 0) device_->Halt(channel);
    }
    return 1;
}

int SFXSoundBuffer::PlayingCount() const {
    return static_cast<int>(std::count_if(channels_.begin(), channels_.end(), [this](int channel) {
        return channel >= 0 && device_->IsPlaying(channel);
    }));
}
