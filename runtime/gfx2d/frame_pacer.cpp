#include "gfx2d/frame_pacer.h"

#include <algorithm>
#include <cmath>

namespace {

// Within the last stretch before a slot, the wait spins: sleeping there could
// overshoot the slot by the system's wake-up latency.
constexpr double kSpinMargin = 0.25;
// Between the sleep margin and the spin margin, short naps keep the processor
// mostly idle while the clock is still read often.
constexpr double kNap = 0.1;
// The longest sleep between two looks at the window's events, however long the
// frame: a close request, an end signal or a lost display is noticed soon.
constexpr double kLongestSleep = 50.0;

}  // namespace

void FramePacer::SetMaxFps(int fps) {
    interval_ = fps > 0 ? 1000.0 / fps : 2.0;
}

void FramePacer::Pause(Clock& clock, double remaining) const {
    if (!std::isfinite(sleep_margin_)) return;  // a pure busy wait
    if (remaining > sleep_margin_) {
        clock.Sleep(std::min(remaining - sleep_margin_, kLongestSleep));
    } else if (remaining > kSpinMargin) {
        clock.Sleep(kNap);
    }
}

double FramePacer::WaitForNextSlot(Clock& clock, const std::function<void()>& dispatch) {
    const double start = clock.Milliseconds();
    double now = start;
    dispatch();
    while (now <= next_frame_time_) {
        dispatch();
        Pause(clock, next_frame_time_ - now);
        now = clock.Milliseconds();
    }
    next_frame_time_ += interval_;
    if (interval_ > 0 && next_frame_time_ < now) {
        // Whole intervals at once, so that a long stall at a high rate costs no loop.
        next_frame_time_ += std::ceil((now - next_frame_time_) / interval_) * interval_;
        if (next_frame_time_ < now) next_frame_time_ += interval_;
    }
    return 1 + (now - start);
}
