// The cost of the 2D draw path: a frame of 10,000 sprites, and a frame of
// 10,000 characters of text, drawn and presented on the offscreen driver,
// with the draw calls the 2D batch makes for a frame.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "morvane.h"
#include "support/bench_runtime.h"

namespace {

constexpr int kPerFrame = 10000;

void WriteSpriteBitmap(const std::string& path) {
    // A 32 x 32 24-bit bitmap: a cyan disc on purple (red 128, green 0, blue
    // 255), which is not the key colour, so no texel is transparent.
    std::string bytes = "BM";
    auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>(value >> (8 * i)));
    };
    put(54 + 32 * 32 * 3, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(32, 4);
    put(32, 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i)
        put(0, 4);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool inside = (x - 16) * (x - 16) + (y - 16) * (y - 16) < 225;
            put(inside ? 0x00FFFF : 0x8000FF, 3);  // blue, green, red
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

struct DrawCalls {
    long all = pPrism->BatchDraws();
    long nearest = pPrism->NearestDraws();
    long untested = pPrism->UntestedDraws();
};

// The draw calls of a frame, and those of them drawn with nearest filtering
// and without the alpha test.
void DrawCallsPerFrame(benchmark::State& state, const DrawCalls& before) {
    const auto per_frame = [&](long calls) {
        return static_cast<double>(calls) / static_cast<double>(state.iterations());
    };
    state.counters["draw_calls_per_frame"] = per_frame(pPrism->BatchDraws() - before.all);
    state.counters["nearest_calls_per_frame"] = per_frame(pPrism->NearestDraws() - before.nearest);
    state.counters["untested_calls_per_frame"] = per_frame(pPrism->UntestedDraws() - before.untested);
}

void BM_SpritesPerFrame(benchmark::State& state) {
    StartBenchRuntime();
    const std::string path =
        std::string(std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/tmp") + "/bench_sprite.bmp";
    WriteSpriteBitmap(path);
    LOADSPRITE(DynStr(path.c_str()), 1);
    const DrawCalls draws_before;
    for (auto _ : state) {
        for (int i = 0; i < kPerFrame; ++i)
            SPRITE(1, (i * 37) % 608, (i * 53) % 448);
        SHOWSCREEN();
    }
    DrawCallsPerFrame(state, draws_before);
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["us_per_sprite"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPerFrame,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
    std::remove(path.c_str());
}
BENCHMARK(BM_SpritesPerFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_CharactersPerFrame(benchmark::State& state) {
    StartBenchRuntime();
    const DynStr line(std::string(100, 'x').replace(0, 26, "abcdefghijklmnopqrstuvwxyz").c_str());
    const DrawCalls draws_before;
    for (auto _ : state) {
        for (int row = 0; row < kPerFrame / 100; ++row)
            PRINT(line, 0, (row * 16) % 464);
        SHOWSCREEN();
    }
    DrawCallsPerFrame(state, draws_before);
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["us_per_char"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPerFrame,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_CharactersPerFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
