// The cost of loading a large .ddd object and of testing a sphere against it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "morvane.h"

namespace {

// A rippled terrain of side x side vertices as one strip per row: about
// 2 * side * side triangles.
MeshObject Terrain(int side) {
    MeshObject mesh;
    UserObjectStart(mesh, kGroupStrip);
    for (int row = 0; row + 1 < side; ++row) {
        if (row > 0) UserObjectNewGroup(mesh, kGroupStrip);
        for (int column = 0; column < side; ++column) {
            for (int z : {row, row + 1}) {
                const float height = 3 * std::sin(column * 0.1f) * std::cos(z * 0.1f);
                UserObjectAddVertex(mesh, static_cast<float>(column), height, static_cast<float>(z),
                                    column / 16.0f, z / 16.0f, 0x00FFFFFF);
            }
        }
    }
    UserObjectEnd(mesh, 2);
    return mesh;
}

void BM_LoadLargeObjectFromMemory(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = Terrain(static_cast<int>(state.range(0))).SaveToBytes();
    MeshObject mesh;
    for (auto _ : state)
        benchmark::DoNotOptimize(mesh.LoadFromBytes(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["vertices"] = mesh.frames[0].packed.Count();
}
BENCHMARK(BM_LoadLargeObjectFromMemory)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// Load from a file and make it drawable (radii and triangle lists), as a slot load does.
void BM_LoadAndPrepareLargeObjectFile(benchmark::State& state) {
    const std::string path = std::string(P_tmpdir) + "/mesh_bench_terrain.ddd";
    Terrain(static_cast<int>(state.range(0))).Save(path);
    MeshObject mesh;
    for (auto _ : state) {
        mesh.Load(path);
        mesh.CalcMaxRadius();
        mesh.PrepareTriangles();
    }
    state.counters["triangles"] = mesh.work.Count() / 3;
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadAndPrepareLargeObjectFile)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// A sphere that reaches the terrain's bounding radius but touches no
// triangle: every triangle is tested (the worst case).
void BM_SphereMissingLargeObject(benchmark::State& state) {
    MeshObject mesh = Terrain(static_cast<int>(state.range(0)));
    mesh.PrepareTriangles();
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const Vec3 centre = {state.range(0) / 2.0, 10, state.range(0) / 2.0};
    for (auto _ : state)
        benchmark::DoNotOptimize(SphereTouchesFrame(mesh, 0, identity, centre, 1));
    state.counters["triangles"] = mesh.work.Count() / 3;
}
BENCHMARK(BM_SphereMissingLargeObject)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// A sphere resting on the far corner of the terrain: found after walking most of the list.
void BM_SphereHittingLargeObjectLate(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    MeshObject mesh = Terrain(side);
    mesh.PrepareTriangles();
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const Vec3 centre = {side - 1.5, 0, side - 1.5};
    for (auto _ : state)
        benchmark::DoNotOptimize(SphereTouchesFrame(mesh, 0, identity, centre, 4));
}
BENCHMARK(BM_SphereHittingLargeObjectLate)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

}  // namespace
