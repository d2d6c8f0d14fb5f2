// Where the frames of a recorded or replayed run come from: the live devices
// and clock, read once per frame, or a replay file.
#pragma once

#include <memory>
#include <optional>

#include "platform/clock.h"
#include "platform/input_source.h"
#include "platform/replay_file.h"

class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual InputOpenResult Open(bool want_mouse) { return {true, want_mouse}; }
    virtual void Close() {}
    // The input and time of the next frame; nothing once the source has ended.
    virtual std::optional<ReplayFrame> Next() = 0;
};

// The devices and the clock as they are at the start of each frame.
class LiveFrames : public FrameSource {
public:
    LiveFrames(std::unique_ptr<InputSource> devices, std::unique_ptr<Clock> clock)
        : devices_(std::move(devices)), clock_(std::move(clock)) {}
    InputOpenResult Open(bool want_mouse) override { return devices_->Open(want_mouse); }
    void Close() override { devices_->Close(); }
    std::optional<ReplayFrame> Next() override;

private:
    std::unique_ptr<InputSource> devices_;
    std::unique_ptr<Clock> clock_;
};

// The frames of a replay file. At a speed above 0 each frame is handed out no
// sooner than its recorded time, divided by the speed, after the first frame
// on the real clock given, so a person sees the run as it was; at speed 0 the
// frames come as fast as the program takes them.
class ReplayedFrames : public FrameSource {
public:
    ReplayedFrames(std::unique_ptr<ReplayReader> reader, std::unique_ptr<Clock> real_clock, double speed)
        : reader_(std::move(reader)), real_clock_(std::move(real_clock)), speed_(speed) {}
    std::optional<ReplayFrame> Next() override;

private:
    void WaitForRecordedTime(double recorded_time);

    std::unique_ptr<ReplayReader> reader_;
    std::unique_ptr<Clock> real_clock_;
    double speed_;
    std::optional<double> first_recorded_time_;
    double real_start_ = 0;
};
