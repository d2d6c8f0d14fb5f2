#include "core/number_text.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

NumberText::NumberText(double value) {
    // "%.10g" never leaves a trailing "."; NaN and infinities come out as the C library writes them.
    std::snprintf(text_, sizeof text_, "%.10g", value);
}

NumberText::NumberText(std::int64_t value) {
    std::snprintf(text_, sizeof text_, "%" PRId64, value);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* p) {
    while (IsDigit(*p))
        ++p;
    return p;
}

// Returns the end of the decimal number starting at p, or p itself when none starts there.
const char* ScanDecimal(const char* p) {
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    const char* integer_end = SkipDigits(p);
    const char* end = integer_end;
    bool has_digits = integer_end != p;
    if (*end == '.') {
        const char* fraction_end = SkipDigits(end + 1);
        has_digits = has_digits || fraction_end != end + 1;
        end = fraction_end;
    }
    if (!has_digits) return start;
    if (*end == 'e' || *end == 'E') {
        const char* q = end + 1;
        if (*q == '+' || *q == '-') ++q;
        if (IsDigit(*q)) end = SkipDigits(q);
    }
    return end;
}

}  // namespace

double TextToNumber(const char* text) {
    if (text == nullptr) return 0.0;
    while (IsBlank(*text))
        ++text;
    const char* end = ScanDecimal(text);
    if (end == text) return 0.0;
    // Only the scanned prefix goes to strtod, so hexadecimal, "inf" and "nan" are never read.
    const std::string number(text, end);
    return std::strtod(number.c_str(), nullptr);
}
