#include "platform/replay_start.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/error_log.h"
#include "core/program_end.h"
#include "platform/frame_source.h"
#include "platform/frame_stepper.h"

namespace {

// A paced replay waits on the real clock; the pacer only counts through its
// slots, so it costs no time.
constexpr double kPacerTick = 0.01;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

void Report(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    WriteErrorLog(message.c_str());
}

double ReplaySpeed() {
    const std::string text = Environment("MORVANE_REPLAY_SPEED");
    if (text.empty()) return 1;
    char* end = nullptr;
    const double speed = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(speed) || speed < 0) {
        Report("MORVANE_REPLAY_SPEED is no speed, the replay runs at speed 1: " + text);
        return 1;
    }
    return speed;
}

std::unique_ptr<ReplayWriter> CreateRecording(const std::string& path) {
    if (path.empty()) return nullptr;
    std::unique_ptr<ReplayWriter> recording = CreateReplayFile(path);
    if (!recording) Report("The recording cannot be created: " + path);
    return recording;
}

// The replay's frames, or nothing when the file is no replay. Its waits are
// real; the frame pacer's clock steps on without waiting.
std::unique_ptr<FrameSource> ReplaySource(const std::string& path, std::unique_ptr<Clock>& waiting) {
    std::unique_ptr<ReplayReader> reader = OpenReplayFile(path);
    if (!reader) return nullptr;
    std::unique_ptr<Clock> real_clock = MakeSystemClock();
    waiting = std::make_unique<SteppingClock>(real_clock->Milliseconds(), kPacerTick);
    return std::make_unique<ReplayedFrames>(std::move(reader), std::move(real_clock), ReplaySpeed());
}

}  // namespace

void StartRecordingOrReplay() {
    const std::string replay_path = Environment("MORVANE_REPLAY");
    std::unique_ptr<ReplayWriter> recording = CreateRecording(Environment("MORVANE_RECORD"));
    if (replay_path.empty() && !recording) return;

    std::unique_ptr<Clock> waiting = MakeSystemClock();
    std::unique_ptr<FrameSource> source;
    if (replay_path.empty()) {
        source = std::make_unique<LiveFrames>(MakeDeviceInput(), MakeSystemClock());
    } else {
        source = ReplaySource(replay_path, waiting);
    }
    auto stepper = source ? std::make_shared<FrameStepper>(std::move(source), std::move(recording)) : nullptr;
    // The first frame is the start of the run: the time start-up reads.
    if (!stepper || !stepper->Step()) {
        Report("The replay cannot be read: " + replay_path);
        END();
    }
    UseFrameStepper(stepper, std::move(waiting));
}
