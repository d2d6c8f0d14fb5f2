#include "media/sound_commands.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/whole_number.h"
#include "files/name_resolution.h"
#include "media/sound_buffer.h"
#include "media/sound_device.h"

namespace {

constexpr double kPanUnits = 10000;

// The sound a command addresses: numbers above the last address the last; negative ones none.
std::optional<int> SoundNumber(double n) {
    const std::int32_t number = TruncToInt32(n);
    if (number < 0 || DXwav == nullptr) return std::nullopt;
    return std::min(number, kSoundCount - 1);
}

}  // namespace

void LOADSOUND(DynStr file, double n, double buffers) {
    const std::optional<int> sound = SoundNumber(n);
    if (!sound) return;
    const std::string resolved = ResolveFileName(file.c_str());
    DXwav[*sound].Load(pDXsnd, resolved.c_str(), TruncToInt32(buffers));
}

void PLAYSOUND(double n, double pan, double volume) {
    const std::optional<int> sound = SoundNumber(n);
    if (!sound) return;
    const double limited_pan = std::isnan(pan) ? 0 : std::clamp(pan, -1.0, 1.0);
    DXwav[*sound].Play(TruncToInt32(limited_pan * kPanUnits), volume, 0);
}

void HUSH() {
    if (DXwav == nullptr) return;
    for (int sound = 0; sound < kSoundCount; ++sound)
        DXwav[sound].Stop();
}
