// Sanitizer options compiled into every test process and test program. The leak check scans static
// thread-local storage only: following the OpenGL driver's blocks through __tls_get_addr can crash it.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:strict_string_checks=1:check_initialization_order=1:intercept_tls_get_addr=0";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

// Blocks the system's libraries keep for the life of the process (the desktop bus, ALSA's error record,
// the GL drivers' thread-local blocks); the runtime's own leaks carry none of these frames and stay fatal.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\nleak:libasound.so\nleak:_dri.so\nleak:libgallium\nleak:libLLVM\n"
           "leak:libglapi.so\nleak:libGL.so\nleak:libGLX\nleak:libGLdispatch.so\nleak:libEGL\nleak:libgbm."
           "so\n";
}
