// Name resolution on disk only, for the display tests, until the file layer
// with its containers is part of the library.
#include <fstream>
#include <string>

std::string ResolveFileName(const char* name) {
    return std::ifstream(name).good() ? std::string(name) : std::string();
}
