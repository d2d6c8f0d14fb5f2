// Path finding: FINDPATH next to the plain search (one state per cell, a float
// cost grid, the open list a sorted array) on seeded square grids with costs 1
// to 9, start near the top left corner and goal near the bottom right one:
// random walls, a wall across the map open only at one end (the detour), and a
// goal walled in. Each is timed as later calls in this process and as the
// first call in a fresh process; the fresh process also reports the bytes
// allocated during the call, per grid cell.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "morvane.h"
#include "plain_path_search.h"

namespace {

// What operator new holds now, and the most it has held since the last reset.
std::size_t held_bytes = 0;
std::size_t peak_bytes = 0;

void* Counted(void* block) {
    if (block != nullptr) {
        held_bytes += malloc_usable_size(block);
        peak_bytes = std::max(peak_bytes, held_bytes);
    }
    return block;
}

// Kept out of line: inlined into a delete expression, free() looks mismatched to the compiler.
[[gnu::noinline]] void Uncount(void* block) {
    if (block != nullptr) held_bytes -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    void* block = Counted(std::malloc(size != 0 ? size : 1));
    if (block == nullptr) throw std::bad_alloc();
    return block;
}
void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Counted(std::malloc(size != 0 ? size : 1));
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Counted(std::malloc(size != 0 ? size : 1));
}
void operator delete(void* block) noexcept {
    Uncount(block);
}
void operator delete[](void* block) noexcept {
    Uncount(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Uncount(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Uncount(block);
}

namespace {

enum class Shape { kRandom, kDetour, kWalledIn };

struct Case {
    std::string name;
    Shape shape;
    int side;
    int wall_percent;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"random/64/0", Shape::kRandom, 64, 0},       {"random/64/30", Shape::kRandom, 64, 30},
        {"random/256/0", Shape::kRandom, 256, 0},     {"random/256/30", Shape::kRandom, 256, 30},
        {"random/512/0", Shape::kRandom, 512, 0},     {"random/512/30", Shape::kRandom, 512, 30},
        {"random/1024/0", Shape::kRandom, 1024, 0},   {"random/1024/30", Shape::kRandom, 1024, 30},
        {"random/4096/30", Shape::kRandom, 4096, 30}, {"detour/512", Shape::kDetour, 512, 0},
        {"walled-in/512", Shape::kWalledIn, 512, 0},
    };
    return cases;
}

struct Grid {
    NumArray map;
    int side = 0;
    int sx = 1, sy = 1, gx = 0, gy = 0;
};

void Build(Grid& grid, const Case& c) {
    const int n = c.side;
    grid.side = n;
    grid.gx = grid.gy = n - 2;
    DIM(grid.map, n, n);
    std::mt19937 random(static_cast<unsigned>(n * 100 + c.wall_percent));
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const bool wall = static_cast<int>(random() % 100) < c.wall_percent;
            grid.map(x, y) = wall ? 0 : 1 + random() % 9;
        }
    }
    const auto fill = [&](int cx, int cy, int radius, double value) {
        for (int y = cy - radius; y <= cy + radius; ++y) {
            for (int x = cx - radius; x <= cx + radius; ++x)
                grid.map(x, y) = value;
        }
    };
    // Start and goal stand in the open, joined to the rest of the map.
    fill(grid.sx, grid.sy, 1, 1);
    fill(grid.gx, grid.gy, 1, 1);
    if (c.shape == Shape::kDetour) {
        for (int x = 1; x < n; ++x)
            grid.map(x, n / 2) = 0;
    }
    if (c.shape == Shape::kWalledIn) {
        fill(grid.gx, grid.gy, 1, 0);
        grid.map(grid.gx, grid.gy) = 1;
    }
}

double SolveWithFindPath(Grid& grid, NumArray& path) {
    return FINDPATH(grid.map, path, 0.7, grid.sx, grid.sy, grid.gx, grid.gy);
}

// The plain search, with its answer written as FINDPATH writes it.
double SolvePlain(Grid& grid, NumArray& path) {
    const PlainPath found =
        PlainPathSearch({grid.map.Data(), grid.side, grid.side, grid.sx, grid.sy, grid.gx, grid.gy});
    if (found.cells.empty()) {
        DIM(path, 0);
        return 0;
    }
    DIM(path, static_cast<double>(found.cells.size()), 2);
    for (std::size_t i = 0; i < found.cells.size(); ++i) {
        path(static_cast<double>(i), 0) = found.cells[i].first;
        path(static_cast<double>(i), 1) = found.cells[i].second;
    }
    return static_cast<double>(found.cells.size());
}

using Solver = double (*)(Grid&, NumArray&);

Solver SolverNamed(const std::string& name) {
    return name == "plain" ? SolvePlain : SolveWithFindPath;
}

const Case* CaseNamed(const std::string& name) {
    for (const Case& c : Cases()) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

// In a fresh process: builds the grid, times one call, and prints the time in
// nanoseconds, the most bytes allocated during the call, and the path's length.
int RunFirstCall(const std::string& case_name, const std::string& solver_name) {
    const Case* c = CaseNamed(case_name);
    if (c == nullptr) return 2;
    Grid grid;
    Build(grid, *c);
    NumArray path;
    const std::size_t held_before = held_bytes;
    peak_bytes = held_bytes;
    const auto start = std::chrono::steady_clock::now();
    const double cells = SolverNamed(solver_name)(grid, path);
    const auto end = std::chrono::steady_clock::now();
    std::printf("%lld %zu %.0f\n", static_cast<long long>(std::chrono::nanoseconds(end - start).count()),
                peak_bytes - held_before, cells);
    return 0;
}

void LaterCalls(benchmark::State& state, const Case& c, Solver solve) {
    Grid grid;
    Build(grid, c);
    NumArray path;
    double cells = solve(grid, path);  // the first call is measured on its own
    for (auto _ : state)
        cells = solve(grid, path);
    state.counters["path_cells"] = cells;
}

void FirstCall(benchmark::State& state, const Case& c, const std::string& solver_name) {
    const std::string command = "'" + std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --first-call " + c.name + " " + solver_name;
    double bytes = 0, cells = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        long long nanoseconds = 0;
        std::size_t peak = 0;
        double found = 0;
        const bool read =
            child != nullptr && std::fscanf(child, "%lld %zu %lf", &nanoseconds, &peak, &found) == 3;
        if (child != nullptr) pclose(child);
        if (!read) {
            state.SkipWithError("the measuring process failed");
            return;
        }
        state.SetIterationTime(static_cast<double>(nanoseconds) * 1e-9);
        bytes = static_cast<double>(peak);
        cells = found;
    }
    state.counters["path_cells"] = cells;
    state.counters["bytes_per_cell"] = bytes / (static_cast<double>(c.side) * c.side);
}

// The plain search takes seconds on the detour and the walled-in goal.
bool Slow(const Case& c, const std::string& solver_name) {
    return c.shape != Shape::kRandom || (solver_name == "plain" && c.side > 1024);
}

void RegisterAll() {
    for (const Case& c : Cases()) {
        for (const std::string solver : {"plain", "findpath"}) {
            benchmark::RegisterBenchmark(("FirstCall/" + c.name + "/" + solver).c_str(), FirstCall, c, solver)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(Slow(c, solver) ? 1 : 5);
            benchmark::RegisterBenchmark(("LaterCalls/" + c.name + "/" + solver).c_str(), LaterCalls, c,
                                         SolverNamed(solver))
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--first-call") return RunFirstCall(argv[2], argv[3]);
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
