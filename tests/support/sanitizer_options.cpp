// Options of the sanitizer build, compiled into every test process and every
// program the tests run, so that they hold however the tests are started.
// The OpenGL driver's thread-local blocks, as the leak check follows them
// through __tls_get_addr, can carry bounds that crash the check at exit; the
// check then scans static thread-local storage only.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:check_initialization_order=1:intercept_tls_get_addr=0";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

// Blocks allocated inside the system's libraries are theirs to keep: the
// desktop bus library, which SDL uses on a real display, keeps a buffer for
// the life of the process; the ALSA library keeps the record of its error
// output when a sound driver probes a machine without a card; the OpenGL,
// EGL and GLX driver libraries keep blocks reached only through their
// thread-local storage, which the check above does not scan, so they would
// look leaked now and then. A suppression matches a frame of the allocating
// stack by module name; leaks allocated by the runtime's own code carry none
// of these frames and stay fatal.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n"
           "leak:libasound.so\n"
           "leak:_dri.so\n"
           "leak:libgallium\n"
           "leak:libLLVM\n"
           "leak:libglapi.so\n"
           "leak:libGL.so\n"
           "leak:libGLX\n"
           "leak:libGLdispatch.so\n"
           "leak:libEGL\n"
           "leak:libgbm.so\n";
}
