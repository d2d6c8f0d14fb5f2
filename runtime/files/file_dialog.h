// FILEREQUEST_Str: the desktop's file dialog, shown by its dialog program
// (zenity, else kdialog).
#pragma once

#include <string>
#include <vector>

#include "core/dynstr.h"

// The chosen path with "/" separators; "NO_FILE" when the dialog was cancelled
// or no dialog program is installed. `open` != 0 asks for a file to open, 0 for
// a name to save under. The filter is written as pairs separated by "|": a
// description, then its patterns separated by ";" ("Text|*.txt|All|*.*").
DynStr FILEREQUEST_Str(double open, DynStr filter);

struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
};

// The filter's description and pattern pairs; a description left without a
// pattern is dropped.
std::vector<FileFilter> ParseFileFilter(const char* filter);

// The command line that shows the dialog with the given dialog program (its
// path; which program it is goes by its name), starting in `folder`.
std::vector<std::string> FileDialogArguments(const std::string& program, bool open,
                                             const std::vector<FileFilter>& filters,
                                             const std::string& folder);
