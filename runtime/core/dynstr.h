// The command language's one string type, DynStr, and LitStr, the wrapper in
// which a program passes its string literals.
#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <type_traits>

#include "core/number_text.h"

// Number types that take part in string operations: every arithmetic type but
// bool and the character types.
template <class T>
concept NumberOperand =
    std::is_arithmetic_v<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
    !std::same_as<T, signed char> && !std::same_as<T, unsigned char> && !std::same_as<T, wchar_t> &&
    !std::same_as<T, char8_t> && !std::same_as<T, char16_t> && !std::same_as<T, char32_t>;

// The text of a number operand: whole-number types in plain decimal, floating
// types as the number's text.
template <NumberOperand N>
NumberText TextOfNumber(N value) {
    if constexpr (std::is_integral_v<N>) {
        return NumberText(static_cast<std::int64_t>(value));
    } else {
        return NumberText(static_cast<double>(value));
    }
}

// A string literal of the program. Owns nothing and is only read.
class LitStr {
public:
    explicit constexpr LitStr(const char* text) : text_(text) {}
    const char* c_str() const { return text_ != nullptr ? text_ : ""; }
    double Number() const { return TextToNumber(text_); }

private:
    const char* text_;
};

// A string value of at most 1023 characters in its own 1024-byte buffer. Every
// operation that would make it longer keeps the first 1023 characters.
class DynStr {
public:
    static constexpr int kBufferSize = 1024;
    static constexpr int kMaxLength = kBufferSize - 1;

    DynStr();
    DynStr(const char* text);
    DynStr(LitStr text);
    DynStr(const DynStr& other);
    template <NumberOperand N>
    DynStr(N number) : DynStr(TextOfNumber(number).c_str()) {}
    ~DynStr() = default;

    DynStr& operator=(const DynStr& other);
    DynStr& operator=(const char* text);
    DynStr& operator=(LitStr text);
    template <NumberOperand N>
    DynStr& operator=(N number) {
        return operator=(TextOfNumber(number).c_str());
    }
    void Assign(const char* text);

    const char* c_str() const { return buffer_.get(); }
    // Write access to the whole buffer, for code that fills it directly.
    char* GetStrData() { return buffer_.get(); }
    int Length() const;

    // Byte access. Indices outside the buffer read 0 and write nothing.
    signed char GetAt(int index) const;
    void SetAt(int index, char c);
    // Cuts the text to its first n characters.
    void Left(int n);

    // strcmp of the text with the argument.
    int Compare(const char* text) const;
    // 1, 0 or -1 as the text's number is greater than, equal to or smaller than the argument.
    int Compare(const double& number) const;
    double Number() const { return TextToNumber(c_str()); }
    // Removes trailing bytes below 32 taken as signed: control characters and bytes 128 to 255.
    void TrimRight();

    // Appends text, keeping at most kMaxLength characters.
    DynStr& Append(const char* text);

    // Every compound assignment appends the operand's text.
    DynStr& operator+=(const char* text) { return Append(text); }
    DynStr& operator+=(LitStr text) { return Append(text.c_str()); }
    DynStr& operator+=(const DynStr& text) { return Append(text.c_str()); }
    template <NumberOperand N>
    DynStr& operator+=(N number) {
        return Append(TextOfNumber(number).c_str());
    }
    template <class T>
    DynStr& operator-=(const T& operand) {
        return *this += operand;
    }
    template <class T>
    DynStr& operator*=(const T& operand) {
        return *this += operand;
    }
    template <class T>
    DynStr& operator/=(const T& operand) {
        return *this += operand;
    }
    template <class T>
    DynStr& operator^=(const T& operand) {
        return *this += operand;
    }

private:
    std::unique_ptr<char[]> buffer_;
};

// Replaces every backslash in the text by a forward slash.
void ReverseSlashes(DynStr& text);
