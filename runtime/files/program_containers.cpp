#include "files/program_containers.h"

#include <filesystem>
#include <system_error>

#include "files/shoebox.h"
#include "platform/program_path.h"

std::string ProgramFolder(const std::string& program_path) {
    const std::size_t separator = program_path.find_last_of("/\\");
    if (separator == std::string::npos) return {};
    if (separator == 0) return program_path.substr(0, 1);  // the program lies in the root folder
    return program_path.substr(0, separator);
}

void UseProgramFileAsContainers() {
    const std::string path = ProgramFilePath();
    // A path too long for a string would name some other file once cut.
    const DynStr program(path.size() <= DynStr::kMaxLength ? path.c_str() : "");
    SETSHOEBOX(program, program);
    const std::string folder = ProgramFolder(path);
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::current_path(folder, ignored);
}
