#include "media/sound_device.h"

#include "media/audio_drivers.h"
#include "media/mixer_library.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>

SFXSound* pDXsnd = nullptr;

namespace {

constexpr int kDecoders =
    MIX_INIT_FLAC | MIX_INIT_MOD | MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID | MIX_INIT_OPUS;

// The effect every playing channel carries: its pan and volume.
void ApplyChannelGain(int, void* stream, int length, void* gain) {
    const std::size_t frames = static_cast<std::size_t>(length) / (2 * sizeof(std::int16_t));
    ApplyStereoGain(*static_cast<const StereoGain*>(gain), static_cast<std::int16_t*>(stream), frames);
}

}  // namespace

SFXSound::~SFXSound() {
    AwaitOpening();
    if (!open_) return;
    Mixer()->Mix_SetPostMix(nullptr, nullptr);
    Mixer()->Mix_HaltChannel(-1);
    Mixer()->Mix_CloseAudio();
    Mixer()->Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SFXSound::LeaveToProcessEnd() {
    AwaitOpening();
    if (!open_) return;
    // The mixer goes on mixing silence until the process ends, touching none
    // of this object's state: no channel plays and no tap is set.
    Mixer()->Mix_SetPostMix(nullptr, nullptr);
    Mixer()->Mix_HaltChannel(-1);
    Mixer()->Mix_HaltMusic();
    open_ = false;
}

int SFXSound::Create(PlatformWindow*) {
    AwaitOpening();
    ChooseAudioDrivers();
    return Open();
}

void SFXSound::CreateInBackground(PlatformWindow*) {
    AwaitOpening();
    if (open_) return;
    ChooseAudioDrivers();
    opening_ = std::thread([this] {
        Open();
        // SDL keeps per-thread state (its error text) that only its own threads free at their end.
        SDL_TLSCleanup();
    });
}

void SFXSound::AwaitOpening() const {
    if (opening_.joinable()) opening_.join();
}

int SFXSound::Open() {
    if (open_) return 1;
    if (Mixer() == nullptr) return 0;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    // Formats whose decoder is not installed are simply not offered.
    Mixer()->Mix_Init(kDecoders);
    if (Mixer()->Mix_OpenAudioDevice(kSamplesPerSecond, AUDIO_S16SYS, kChannels, kBufferSamples, nullptr,
                                     0) != 0) {
        Mixer()->Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    open_ = true;
    Mixer()->Mix_AllocateChannels(kMixerChannels);
    channel_taken_.assign(kMixerChannels, false);
    gains_.assign(kMixerChannels, StereoGain{});
    ReadCaps();
    return 1;
}

bool SFXSound::IsOpen() const {
    AwaitOpening();
    return open_;
}

const SoundCaps& SFXSound::Caps() const {
    AwaitOpening();
    return caps_;
}

int SFXSound::GetCaps() {
    AwaitOpening();
    return ReadCaps();
}

int SFXSound::ReadCaps() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!open_ || Mixer()->Mix_QuerySpec(&frequency, &format, &channels) == 0) return 0;
    caps_.format = {frequency, channels};
    caps_.mixer_channels = Mixer()->Mix_AllocateChannels(-1);
    return 1;
}

bool SFXSound::IsHeadless() const {
    AwaitOpening();
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver == nullptr || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0;
}

int SFXSound::ReserveChannel() {
    AwaitOpening();
    for (std::size_t channel = 0; channel < channel_taken_.size(); ++channel) {
        if (!channel_taken_[channel]) {
            channel_taken_[channel] = true;
            return static_cast<int>(channel);
        }
    }
    return -1;
}

void SFXSound::ReleaseChannel(int channel) {
    AwaitOpening();
    if (channel < 0 || static_cast<std::size_t>(channel) >= channel_taken_.size()) return;
    Halt(channel);
    channel_taken_[static_cast<std::size_t>(channel)] = false;
}

bool SFXSound::PlayOn(int channel, Mix_Chunk* chunk, const StereoGain& gain, bool loop) {
    if (!IsOpen() || chunk == nullptr) return false;
    Halt(channel);
    // A channel's effects end with each play; the gain is registered afresh
    // before the play starts, so its first mixed sample already carries it.
    Mixer()->Mix_UnregisterAllEffects(channel);
    gains_[static_cast<std::size_t>(channel)] = gain;
    if (Mixer()->Mix_RegisterEffect(channel, ApplyChannelGain, nullptr,
                                    &gains_[static_cast<std::size_t>(channel)]) == 0)
        return false;
    return Mixer()->Mix_PlayChannel(channel, chunk, loop ? -1 : 0) == channel;
}

bool SFXSound::IsPlaying(int channel) const {
    return IsOpen() && Mixer()->Mix_Playing(channel) != 0;
}

void SFXSound::Halt(int channel) {
    if (IsOpen()) Mixer()->Mix_HaltChannel(channel);
}

void SFXSound::SetMixTap(MixTap tap, void* context) {
    if (!IsOpen()) return;
    Mixer()->Mix_SetPostMix(nullptr, nullptr);
    tap_ = tap;
    tap_context_ = context;
    if (tap_ == nullptr) return;
    Mixer()->Mix_SetPostMix(
        [](void* device, Uint8* stream, int length) {
            auto* self = static_cast<SFXSound*>(device);
            self->tap_(self->tap_context_, reinterpret_cast<const std::int16_t*>(stream),
                       static_cast<std::size_t>(length) / (2 * sizeof(std::int16_t)));
        },
        this);
}
