#include "files/file_list.h"

#include <string>
#include <vector>

#include "files/wild_match.h"
#include "platform/directory_listing.h"

double GETFILELIST(DynStr pattern, StrArray& list) {
    std::vector<DirectoryEntry> entries;
    ListDirectory(".", entries);
    std::vector<const std::string*> directories;
    std::vector<const std::string*> files;
    for (const DirectoryEntry& entry : entries) {
        if (entry.is_directory) {
            directories.push_back(&entry.name);
        } else if (szWildMatch(pattern.c_str(), entry.name.c_str())) {
            files.push_back(&entry.name);
        }
    }
    DIM(list, static_cast<double>(directories.size() + files.size()));
    double index = 0;
    for (const auto* names : {&directories, &files}) {
        for (const std::string* name : *names)
            list(index++) = name->c_str();
    }
    return static_cast<double>(directories.size()) * 65536 + static_cast<double>(files.size());
}
