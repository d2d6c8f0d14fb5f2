// Drawing mesh objects on the display, headless (Mesa's software renderer
// unless a hardware driver is at hand): per frame, 1,000 unanimated objects
// drawn from their display lists, and 100 animated objects blended between
// two frames through vertex arrays. Each object is a small sphere of 192
// triangles a few pixels across, so the figures are the cost of an object
// draw rather than of filling pixels.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>

#include "morvane.h"
#include "platform/temp_folder.h"

namespace {

constexpr int kRings = 8;
constexpr int kSegments = 12;
constexpr int kStillObject = 1;
constexpr int kAnimatedObject = 2;
constexpr int kAnimationFrames = 4;

void StartDisplay() {
    if (pPrism != nullptr) return;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // a driver chosen by the caller stays
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("MORVANE_NO_NOTICE", "1", 1);
    GlobalInit("", "render bench");
}

POLY_NODE SpherePoint(int ring, int segment, float radius, float squash) {
    const double polar = std::numbers::pi * ring / kRings;
    const double around = 2 * std::numbers::pi * segment / kSegments;
    POLY_NODE node{};
    node.position[0] = static_cast<float>(radius * std::sin(polar) * std::cos(around));
    node.position[1] = static_cast<float>(radius * squash * std::cos(polar));
    node.position[2] = static_cast<float>(radius * std::sin(polar) * std::sin(around));
    node.u = static_cast<float>(segment) / kSegments;
    node.v = static_cast<float>(ring) / kRings;
    node.colour = 0x00FFFFFF;
    return node;
}

// A sphere as one strip per ring; `squash` flattens it from the poles.
void AddSphereFrame(MeshObject& mesh, float squash) {
    mesh.frames.Add(POLY_FRAME{});
    POLY_FRAME& frame = mesh.frames.Last();
    for (int ring = 0; ring < kRings; ++ring) {
        POLY_NODE marker{};
        marker.colour = kMarkerStrip;
        frame.raw.Add(marker);
        for (int segment = 0; segment <= kSegments; ++segment) {
            frame.raw.Add(SpherePoint(ring, segment, 1, squash));
            frame.raw.Add(SpherePoint(ring + 1, segment, 1, squash));
        }
    }
}

// Slot n from a .ddd file of a sphere that breathes over `frames` frames.
void LoadSphere(int n, int frames) {
    MeshObject mesh;
    for (int f = 0; f < frames; ++f)
        AddSphereFrame(mesh, 1.0f - 0.1f * static_cast<float>(f));
    mesh.Compress();
    mesh.AutoNormalsAfterCompression(true, true, false);
    const std::string path = PrivateTempFolder() + "render_bench_sphere.ddd";
    mesh.Save(path);
    X_LOADOBJ(path.c_str(), n);
    std::remove(path.c_str());
}

// The scene: a camera over a 40 x 25 grid of objects 3 units apart.
void StartFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    X_MAKE3D(1, 500, 45);
    X_CAMERA(60, 150, 60, 60, 0, 37.5);
    X_CULLMODE(-1);
}

// Object i of the grid, `height` above the ground.
void PlaceObject(int i, double height) {
    X_MOVEMENT(3.0 * (i % 40), height, 3.0 * (i / 40));
}

// Arguments: display-listed objects and blended animated objects per frame.
void BM_ObjectsPerFrame(benchmark::State& state) {
    StartDisplay();
    LoadSphere(kStillObject, 1);
    LoadSphere(kAnimatedObject, kAnimationFrames);
    const int still = static_cast<int>(state.range(0));
    const int animated = static_cast<int>(state.range(1));
    double time = 0;
    const long flushes_before = prism3D.flusher.Flushes();
    for (auto _ : state) {
        StartFrame();
        for (int i = 0; i < still; ++i) {
            PlaceObject(i, 0);
            X_DRAWOBJ(kStillObject, 0);
        }
        for (int i = 0; i < animated; ++i) {
            PlaceObject(i, 2);  // above the still ones
            // Each object at its own point of the animation, never on a whole frame.
            const double t = std::fmod(time + 0.37 * i, 1.0) * 0.98 + 0.01;
            X_DRAWANIM(kAnimatedObject, 0, kAnimationFrames - 1, t, 1);
        }
        glFinish();
        time += 0.01;
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["time_per_object"] = benchmark::Counter(
        still + animated, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["flushes_per_frame"] = benchmark::Counter(
        static_cast<double>(prism3D.flusher.Flushes() - flushes_before), benchmark::Counter::kAvgIterations);
    state.counters["triangles_per_object"] = prism3D.objects[kStillObject].frames[0].prepared.Count() / 3;
}
BENCHMARK(BM_ObjectsPerFrame)
    ->ArgNames({"display_listed", "blended"})
    ->Args({1000, 0})
    ->Args({0, 100})
    ->Args({1000, 100})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
