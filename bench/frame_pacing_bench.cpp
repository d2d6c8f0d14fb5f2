// Frame pacing on the real clock: how close each frame starts to its slot, and
// how much processor time the wait costs, for the runtime's wait (sleep, then
// watch the clock closely) against a pure busy wait.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>
#include <vector>

#include "gfx2d/frame_pacer.h"
#include "platform/clock.h"
#include "support/percentile.h"

namespace {

constexpr double kSeconds = 3.0;

// Arguments: frames per second, and 1 for a pure busy wait.
void BM_FramePacing(benchmark::State& state) {
    const int fps = static_cast<int>(state.range(0));
    const bool busy = state.range(1) != 0;
    std::unique_ptr<Clock> clock = MakeSystemClock();
    FramePacer pacer;
    pacer.SetMaxFps(fps);
    if (busy) pacer.SetSleepMargin(std::numeric_limits<double>::infinity());
    const int frames = static_cast<int>(kSeconds * fps);
    std::vector<double> lateness;
    double cpu_per_wall = 0;
    for (auto _ : state) {
        lateness.clear();
        pacer.StartAt(clock->Milliseconds());
        pacer.WaitForNextSlot(*clock, [] {});
        const std::clock_t cpu_start = std::clock();
        const double wall_start = clock->Milliseconds();
        for (int frame = 0; frame < frames; ++frame) {
            const double slot = pacer.NextFrameTime();
            pacer.WaitForNextSlot(*clock, [] {});
            lateness.push_back(std::fabs(clock->Milliseconds() - slot));
        }
        const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
        cpu_per_wall = cpu_ms / (clock->Milliseconds() - wall_start);
    }
    state.counters["median_us"] = 1000.0 * Percentile(lateness, 0.5);
    state.counters["p99_us"] = 1000.0 * Percentile(lateness, 0.99);
    state.counters["cpu_of_core_%"] = 100.0 * cpu_per_wall;
}

BENCHMARK(BM_FramePacing)
    ->ArgNames({"fps", "busy"})
    ->Args({60, 0})
    ->Args({60, 1})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
