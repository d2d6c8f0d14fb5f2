// Conversions between numbers and text, used wherever a number becomes a
// string (concatenation, LEN, PRINT) or a string is read as a number.
#pragma once

#include <cstdint>

// The text of a number. A floating-point value is written with 10 significant
// digits, in the shorter of fixed and exponent notation, without trailing zeros
// of the fraction and without a trailing "."; a whole-number value is written
// in plain decimal.
class NumberText {
public:
    NumberText() : text_{} {}
    explicit NumberText(double value);
    explicit NumberText(std::int64_t value);
    const char* c_str() const { return text_; }

private:
    char text_[32];
};

// Reads the number at the start of a text: leading white space, an optional
// sign, digits with an optional decimal point and an optional exponent. Reading
// stops at the first character that does not fit; a text without a leading
// number (or a null text) reads as 0.
double TextToNumber(const char* text);
