// Wildcard matching of file names.
#pragma once

// True when the whole name matches the whole pattern. "*" matches any run of
// characters, none included; "?" matches any one character but "."; every other
// character matches itself, letters without regard to case.
bool szWildMatch(const char* pattern, const char* name);
