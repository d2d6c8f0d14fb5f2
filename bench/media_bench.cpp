// Sound and video on this machine: what mixing many effects costs the
// processor, how soon a PLAYSOUND is heard in the mix, and how many frames of
// a video are presented and at what processor cost.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/bench_runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

// The processor time of the whole process, all threads, in seconds.
double ProcessSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The processor time of the calling thread alone, in seconds.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A stereo sound holding one level for the given time.
std::string WriteLevelSound(double seconds) {
    const std::string path = std::string(std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp") +
                             "/media_bench_" + std::to_string(getpid()) + ".wav";
    const auto frames = static_cast<std::uint32_t>(seconds * 22050);
    std::vector<std::int16_t> samples(2 * static_cast<std::size_t>(frames), 2000);
    const std::uint32_t data_size = frames * 4;
    std::ofstream file(path, std::ios::binary);
    auto put32 = [&](std::uint32_t v) { file.write(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](std::uint16_t v) { file.write(reinterpret_cast<const char*>(&v), 2); };
    file << "RIFF";
    put32(36 + data_size);
    file << "WAVEfmt ";
    put32(16);
    put16(1);
    put16(2);
    put32(22050);
    put32(88200);
    put16(4);
    put16(16);
    file << "data";
    put32(data_size);
    file.write(reinterpret_cast<const char*>(samples.data()), data_size);
    return path;
}

int SoundingEffects() {
    int sounding = 0;
    for (int n = 0; n < kSoundCount; ++n)
        sounding += DXwav[n].PlayingCount();
    return sounding;
}

// Arguments: how many effects sound at once (8 sounds of four play buffers each at most).
void BM_MixerProcessorShare(benchmark::State& state) {
    StartBenchRuntime();
    const int effects = static_cast<int>(state.range(0));
    const std::string sound = WriteLevelSound(30);
    for (int n = 0; n < 8; ++n)
        LOADSOUND(DynStr(sound.c_str()), n, 4);
    for (int k = 0; k < effects; ++k)
        DXwav[k / 4].Play((k % 5 - 2) * 2000, 0.5, 0);
    double share = 0;
    for (auto _ : state) {
        const double cpu = ProcessSeconds();
        const Clock::time_point start = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        share = (ProcessSeconds() - cpu) / SecondsSince(start);
    }
    state.counters["sounding"] = SoundingEffects();
    state.counters["cpu_of_core_%"] = 100.0 * share;
    HUSH();
}
BENCHMARK(BM_MixerProcessorShare)
    ->ArgName("effects")
    ->Arg(0)
    ->Arg(32)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// The time from PLAYSOUND to the first mixed buffer that holds the sound.
struct FirstSample {
    std::atomic<bool> armed{false};
    std::atomic<bool> heard{false};
    Clock::time_point when;
};

void SeeFirstSample(void* context, const std::int16_t* samples, std::size_t frames) {
    auto* first = static_cast<FirstSample*>(context);
    if (!first->armed.load() || first->heard.load()) return;
    if (std::any_of(samples, samples + 2 * frames, [](std::int16_t s) { return s != 0; })) {
        first->when = Clock::now();
        first->heard.store(true);
    }
}

void BM_PlaySoundToFirstMixedSample(benchmark::State& state) {
    StartBenchRuntime();
    LOADSOUND(DynStr(WriteLevelSound(0.05).c_str()), 0, 1);
    FirstSample first;
    pDXsnd->SetMixTap(SeeFirstSample, &first);
    std::vector<double> delays;
    for (auto _ : state) {
        HUSH();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));  // out of step with the mixer's buffers
        first.heard.store(false);
        first.armed.store(true);
        const Clock::time_point start = Clock::now();
        PLAYSOUND(0, 0, 1);
        while (!first.heard.load())
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        first.armed.store(false);
        const double delay = std::chrono::duration<double>(first.when - start).count();
        delays.push_back(delay);
        state.SetIterationTime(delay);
    }
    pDXsnd->SetMixTap(nullptr, nullptr);
    std::sort(delays.begin(), delays.end());
    state.counters["median_ms"] = 1000.0 * delays[delays.size() / 2];
    state.counters["max_ms"] = 1000.0 * delays.back();
    state.counters["buffer_ms"] = 1000.0 * SFXSound::kBufferSamples / SFXSound::kSamplesPerSecond;
}
BENCHMARK(BM_PlaySoundToFirstMixedSample)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

// A 320 x 240 clip at 30 frames per second played in the 640 x 480 window: the
// share of its frames presented, and the processor time of the whole process
// (decoding, OpenGL on the software renderer) and of the program's own thread.
void BM_VideoFramesPresented(benchmark::State& state) {
    StartBenchRuntime();
    constexpr int kSeconds = 5;
    constexpr int kFramesPerSecond = 30;
    const std::string clip = std::string(std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp") +
                             "/media_bench_" + std::to_string(getpid()) + ".mp4";
    const std::string make =
        "ffmpeg -v error -y -f lavfi -i testsrc=s=320x240:r=30:d=" + std::to_string(kSeconds) +
        " -f lavfi -i sine=frequency=440:duration=" + std::to_string(kSeconds) +
        " -c:v mpeg4 -q:v 2 -pix_fmt yuv420p -c:a aac -shortest '" + clip + "' < /dev/null";
    if (std::system(make.c_str()) != 0) {
        state.SkipWithError("ffmpeg cannot make the clip");
        return;
    }
    long presented = 0;
    WatchVideoFrames([&presented](const VideoFrameShown&) { ++presented; });
    double share = 0;
    double main_share = 0;
    double seconds = 0;
    for (auto _ : state) {
        presented = 0;
        const double cpu = ProcessSeconds();
        const double main_cpu = ThreadSeconds();
        const Clock::time_point start = Clock::now();
        PLAYMOVIE(DynStr(clip.c_str()));
        seconds = SecondsSince(start);
        share = (ProcessSeconds() - cpu) / seconds;
        main_share = (ThreadSeconds() - main_cpu) / seconds;
    }
    WatchVideoFrames({});
    state.counters["presented_%"] = 100.0 * static_cast<double>(presented) / (kSeconds * kFramesPerSecond);
    state.counters["cpu_of_core_%"] = 100.0 * share;
    state.counters["main_thread_cpu_%"] = 100.0 * main_share;  // the program's thread: waiting, drawing
    state.counters["seconds"] = seconds;
}
BENCHMARK(BM_VideoFramesPresented)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
