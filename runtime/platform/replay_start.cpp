#include "platform/replay_start.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/frame_source.h"
#include "platform/frame_stepper.h"
#include "platform/reports.h"

namespace {

// How far the frame pacer's clock moves at each reading during a replay.
constexpr double kPacerTick = 0.01;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

void Report(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    ReportMessage(message.c_str());
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

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

// No recording when none is asked for, none can be made, or it would
// overwrite the replay being played.
std::unique_ptr<ReplayWriter> CreateRecording(const std::string& path, const std::string& replay_path) {
    if (path.empty()) return nullptr;
    if (!replay_path.empty() && SameFile(path, replay_path)) {
        Report("The recording would overwrite the replay it plays: " + path);
        return nullptr;
    }
    std::unique_ptr<ReplayWriter> recording = CreateReplayFile(path);
    if (!recording) Report("The recording cannot be created: " + path);
    return recording;
}

// Where a stepped run's frames come from, and the clock its pacing waits on.
struct SteppedRun {
    std::unique_ptr<FrameSource> source;
    std::unique_ptr<Clock> waiting;
};

SteppedRun LiveRun() {
    return {std::make_unique<LiveFrames>(MakeDeviceInput(), MakeSystemClock()), MakeSystemClock()};
}

// A replay waits for its frames on the real clock; the frame pacer's clock
// then steps on without waiting. No source when the file is no replay.
SteppedRun ReplayRun(const std::string& path) {
    std::unique_ptr<ReplayReader> reader = OpenReplayFile(path);
    if (!reader) return {};
    std::unique_ptr<Clock> real_clock = MakeSystemClock();
    auto waiting = std::make_unique<SteppingClock>(real_clock->Milliseconds(), kPacerTick);
    return {std::make_unique<ReplayedFrames>(std::move(reader), std::move(real_clock), ReplaySpeed()),
            std::move(waiting)};
}

}  // namespace

void StartRecordingOrReplay() {
    const std::string replay_path = Environment("MORVANE_REPLAY");
    std::unique_ptr<ReplayWriter> recording = CreateRecording(Environment("MORVANE_RECORD"), replay_path);
    if (replay_path.empty() && !recording) return;

    SteppedRun run = replay_path.empty() ? LiveRun() : ReplayRun(replay_path);
    auto stepper =
        run.source ? std::make_shared<FrameStepper>(std::move(run.source), std::move(recording)) : nullptr;
    // The first frame is the start of the run: the time start-up reads.
    if (!stepper || !stepper->Step()) {
        Report("The replay cannot be read: " + replay_path);
        RequestProgramEnd(EndRequest::kReplayEnded);
    }
    UseFrameStepper(stepper, std::move(run.waiting));
}
