// The cost of the value model's everyday operations: building a display
// string, reading an array element, drawing a random number.
#include <benchmark/benchmark.h>

#include "morvane.h"

static void BM_ConcatenateLabelAndNumber(benchmark::State& state) {
    double speed = 12.5;
    for (auto _ : state) {
        DynStr text = LitStr("Speed: ") + speed;
        benchmark::DoNotOptimize(text.c_str());
        speed += 0.25;
    }
}
BENCHMARK(BM_ConcatenateLabelAndNumber);

static void BM_NumberFromText(benchmark::State& state) {
    const DynStr text("  -1234.5678e-2 units");
    for (auto _ : state)
        benchmark::DoNotOptimize(text.Number());
}
BENCHMARK(BM_NumberFromText);

static void BM_TwoDimensionalArrayRead(benchmark::State& state) {
    NumArray city;
    DIM(city, 40, 40);
    double sum = 0;
    for (auto _ : state) {
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x)
                sum += city(x, y);
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 1600);
}
BENCHMARK(BM_TwoDimensionalArrayRead);

static void BM_RandomNumber(benchmark::State& state) {
    Ztsrand(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(RND(99));
}
BENCHMARK(BM_RandomNumber);
