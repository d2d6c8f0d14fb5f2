// The runtime's millisecond clock, behind a seam: the system's high-resolution
// counter by default, a stepping clock for tests and replays.
#pragma once

#include <memory>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, never going backwards.
    virtual double Milliseconds() = 0;
    // Gives up the processor for about the given time.
    virtual void Sleep(double milliseconds) = 0;
    // The clock that waits for real time, such as frame pacing, read. It is
    // this clock itself, except while a run is recorded or replayed: the
    // program's clock then holds still between frames, and a wait watching
    // it would never end.
    virtual Clock& WaitingClock() { return *this; }
};

// The clock every time stamp of the runtime comes from.
Clock& TheClock();
// Replaces the clock (the previous one is dropped).
void UseClock(std::unique_ptr<Clock> clock);
// The system's high-resolution clock.
std::unique_ptr<Clock> MakeSystemClock();

// A clock that moves only when told to: each reading advances it by `tick`
// (so that a wait on it always ends) and each sleep by the time slept.
class SteppingClock : public Clock {
public:
    explicit SteppingClock(double start = 1000.0, double tick = 0.001) : now_(start), tick_(tick) {}
    double Milliseconds() override {
        now_ += tick_;
        return now_;
    }
    void Sleep(double milliseconds) override {
        if (milliseconds > 0) now_ += milliseconds;
    }
    void Advance(double milliseconds) { now_ += milliseconds; }
    double Now() const { return now_; }

private:
    double now_;
    double tick_;
};
