// Frame pacing: the slots at which frames start, and the wait for the next one.
#pragma once

#include <functional>

#include "platform/clock.h"

class FramePacer {
public:
    // Slots 1000 / fps milliseconds apart; 2 ms for fps of 0 or less.
    void SetMaxFps(int fps);
    double Interval() const { return interval_; }
    double NextFrameTime() const { return next_frame_time_; }
    void StartAt(double now) { next_frame_time_ = now; }

    // Waits until the next slot has come, calling `dispatch` for pending window
    // events all the while (at least every 50 ms), then moves the slot on by
    // whole intervals to the first one not before now (missed slots are
    // dropped, never made up).
    // Returns 1 + the milliseconds spent.
    double WaitForNextSlot(Clock& clock, const std::function<void()>& dispatch);

    // How long before a slot the wait stops sleeping and watches the clock
    // closely; infinity makes it a pure busy wait.
    void SetSleepMargin(double milliseconds) { sleep_margin_ = milliseconds; }

private:
    void Pause(Clock& clock, double remaining) const;

    double next_frame_time_ = 0;
    double interval_ = 2.0;
    double sleep_margin_ = 2.0;
};
