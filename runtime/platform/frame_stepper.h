// Runs a program frame by frame from a frame source, for recording and
// replaying it.
//
// Time. What a program computes depends on its input and on every clock
// reading it makes (GETTIMER, GETTIMERALL, the frame stamps, the random seed
// taken at start-up). While a run is recorded or replayed, the program's
// clock is a frame clock: every reading between two steps returns the time
// of the current frame, taken from the real clock once as the frame starts
// (recording) or from the file (replay). Frame pacing waits on a clock of its
// own (Clock::WaitingClock), the real one while recording, so its varying
// number of readings is never seen by the program and never recorded.
//
// Steps. The program moves to its next frame when it presents one (the input
// source's OnFrame, after SHOWSCREEN's flip) and when it pauses on the clock
// (the waiting commands poll the devices between pauses). Each step takes the
// next frame from the source and, when recording, writes it to the file
// before the program sees it, so a recording is complete on disk however the
// program ends. Input is read once per frame: the keys and buttons hold for
// the whole frame, the mouse movement is given to the first reading, and the
// keys that went down since the previous frame are the frame's key presses,
// taken in the order of their codes. Joysticks are neither recorded nor shown
// to the program, so a recorded run and its replay read the same from them.
//
// End. When a replay has no further frame (its end, or a cut-off or damaged
// frame), the step ends the program as Esc does (EndRequest::kReplayEnded),
// exit code 0.
#pragma once

#include <memory>

#include "platform/clock.h"
#include "platform/frame_source.h"
#include "platform/input_source.h"
#include "platform/latched_input.h"
#include "platform/replay_file.h"

class FrameStepper {
public:
    // `recording` may be null.
    FrameStepper(std::unique_ptr<FrameSource> source, std::unique_ptr<ReplayWriter> recording)
        : source_(std::move(source)), recording_(std::move(recording)) {}

    // Moves to the source's next frame, writing it to the recording; false
    // when the source has none (the current frame then stays).
    bool Step();

    FrameSource& Source() { return *source_; }
    double Time() const { return frame_.time; }
    const KeyStates& Keys() const { return frame_.keys; }
    // The buttons, with the frame's movement at the first reading of the frame.
    MouseReading TakeMouse();
    // The next key press of the frames stepped so far; false when there is none.
    bool TakeKeyPress(KeyPress& press) { return presses_.Take(press); }

private:
    std::unique_ptr<FrameSource> source_;
    std::unique_ptr<ReplayWriter> recording_;
    ReplayFrame frame_;
    bool mouse_taken_ = false;
    KeyPressQueue presses_;
};

// Makes the stepper the input source and the program's clock; pacing then
// waits on `waiting`. A step that finds no further frame ends the program.
void UseFrameStepper(const std::shared_ptr<FrameStepper>& stepper, std::unique_ptr<Clock> waiting);
