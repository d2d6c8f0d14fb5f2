// Starts the real runtime inside a test process: the window and display on the
// offscreen driver, a stepping clock, and scripted input unless a test asks for the real devices.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "morvane.h"
#include "platform/clock.h"
#include "platform/scripted_input.h"
#include "support/error_log_lines.h"

struct TestRuntime {
    SteppingClock* clock;
    ScriptedInput* input;  // null while the real devices are in use
};

namespace test_runtime_state {
inline SteppingClock* stepping_clock = nullptr;
inline std::vector<std::string> startup_log;

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
        startup_log = ErrorLogLines();
    }
    return {stepping_clock, UseSource(std::make_unique<ScriptedInput>())};
}

// The error log as start-up left it.
inline const std::vector<std::string>& StartupErrorLog() {
    return test_runtime_state::startup_log;
}

// Switches the input commands to the real devices (SDL's events and joysticks).
inline void UseDeviceInputForTest() {
    test_runtime_state::UseSource(MakeDeviceInput());
}
