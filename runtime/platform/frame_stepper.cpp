#include "platform/frame_stepper.h"

#include "platform/reports.h"

bool FrameStepper::Step() {
    std::optional<ReplayFrame> next = source_->Next();
    if (!next) return false;
    AddPressesBetween(frame_.keys, next->keys, presses_);
    frame_ = *next;
    mouse_taken_ = false;
    if (recording_ && !recording_->Write(frame_)) {
        // The run goes on; only its recording stops.
        ReportMessage("The recording cannot be written further");
        recording_.reset();
    }
    return true;
}

MouseReading FrameStepper::TakeMouse() {
    MouseReading reading = frame_.mouse;
    if (mouse_taken_) reading.dx = reading.dy = 0;
    mouse_taken_ = true;
    return reading;
}

namespace {

void StepOrEnd(FrameStepper& stepper) {
    if (!stepper.Step()) RequestProgramEnd(EndRequest::kReplayEnded);
}

class SteppedInput : public InputSource {
public:
    explicit SteppedInput(std::shared_ptr<FrameStepper> stepper) : stepper_(std::move(stepper)) {}
    InputOpenResult Open(bool want_mouse) override { return stepper_->Source().Open(want_mouse); }
    void Close() override { stepper_->Source().Close(); }
    void ReadKeys(KeyStates& keys) override { keys = stepper_->Keys(); }
    bool TakeKeyPress(KeyPress& press) override { return stepper_->TakeKeyPress(press); }
    MouseReading ReadMouse() override { return stepper_->TakeMouse(); }
    int JoystickCount() override { return 0; }
    bool ReadJoystick(int, JoystickRecord&) override { return false; }
    std::string JoystickName(int) override { return {}; }
    void OnFrame() override { StepOrEnd(*stepper_); }

private:
    std::shared_ptr<FrameStepper> stepper_;
};

class FrameClock : public Clock {
public:
    FrameClock(std::shared_ptr<FrameStepper> stepper, std::unique_ptr<Clock> waiting)
        : stepper_(std::move(stepper)), waiting_(std::move(waiting)) {}
    double Milliseconds() override { return stepper_->Time(); }
    void Sleep(double milliseconds) override {
        waiting_->Sleep(milliseconds);
        StepOrEnd(*stepper_);
    }
    Clock& WaitingClock() override { return *waiting_; }

private:
    std::shared_ptr<FrameStepper> stepper_;
    std::unique_ptr<Clock> waiting_;
};

}  // namespace

void UseFrameStepper(const std::shared_ptr<FrameStepper>& stepper, std::unique_ptr<Clock> waiting) {
    UseInputSource(std::make_unique<SteppedInput>(stepper));
    UseClock(std::make_unique<FrameClock>(stepper, std::move(waiting)));
}
