#include "media/runtime_library.h"

#include <dlfcn.h>

#include <cstdlib>

#include "core/error_log.h"

namespace {

std::string LibraryName(const RuntimeLibrary& library) {
    const char* name = std::getenv(library.variable);
    return name != nullptr && *name != '\0' ? name : library.file;
}

}  // namespace

void* OpenRuntimeLibrary(const RuntimeLibrary& library) {
    const std::string name = LibraryName(library);
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        WriteErrorLog(
            (std::string(library.label) + " is missing: " + name + " cannot be opened, " + library.lost)
                .c_str());
    }
    return handle;
}

void CloseTooOldLibrary(const RuntimeLibrary& library, void* handle) {
    WriteErrorLog((std::string(library.label) + " is missing functions: " + LibraryName(library) +
                   " is too old, " + library.lost)
                      .c_str());
    dlclose(handle);
}

bool FindLibraryFunction(void* library, const char* name, void** function) {
    *function = dlsym(library, name);
    return *function != nullptr;
}
