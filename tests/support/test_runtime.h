// The real runtime inside a test process: started with the window and display on the offscreen driver,
// a stepping clock, and scripted input unless a test asks for the real devices; its error log read back;
// commands that end the program run in a child process.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "morvane.h"
#include "platform/clock.h"
#include "platform/scripted_input.h"

// The lines of the error log, each without its "\r\n"; empty when there is no log.
inline std::vector<std::string> ErrorLogLines() {
    std::ifstream log(ErrorLogPath(), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(log), {});
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

struct TestRuntime {
    SteppingClock* clock;
    ScriptedInput* input;  // null while the real devices are in use
};

inline std::vector<std::string> startup_error_log;  // the error log as start-up left it

namespace test_runtime_state {
inline SteppingClock* stepping_clock = nullptr;

template <typename Source>
Source* UseSource(std::unique_ptr<Source> source) {
    Source* used = source.get();
    UseInputSource(std::move(source));
    pDXin->CreateDInput(true);
    return used;
}
}  // namespace test_runtime_state

// Starts the runtime once per process (start-up is process-wide) and puts fresh scripted input in place.
inline TestRuntime StartTestRuntime() {
    using namespace test_runtime_state;
    if (pPrism == nullptr) {
        auto stepping = std::make_unique<SteppingClock>();
        stepping_clock = stepping.get();
        UseClock(std::move(stepping));
        UseInputSource(std::make_unique<ScriptedInput>());
        GlobalInit("", "Morvane test");
        startup_error_log = ErrorLogLines();
    }
    return {stepping_clock, UseSource(std::make_unique<ScriptedInput>())};
}

// Switches the input commands to the real devices (SDL's events and joysticks).
inline void UseDeviceInputForTest() {
    test_runtime_state::UseSource(MakeDeviceInput());
}

// Runs `check` in a child process (a runtime started its own way, or an end) and expects it to hold.
inline void ExpectInChildProcess(const std::function<bool()>& check, const std::string& what = "") {
    EXPECT_EXIT(std::_Exit(check() ? 0 : 1), testing::ExitedWithCode(0), "") << what;
}

// Runs the commands in a child process with debugging on: the program ends leaving the error's code.
inline void ExpectProgramEndsWithError(int code, const std::function<void()>& commands,
                                       const std::string& what = "") {
    DeleteErrorLog();
    EXPECT_EXIT((__QV_DEBUG = 1, commands()), testing::ExitedWithCode(0), "") << what;
    EXPECT_EQ(LastErrorLogLines(5),
              (std::vector<std::string>{"-End On Line", std::to_string(code), "0", "0", "0"}))
        << what;
}
