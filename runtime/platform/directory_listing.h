// Listing a directory's entries as the system reports them.
#pragma once

#include <string>
#include <vector>

struct DirectoryEntry {
    std::string name;
    bool is_directory;  // a directory, or a link to one
};

// The entries of the folder in the order the system gives them, "." and ".."
// included when it reports them. False when the folder cannot be read.
bool ListDirectory(const char* folder, std::vector<DirectoryEntry>& entries);
