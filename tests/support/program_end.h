// Expecting a command to end the program the way a runtime error does.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/error_log_lines.h"

// Runs `check` in a child process (a runtime started its own way, or a command
// that ends the program) and expects it to hold there.
inline void ExpectInChildProcess(const std::function<bool()>& check, const std::string& what = "") {
    EXPECT_EXIT(std::_Exit(check() ? 0 : 1), testing::ExitedWithCode(0), "") << what;
}

// Runs the commands in a child process with debugging on and expects the
// program to end normally, leaving the end record with the error's code.
inline void ExpectProgramEndsWithError(int code, const std::function<void()>& commands,
                                       const std::string& what = "") {
    DeleteErrorLog();
    EXPECT_EXIT((__QV_DEBUG = 1, commands()), testing::ExitedWithCode(0), "") << what;
    EXPECT_EQ(LastErrorLogLines(5),
              (std::vector<std::string>{"-End On Line", std::to_string(code), "0", "0", "0"}))
        << what;
}
