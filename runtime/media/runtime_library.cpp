#include "media/runtime_library.h"

#include <dlfcn.h>

#include <cstdlib>

#include "core/error_log.h"

namespace {

std::string LibraryName(const char* file, const char* variable) {
    const char* name = std::getenv(variable);
    return name != nullptr && *name != '\0' ? name : file;
}

}  // namespace

void* OpenRuntimeLibrary(const char* file, const char* variable, const char* label, const char* lost) {
    const std::string name = LibraryName(file, variable);
    void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        WriteErrorLog((std::string(label) + " is missing: " + name + " cannot be opened, " + lost).c_str());
    }
    return library;
}

void ReportLibraryTooOld(const char* file, const char* variable, const char* label, const char* lost) {
    WriteErrorLog((std::string(label) + " is missing functions: " + LibraryName(file, variable) +
                   " is too old, " + lost)
                      .c_str());
}

bool FindLibraryFunction(void* library, const char* name, void** function) {
    *function = dlsym(library, name);
    return *function != nullptr;
}
