// Lines typed on the standard input, read between frames without waiting.
#pragma once

#include <poll.h>
#include <unistd.h>

#include <string>

class TerminalLines {
public:
    // The next complete line, without its end; false when none has come.
    // `closed` turns true once the input has ended and every line is read.
    bool Next(std::string& line, bool& closed) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        while (!ended_ && poll(&input, 1, 0) > 0) {
            char bytes[4096];
            const ssize_t n = read(STDIN_FILENO, bytes, sizeof bytes);
            if (n <= 0) ended_ = true;
            if (n > 0) pending_.append(bytes, static_cast<std::size_t>(n));
        }
        const std::size_t end = pending_.find('\n');
        closed = ended_ && end == std::string::npos;
        if (end == std::string::npos) return false;
        line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return true;
    }

private:
    std::string pending_;
    bool ended_ = false;
};
