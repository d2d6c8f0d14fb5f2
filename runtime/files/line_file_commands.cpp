#include "files/line_file_commands.h"

#include <cstdint>

#include "core/whole_number.h"
#include "files/line_cache.h"

namespace {

// Truncated toward zero and taken as a 16-bit value, so -1 becomes 65535.
std::int16_t LineNumber(double line) {
    return static_cast<std::int16_t>(TruncToInt32(line));
}

}  // namespace

double GETFILE(DynStr file, double line, DynStr& text) {
    return g_FastFile.GetFile(file.c_str(), LineNumber(line), text);
}

double GETFILE(DynStr file, double line, double& number) {
    DynStr text;
    const double code = GETFILE(file, line, text);
    number = text.Number();
    return code;
}

double PUTFILE(DynStr file, double line, DynStr text) {
    return g_FastFile.PutFile(file.c_str(), LineNumber(line), text.c_str());
}

double PUTFILE(DynStr file, double line, double number) {
    return PUTFILE(file, line, DynStr(number));
}
