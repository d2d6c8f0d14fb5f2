#include "media/mixer_library.h"

#include <optional>

#include "media/runtime_library.h"

namespace {

constexpr RuntimeLibrary kLibrary{"libSDL2_mixer-2.0.so.0", "MORVANE_MIXER_LIBRARY", "SDL_mixer",
                                  "sounds and music cannot be played"};

bool FindAll(void* library, MixerLibrary& mixer) {
#define MORVANE_FIND_MIXER_FUNCTION(name) &&FindLibraryFunction(library, #name, mixer.name)
    return true MORVANE_MIXER_FUNCTIONS(MORVANE_FIND_MIXER_FUNCTION);
#undef MORVANE_FIND_MIXER_FUNCTION
}

}  // namespace

const MixerLibrary* Mixer() {
    static const std::optional<MixerLibrary> library = LoadRuntimeLibrary(kLibrary, FindAll);
    return library ? &*library : nullptr;
}
