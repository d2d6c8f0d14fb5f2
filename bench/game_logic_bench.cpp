// The cost of the game's per-frame logic: pulling the truck, testing its
// footprint against the city, and accepting or undoing the move.
#include <benchmark/benchmark.h>

#include <string>

#include "core/whole_number.h"
#include "gpc_temp.h"

using namespace __MORVANE__;

namespace {

// A city with a grass border and a block of buildings, and the game's truck.
void SetUpCity() {
    DIM(city, kCityTiles, kCityTiles);
    const std::string border(kCityTiles, '#');
    const std::string street = "#" + std::string(kCityTiles - 2, ' ') + "#";
    const std::string block = "#    SSLL  AA" + std::string(kCityTiles - 14, ' ') + "#";
    for (int y = 0; y < kCityTiles; ++y) {
        const std::string& row = (y == 0 || y == kCityTiles - 1) ? border : (y % 8 == 7 ? block : street);
        ReadLevelRow(DynStr(row.c_str()), y);
    }
    MarkRoadEdges();
}

void SetUpTruck() {
    if (BOUNDS(truck, 0) == 0) {
        AddHinge(1.75, -0.3);
        AddHinge(6.45, 1.25);
    }
    DIM(last_good_truck, 0);
    CopyTruck(truck, last_good_truck);
}

}  // namespace

static void BM_PullTruck(benchmark::State& state) {
    SetUpTruck();
    for (auto _ : state) {
        PullTruck(0.3, 1.5);  // circles about the start
        benchmark::DoNotOptimize(truck(0, 2));
    }
}
BENCHMARK(BM_PullTruck);

static void BM_GetCityCollision(benchmark::State& state) {
    SetUpCity();
    SetUpTruck();
    for (auto _ : state)
        benchmark::DoNotOptimize(GetCityCollision(truck));
}
BENCHMARK(BM_GetCityCollision);

// One frame of the main loop's physics: pull, test, then snapshot or roll back.
static void BM_TruckFrame(benchmark::State& state) {
    SetUpCity();
    SetUpTruck();
    for (auto _ : state) {
        PullTruck(0.3, 1.5);
        col = GetCityCollision(truck);
        if (CheckTruckState() != 0 && (TruncToInt32(col) & 1) == 0) {
            CopyTruck(truck, last_good_truck);
        } else {
            CopyTruck(last_good_truck, truck);
        }
    }
}
BENCHMARK(BM_TruckFrame);
