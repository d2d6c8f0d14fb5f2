// Starts the real runtime inside a test process: the window and display on
// the offscreen driver, a stepping clock, and scripted input unless a test
// asks for the real devices.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "morvane.h"
#include "platform/clock.h"
#include "platform/scripted_input.h"

struct TestRuntime {
    SteppingClock* clock;
    ScriptedInput* input;  // null while the real devices are in use
};

// Starts the runtime once per process (again after nothing: start-up is
// process-wide), and puts fresh scripted input in place.
TestRuntime StartTestRuntime();

// The error log as start-up left it.
const std::vector<std::string>& StartupErrorLog();

// Switches the input commands to the real devices (SDL's events and joysticks).
void UseDeviceInputForTest();
