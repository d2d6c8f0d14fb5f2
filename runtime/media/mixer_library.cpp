#include "media/mixer_library.h"

#include <dlfcn.h>

#include <optional>

#include "media/runtime_library.h"

namespace {

constexpr const char* kFile = "libSDL2_mixer-2.0.so.0";
constexpr const char* kVariable = "MORVANE_MIXER_LIBRARY";
constexpr const char* kLabel = "SDL_mixer";
constexpr const char* kLost = "sounds and music cannot be played";

std::optional<MixerLibrary> Open() {
    void* library = OpenRuntimeLibrary(kFile, kVariable, kLabel, kLost);
    if (library == nullptr) return std::nullopt;
    MixerLibrary mixer{};
#define MORVANE_FIND_MIXER_FUNCTION(name) &&FindLibraryFunction(library, #name, mixer.name)
    const bool found = true MORVANE_MIXER_FUNCTIONS(MORVANE_FIND_MIXER_FUNCTION);
#undef MORVANE_FIND_MIXER_FUNCTION
    if (!found) {
        ReportLibraryTooOld(kFile, kVariable, kLabel, kLost);
        dlclose(library);
        return std::nullopt;
    }
    return mixer;
}

}  // namespace

const MixerLibrary* Mixer() {
    static const std::optional<MixerLibrary> library = Open();
    return library ? &*library : nullptr;
}
