#include "files/wild_match.h"

#include "files/ascii_case.h"

namespace {

bool CharacterMatches(char pattern, char name) {
    if (pattern == '?') return name != '.';
    return AsciiLowerCase(pattern) == AsciiLowerCase(name);
}

}  // namespace

bool szWildMatch(const char* pattern, const char* name) {
    if (pattern == nullptr || name == nullptr) return false;
    const char* star = nullptr;         // the last "*" seen
    const char* resume_name = nullptr;  // where the name is taken up again after a mismatch
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            resume_name = name;
        } else if (*pattern != '\0' && CharacterMatches(*pattern, *name)) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            // Let the "*" take one more character and try again after it.
            pattern = star + 1;
            name = ++resume_name;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}
