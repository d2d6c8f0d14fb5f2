// The game's cost: one whole frame without the frame cap (from InitViewport to
// the presented frame, on the offscreen driver at 640 x 480) next to an empty
// frame (clear and present only), and the one-file program's start-up to its
// first presented frame, its data unpacked from inside itself.
#include <benchmark/benchmark.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "gpc_temp.h"
#include "platform/replay_file.h"
#include "support/bench_runtime.h"

namespace {

void StartGame() {
    static bool started = false;
    StartBenchRuntime();
    if (started) return;
    __MORVANE__::GameStartUp();
    started = true;
}

void BM_EmptyFrame(benchmark::State& state) {
    StartBenchRuntime();
    LIMITFPS(65535);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SHOWSCREEN();
    }
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_GameFrame(benchmark::State& state) {
    StartGame();
    LIMITFPS(65535);  // no cap: the frame's own cost
    for (auto _ : state)
        __MORVANE__::GameFrame();
}
BENCHMARK(BM_GameFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// A replay of one frame: the program starts, presents its first frame and ends.
std::string OneFrameReplay() {
    const std::string path = std::string(std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp") +
                             "/bench_one_frame.replay";
    std::unique_ptr<ReplayWriter> replay = CreateReplayFile(path);
    ReplayFrame frame;
    frame.time = 1000;
    replay->Write(frame);
    return path;
}

void BM_OneFileStartUp(benchmark::State& state) {
    const std::string command =
        "cd / && SDL_VIDEODRIVER=offscreen MORVANE_NO_NOTICE=1 MORVANE_REPLAY_SPEED=0 "
        "MORVANE_REPLAY='" +
        OneFrameReplay() + "' '" + GRAVELRIDER_ONEFILE + "'";
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the program failed");
    }
}
BENCHMARK(BM_OneFileStartUp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
