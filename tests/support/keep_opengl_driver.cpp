// The OpenGL driver is unloaded when the last context goes, and what it leaks
// then would be reported from modules that are no longer there, past any
// suppression. Loading it for good, before main(), keeps its name on its
// reports, so the sanitizer build can tell the driver's leaks from ours. Linked
// into every test process and every program the tests run.
#include <dlfcn.h>

#include <initializer_list>

namespace {

bool KeepTheOpenGLDriverLoaded() {
    for (const char* library : {"libEGL_mesa.so.0", "libGLX_mesa.so.0", "libglapi.so.0",
                                "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}) {
        dlopen(library, RTLD_LAZY | RTLD_GLOBAL | RTLD_NODELETE);
    }
    return true;
}

[[maybe_unused]] const bool driver_kept = KeepTheOpenGLDriverLoaded();

}  // namespace

// The driver's thread-local blocks, as the sanitizer's leak check follows
// them through __tls_get_addr, can carry bounds that crash the check at exit;
// the check then scans static thread-local storage only.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
