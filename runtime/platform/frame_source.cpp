#include "platform/frame_source.h"

#include <algorithm>

#include "platform/events.h"

namespace {

// The longest pause of a paced replay between two looks at the window's events.
constexpr double kLongestPause = 10.0;

}  // namespace

std::optional<ReplayFrame> LiveFrames::Next() {
    ReplayFrame frame;
    KeyStates keys{};
    devices_->ReadKeys(keys);
    frame.keys = CanonicalKeys(keys);
    frame.mouse = devices_->ReadMouse();
    frame.time = clock_->Milliseconds();
    return frame;
}

std::optional<ReplayFrame> ReplayedFrames::Next() {
    std::optional<ReplayFrame> frame = reader_->Next();
    if (frame && speed_ > 0) WaitForRecordedTime(frame->time);
    return frame;
}

void ReplayedFrames::WaitForRecordedTime(double recorded_time) {
    if (!first_recorded_time_) {
        first_recorded_time_ = recorded_time;
        real_start_ = real_clock_->Milliseconds();
    }
    const double due = real_start_ + (recorded_time - *first_recorded_time_) / speed_;
    // The window stays responsive through a long recorded pause: closing it still ends the program.
    for (double now = real_clock_->Milliseconds(); now < due; now = real_clock_->Milliseconds()) {
        DispatchWindowEvents();
        real_clock_->Sleep(std::min(due - now, kLongestPause));
    }
}
