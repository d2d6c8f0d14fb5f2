#include "media/mpv_library.h"

#include <optional>

#include "media/runtime_library.h"

namespace {

const MpvLibrary* replacement = nullptr;

constexpr RuntimeLibrary kLibrary{"libmpv.so.2", "MORVANE_MPV_LIBRARY", "libmpv", "videos cannot be played"};

bool FindAll(void* library, MpvLibrary& mpv) {
    return FindLibraryFunction(library, "mpv_create", mpv.create) &&
           FindLibraryFunction(library, "mpv_initialize", mpv.initialize) &&
           FindLibraryFunction(library, "mpv_terminate_destroy", mpv.terminate_destroy) &&
           FindLibraryFunction(library, "mpv_set_option_string", mpv.set_option_string) &&
           FindLibraryFunction(library, "mpv_set_property_string", mpv.set_property_string) &&
           FindLibraryFunction(library, "mpv_get_property", mpv.get_property) &&
           FindLibraryFunction(library, "mpv_get_property_string", mpv.get_property_string) &&
           FindLibraryFunction(library, "mpv_free", mpv.free) &&
           FindLibraryFunction(library, "mpv_command", mpv.command) &&
           FindLibraryFunction(library, "mpv_wait_event", mpv.wait_event) &&
           FindLibraryFunction(library, "mpv_set_wakeup_callback", mpv.set_wakeup_callback) &&
           FindLibraryFunction(library, "mpv_render_context_create", mpv.render_context_create) &&
           FindLibraryFunction(library, "mpv_render_context_free", mpv.render_context_free) &&
           FindLibraryFunction(library, "mpv_render_context_render", mpv.render_context_render) &&
           FindLibraryFunction(library, "mpv_render_context_report_swap", mpv.render_context_report_swap) &&
           FindLibraryFunction(library, "mpv_render_context_set_update_callback",
                               mpv.render_context_set_update_callback) &&
           FindLibraryFunction(library, "mpv_render_context_update", mpv.render_context_update);
}

}  // namespace

const MpvLibrary* Mpv() {
    static const std::optional<MpvLibrary> library = LoadRuntimeLibrary(kLibrary, FindAll);
    if (replacement != nullptr) return replacement;
    return library ? &*library : nullptr;
}

void UseMpvFunctions(const MpvLibrary* functions) {
    replacement = functions;
}
