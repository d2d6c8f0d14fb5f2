// Mesh objects built vertex by vertex, and a 3D scene for tests that draw: a 90-degree projection
// from 1 to 100 and a camera at (0, 0, 10), so that (x, y, 0) lands on pixel (320 + 24x, 240 - 24y).
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"
#include "support/test_runtime.h"

inline const auto TempPath = [](const std::string& name) { return PrivateTempFolder() + name; };

inline const Rgb kGreen{0, 255, 0}, kBlue{0, 0, 255};
inline constexpr auto ScreenX = [](double x) { return static_cast<int>(320 + 24 * x); };
inline constexpr auto ScreenY = [](double y) { return static_cast<int>(240 - 24 * y); };

class Scene : public testing::Test {
protected:
    void SetUp() override {
        StartTestRuntime();
        pPrism->Make2DViewport(0, 0, 0, 0);
        mipmapping_state = 0;
        X_MAKE3D(1, 100, 90);
        X_CAMERA(0, 0, 10, 0, 0, 0);
        X_SETTEXTURE(-1, -1);
        X_SPOT_LT(-1, 0, 0, 0, 0, 0, 0, 0, 0);  // no bump light
        X_AUTONORMALS(2);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override { prism3D.FreeObjects(); }
};

// Object n as a square of side 2 * half centred on (x, y, z), facing the camera, textured once across.
inline void BuildSquare(int n, double x, double y, double z, double half, double colour = 0xFFFFFF) {
    X_OBJSTART(n);
    X_OBJADDVERTEX(x - half, y + half, z, 0, 0, colour);
    X_OBJADDVERTEX(x - half, y - half, z, 0, 1, colour);
    X_OBJADDVERTEX(x + half, y + half, z, 1, 0, colour);
    X_OBJADDVERTEX(x + half, y - half, z, 1, 1, colour);
    X_OBJEND();
}

struct TestVertex {
    float x = 0, y = 0, z = 0, u = 0, v = 0;  // tests tell vertices apart by u, which is stored exactly
    std::uint32_t colour = 0x00FFFFFF;
};

using TestGroup = std::vector<TestVertex>;

// One frame with each group opened by a marker of `kind`, packed with the auto-normal mode (0: none).
inline MeshObject BuiltObject(const std::vector<TestGroup>& groups, int kind = kGroupStrip, int mode = 0) {
    MeshObject mesh;
    UserObjectStart(mesh, kind);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) UserObjectNewGroup(mesh, kind);
        for (const TestVertex& p : groups[g])
            UserObjectAddVertex(mesh, p.x, p.y, p.z, p.u, p.v, p.colour);
    }
    UserObjectEnd(mesh, mode);
    return mesh;
}

// n vertices along x whose u is their number in the group.
inline TestGroup NumberedVertices(int n) {
    TestGroup group;
    for (int i = 0; i < n; ++i)
        group.push_back({static_cast<float>(i), static_cast<float>(i % 2), 0, static_cast<float>(i)});
    return group;
}
