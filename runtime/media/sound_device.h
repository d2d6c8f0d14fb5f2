// SFXSound: the sound device. Create opens the mixer at 22050 Hz, 2 channels,
// 16 bit; every play buffer of every loaded sound then plays on a mixer
// channel of its own, which the device hands out. Without a device every
// sound command is silent.
#pragma once

#include <cstdint>
#include <thread>
#include <vector>

#include "media/pcm_conversion.h"
#include "media/stereo_gain.h"

class PlatformWindow;
struct Mix_Chunk;

// What the opened device plays.
struct SoundCaps {
    MixerFormat format;
    int mixer_channels = 0;
};

class SFXSound {
public:
    static constexpr int kSamplesPerSecond = 22050;
    static constexpr int kChannels = 2;
    // Samples per channel in one mixer buffer: about 12 ms, the delay between
    // PLAYSOUND and the first mixed sample at most.
    static constexpr int kBufferSamples = 256;
    // Enough for four play buffers of each of the 128 sounds.
    static constexpr int kMixerChannels = 512;

    SFXSound() = default;
    ~SFXSound();
    SFXSound(const SFXSound&) = delete;
    SFXSound& operator=(const SFXSound&) = delete;

    // Opens the mixer; the window is not needed here. Returns 1, or 0 when
    // there is no sound device.
    int Create(PlatformWindow* window);
    // Opens the mixer as Create does, on a thread of its own: probing the
    // system's sound drivers takes tens of milliseconds (more on a machine
    // without a device), which start-up spends on its other work instead.
    // Every other member waits until the opening has ended.
    void CreateInBackground(PlatformWindow* window);
    // At the program's end: stops every sound and leaves the device to the
    // end of the process, so that deleting this object does not close it.
    // Closing waits while SDL plays out two buffers of silence (about 35 ms)
    // that no one would hear.
    void LeaveToProcessEnd();
    // Fills the capabilities record; 1 when the device is open, else 0.
    int GetCaps();
    bool IsOpen() const;
    const SoundCaps& Caps() const;
    // Whether the output goes nowhere a person hears: the dummy driver, or a file.
    bool IsHeadless() const;

    // A free mixer channel, or -1 when all are taken.
    int ReserveChannel();
    void ReleaseChannel(int channel);

    // Plays the chunk from its start on the channel, once or looping, scaled by the gain.
    bool PlayOn(int channel, Mix_Chunk* chunk, const StereoGain& gain, bool loop);
    bool IsPlaying(int channel) const;
    // Stops the channel; its next play starts from the beginning.
    void Halt(int channel);

    // A hook that sees every mixed output buffer (16-bit stereo frames), on
    // the mixer's own thread; null to remove it.
    using MixTap = void (*)(void* context, const std::int16_t* samples, std::size_t frames);
    void SetMixTap(MixTap tap, void* context);

private:
    int Open();
    int ReadCaps();
    // Waits for an opening begun by CreateInBackground.
    void AwaitOpening() const;

    mutable std::thread opening_;
    bool open_ = false;
    SoundCaps caps_;
    std::vector<bool> channel_taken_;
    // The gain of each channel's current play, read by its effect on the mixer's thread.
    std::vector<StereoGain> gains_;
    MixTap tap_ = nullptr;
    void* tap_context_ = nullptr;
};

// The sound device, created by start-up; its Create runs after the input devices are opened.
extern SFXSound* pDXsnd;
