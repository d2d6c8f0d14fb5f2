#include "support/test_runtime.h"

#include "support/error_log_lines.h"

namespace {

SteppingClock* test_clock = nullptr;
std::vector<std::string> startup_log;

void UseSource(std::unique_ptr<InputSource> source) {
    UseInputSource(std::move(source));
    pDXin->CreateDInput(true);
}

}  // namespace

TestRuntime StartTestRuntime() {
    if (pPrism == nullptr) {
        auto clock = std::make_unique<SteppingClock>();
        test_clock = clock.get();
        UseClock(std::move(clock));
        UseInputSource(std::make_unique<ScriptedInput>());
        GlobalInit("", "Morvane test");
        startup_log = ErrorLogLines();
    }
    auto input = std::make_unique<ScriptedInput>();
    ScriptedInput* scripted = input.get();
    UseSource(std::move(input));
    return {test_clock, scripted};
}

void UseDeviceInputForTest() {
    UseSource(MakeDeviceInput());
}

const std::vector<std::string>& StartupErrorLog() {
    return startup_log;
}
