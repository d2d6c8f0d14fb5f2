// Case folding of the letters A-Z alone, as file names are compared.
#pragma once

inline char AsciiLowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
