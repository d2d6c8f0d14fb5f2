#include "media/mpv_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/error_log.h"

namespace {

constexpr const char* kLibraryName = "libmpv.so.2";

const char* LibraryName() {
    const char* name = std::getenv("MORVANE_MPV_LIBRARY");
    return name != nullptr && *name != '\0' ? name : kLibraryName;
}

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool FindAll(void* library, MpvLibrary& mpv) {
    return Find(library, "mpv_create", mpv.create) && Find(library, "mpv_initialize", mpv.initialize) &&
           Find(library, "mpv_terminate_destroy", mpv.terminate_destroy) &&
           Find(library, "mpv_set_option_string", mpv.set_option_string) &&
           Find(library, "mpv_set_property_string", mpv.set_property_string) &&
           Find(library, "mpv_get_property", mpv.get_property) &&
           Find(library, "mpv_get_property_string", mpv.get_property_string) &&
           Find(library, "mpv_free", mpv.free) && Find(library, "mpv_command", mpv.command) &&
           Find(library, "mpv_wait_event", mpv.wait_event) &&
           Find(library, "mpv_set_wakeup_callback", mpv.set_wakeup_callback) &&
           Find(library, "mpv_render_context_create", mpv.render_context_create) &&
           Find(library, "mpv_render_context_free", mpv.render_context_free) &&
           Find(library, "mpv_render_context_render", mpv.render_context_render) &&
           Find(library, "mpv_render_context_report_swap", mpv.render_context_report_swap) &&
           Find(library, "mpv_render_context_set_update_callback", mpv.render_context_set_update_callback) &&
           Find(library, "mpv_render_context_update", mpv.render_context_update);
}

// The library stays open to the end of the process: a player's threads may
// still be ending inside it while the runtime shuts down.
std::optional<MpvLibrary> Open() {
    const std::string name = LibraryName();
    void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        WriteErrorLog(("libmpv is missing: " + name + " cannot be opened, videos cannot be played").c_str());
        return std::nullopt;
    }
    MpvLibrary mpv{};
    if (!FindAll(library, mpv)) {
        WriteErrorLog(
            ("libmpv is missing functions: " + name + " is too old, videos cannot be played").c_str());
        dlclose(library);
        return std::nullopt;
    }
    return mpv;
}

}  // namespace

const MpvLibrary* Mpv() {
    static const std::optional<MpvLibrary> library = Open();
    return library ? &*library : nullptr;
}
