#include "support/test_runtime.h"

namespace {

SteppingClock* test_clock = nullptr;

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
    }
    auto input = std::make_unique<ScriptedInput>();
    ScriptedInput* scripted = input.get();
    UseSource(std::move(input));
    return {test_clock, scripted};
}

void UseDeviceInputForTest() {
    UseSource(MakeDeviceInput());
}
