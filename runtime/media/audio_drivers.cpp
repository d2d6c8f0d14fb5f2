#include "media/audio_drivers.h"

#include <SDL.h>

#include <system_error>

bool HasSoundCard(const std::filesystem::path& device_folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(device_folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().filename().string().starts_with("controlC")) return true;
    }
    return false;
}

std::string AudioDriversToTry(const std::vector<std::string>& compiled, bool sound_card) {
    std::string drivers;
    for (const std::string& name : compiled) {
        // SDL tries the file and silent drivers only when they are named.
        if (name == "disk" || name == "dummy" || (name == "alsa" && !sound_card)) continue;
        drivers += (drivers.empty() ? "" : ",") + name;
    }
    return drivers;
}

void ChooseAudioDrivers() {
#ifdef __linux__
    const char* chosen = SDL_GetHint(SDL_HINT_AUDIODRIVER);
    if (chosen != nullptr && *chosen != '\0') return;
    if (HasSoundCard("/dev/snd")) return;
    std::vector<std::string> compiled;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i)
        compiled.emplace_back(SDL_GetAudioDriver(i));
    // With no driver left SDL would fall back to its own order. The choice
    // overrides an SDL_AUDIODRIVER set empty, which SDL reads before any hint.
    const std::string drivers = AudioDriversToTry(compiled, false);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, drivers.empty() ? "none" : drivers.c_str(),
                            SDL_HINT_OVERRIDE);
#endif
}
