#include "media/stereo_gain.h"

#include <cmath>
#include <cstdlib>

namespace {

// A pan unit is a hundredth of a decibel; amplitude falls tenfold every 20 dB.
constexpr double kPanUnitsPerDecade = 2000.0;

std::int16_t Scaled(std::int16_t sample, float gain) {
    return static_cast<std::int16_t>(std::lrintf(static_cast<float>(sample) * gain));
}

}  // namespace

StereoGain GainForPanAndVolume(int pan, double volume) {
    const auto near = static_cast<float>(volume);
    const auto far = static_cast<float>(volume * std::pow(10.0, -std::abs(pan) / kPanUnitsPerDecade));
    return pan < 0 ? StereoGain{near, far} : StereoGain{far, near};
}

void ApplyStereoGain(const StereoGain& gain, std::int16_t* samples, std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        samples[2 * i] = Scaled(samples[2 * i], gain.left);
        samples[2 * i + 1] = Scaled(samples[2 * i + 1], gain.right);
    }
}
