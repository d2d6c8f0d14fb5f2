#include "files/name_resolution.h"

#include "files/file_system.h"

std::string ResolveFileName(const char* name, ZtShoeBox& container) {
    container.DeleteExtraction();
    if (name == nullptr || name[0] == '\0') return {};
    if (ZtFileSystem file; file.OpenRead(name)) return name;
    return container.Extract(name);
}
