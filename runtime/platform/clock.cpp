#include "platform/clock.h"

#include <SDL_timer.h>

#include <chrono>
#include <thread>

namespace {

class SystemClock : public Clock {
public:
    SystemClock() : frequency_(static_cast<double>(SDL_GetPerformanceFrequency())) {}

    double Milliseconds() override {
        return static_cast<double>(SDL_GetPerformanceCounter()) * 1000.0 / frequency_;
    }
    void Sleep(double milliseconds) override {
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
    }

private:
    double frequency_;
};

std::unique_ptr<Clock>& CurrentClock() {
    static std::unique_ptr<Clock> clock = MakeSystemClock();
    return clock;
}

}  // namespace

std::unique_ptr<Clock> MakeSystemClock() {
    return std::make_unique<SystemClock>();
}

Clock& TheClock() {
    return *CurrentClock();
}

void UseClock(std::unique_ptr<Clock> clock) {
    CurrentClock() = std::move(clock);
}
