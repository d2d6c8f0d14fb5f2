#include "core/dynstr.h"

#include <cstring>

namespace {

// Copies at most `room` characters of text to dest and terminates it. The text
// may lie in the destination's own buffer (s = s, s += s).
void CopyBounded(char* dest, const char* text, int room) {
    int n = 0;
    if (text != nullptr) {
        while (n < room && text[n] != '\0')
            ++n;
        std::memmove(dest, text, static_cast<std::size_t>(n));
    }
    dest[n] = '\0';
}

}  // namespace

DynStr::DynStr() : buffer_(new char[kBufferSize]()) {}

DynStr::DynStr(const char* text) : DynStr() {
    Assign(text);
}

DynStr::DynStr(LitStr text) : DynStr(text.c_str()) {}

DynStr::DynStr(const DynStr& other) : DynStr(other.c_str()) {}

DynStr& DynStr::operator=(const DynStr& other) {
    Assign(other.c_str());
    return *this;
}

DynStr& DynStr::operator=(const char* text) {
    Assign(text);
    return *this;
}

DynStr& DynStr::operator=(LitStr text) {
    Assign(text.c_str());
    return *this;
}

void DynStr::Assign(const char* text) {
    CopyBounded(buffer_.get(), text, kMaxLength);
}

int DynStr::Length() const {
    return static_cast<int>(std::strlen(c_str()));
}

signed char DynStr::GetAt(int index) const {
    if (index < 0 || index >= kBufferSize) return 0;
    return static_cast<signed char>(buffer_[index]);
}

void DynStr::SetAt(int index, char c) {
    if (index < 0 || index >= kMaxLength) return;
    buffer_[index] = c;
}

void DynStr::Left(int n) {
    if (n < 0 || n > kMaxLength) return;
    buffer_[n] = '\0';
}

int DynStr::Compare(const char* text) const {
    return std::strcmp(c_str(), text != nullptr ? text : "");
}

int DynStr::Compare(const double& number) const {
    const double own = Number();
    if (own > number) return 1;
    if (own == number) return 0;
    return -1;
}

void DynStr::TrimRight() {
    int length = Length();
    while (length > 0 && static_cast<signed char>(buffer_[length - 1]) < 32)
        --length;
    buffer_[length] = '\0';
}

DynStr& DynStr::Append(const char* text) {
    const int length = Length();
    CopyBounded(buffer_.get() + length, text, kMaxLength - length);
    return *this;
}

void ReverseSlashes(DynStr& text) {
    for (char* p = text.GetStrData(); *p != '\0'; ++p) {
        if (*p == '\\') *p = '/';
    }
}
