// Libraries the runtime opens at their first use rather than links, so that a
// program that never needs them neither loads nor starts them.
#pragma once

#include <string>

// Opens the library `file`, or the file the environment variable `variable`
// names when that is set. `label` and `lost` word the error log's line when it
// cannot be opened: "<label> is missing: <file> cannot be opened, <lost>".
// The library stays open to the end of the process. Null on failure.
void* OpenRuntimeLibrary(const char* file, const char* variable, const char* label, const char* lost);

// Writes the error log's line for a library that lacks a function the runtime
// calls: "<label> is missing functions: <file> is too old, <lost>".
void ReportLibraryTooOld(const char* file, const char* variable, const char* label, const char* lost);

// Finds a function of an opened library by its name; false when it lacks it.
bool FindLibraryFunction(void* library, const char* name, void** function);

template <typename Function>
bool FindLibraryFunction(void* library, const char* name, Function& function) {
    void* found = nullptr;
    if (!FindLibraryFunction(library, name, &found)) return false;
    function = reinterpret_cast<Function>(found);
    return true;
}
