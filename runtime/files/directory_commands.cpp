#include "files/directory_commands.h"

#include <filesystem>
#include <system_error>

#include "files/file_system.h"

double DOESFILEEXIST(DynStr file) {
    ZtFileSystem opened;
    return opened.OpenRead(file.c_str()) ? 1 : 0;
}

DynStr GETCURRENTDIR_Str() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error) return DynStr();
    DynStr text(current.generic_string().c_str());
    ReverseSlashes(text);
    if (text.Length() == 0 || text.GetAt(text.Length() - 1) != '/') text += "/";
    return text;
}

double SETCURRENTDIR(DynStr path) {
    std::error_code error;
    std::filesystem::current_path(path.c_str(), error);
    return error ? 0 : 1;
}
