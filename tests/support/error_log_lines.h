// Reading the error log back in tests.
#pragma once

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "morvane.h"

// The lines of the error log, each without its "\r\n"; empty when there is no log.
inline std::vector<std::string> ErrorLogLines() {
    std::stringstream contents;
    contents << std::ifstream(ErrorLogPath(), std::ios::binary).rdbuf();
    const std::string text = contents.str();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));  // a last line without its end
    return lines;
}

inline std::vector<std::string> LastErrorLogLines(std::size_t n) {
    const std::vector<std::string> lines = ErrorLogLines();
    return {lines.end() - static_cast<std::ptrdiff_t>(std::min(n, lines.size())), lines.end()};
}
