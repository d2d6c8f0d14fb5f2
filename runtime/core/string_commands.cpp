#include "core/string_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/whole_number.h"

double LEN(DynStr text) {
    return text.Length();
}

double LEN(double number) {
    return static_cast<double>(std::strlen(NumberText(number).c_str()));
}

DynStr MID_Str(DynStr text, double start, double count) {
    const double length = text.Length();
    if (std::trunc(start + count) > length) count = length - start;
    // Written so that not-a-number in either argument also gives the empty string.
    if (!(count > 0) || length < start || !(start >= 0)) return DynStr();
    DynStr result(text.c_str() + static_cast<int>(start));
    result.Left(static_cast<int>(count));
    return result;
}

DynStr CHR_Str(double code) {
    const char text[2] = {static_cast<char>(TruncToInt32(code) & 0xFF), '\0'};
    return DynStr(text);
}

double ASC(DynStr text) {
    return text.GetAt(0);
}

DynStr FORMAT_Str(double width, double decimals, double value) {
    // Any width or precision beyond the string's capacity gives the same cut result.
    const int bounded_width = std::clamp(TruncToInt32(width), -DynStr::kMaxLength, DynStr::kMaxLength);
    const int bounded_decimals = std::clamp(TruncToInt32(decimals), 0, DynStr::kMaxLength);
    DynStr result;
    std::snprintf(result.GetStrData(), DynStr::kBufferSize, "%*.*f", bounded_width, bounded_decimals, value);
    return result;
}
