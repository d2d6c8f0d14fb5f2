// The runtime's main(). It sits alone in this file so that a program (or a
// test) that defines its own main() never pulls it in.
#include <cctype>
#include <string>

#include "app/program_entry.h"

namespace {

std::string TitleOf(const char* program_path) {
    std::string name = program_path != nullptr ? program_path : "";
    name = name.substr(name.find_last_of('/') + 1);
    if (!name.empty()) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    return MorvaneMain(argc, argv, TitleOf(argc > 0 ? argv[0] : nullptr).c_str());
}
