// Libraries the runtime opens at their first use rather than links, so that a
// program that never needs them neither loads nor starts them.
#pragma once

#include <optional>
#include <string>

// Where a library is found and what the error log says when it is not:
// "<label> is missing: <file> cannot be opened, <lost>", or "<label> is
// missing functions: <file> is too old, <lost>". The environment variable
// `variable`, when set, names another file.
struct RuntimeLibrary {
    const char* file;
    const char* variable;
    const char* label;
    const char* lost;
};

// Opens the library; null, and a line in the error log, on failure.
void* OpenRuntimeLibrary(const RuntimeLibrary& library);

// Writes the error log's line for a library that lacks a function, and closes it.
void CloseTooOldLibrary(const RuntimeLibrary& library, void* handle);

// Finds a function of an opened library by its name; false when it lacks it.
bool FindLibraryFunction(void* library, const char* name, void** function);

template <typename Function>
bool FindLibraryFunction(void* library, const char* name, Function& function) {
    void* found = nullptr;
    if (!FindLibraryFunction(library, name, &found)) return false;
    function = reinterpret_cast<Function>(found);
    return true;
}

// Opens the library and fills a record of its functions with `find_all`. A
// library that opens stays open to the end of the process: threads may still
// be ending inside it while the runtime shuts down.
template <typename Functions>
std::optional<Functions> LoadRuntimeLibrary(const RuntimeLibrary& library,
                                            bool (*find_all)(void*, Functions&)) {
    void* handle = OpenRuntimeLibrary(library);
    if (handle == nullptr) return std::nullopt;
    Functions functions{};
    if (find_all(handle, functions)) return functions;
    CloseTooOldLibrary(library, handle);
    return std::nullopt;
}
