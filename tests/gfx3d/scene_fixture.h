// A 3D scene for tests that draw: the real runtime, a 90-degree projection
// from 1 to 100 and a camera at (0, 0, 10) looking at the origin. A point
// (x, y, 0) then lands on window pixel (320 + 24x, 240 - 24y).
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "morvane.h"
#include "platform/temp_folder.h"
#include "support/bitmap_writer.h"
#include "support/drawing_test.h"
#include "support/pixels.h"
#include "support/test_runtime.h"

inline std::string TempPath(const std::string& name) {
    return PrivateTempFolder() + name;
}

// The window pixel that scene point (x, y, 0) lands on.
inline int ScreenX(double x) {
    return static_cast<int>(320 + 24 * x);
}
inline int ScreenY(double y) {
    return static_cast<int>(240 - 24 * y);
}

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

// Builds object n as a square of side 2 * half centred on (x, y, z), facing
// the camera (counter-clockwise on screen), textured once across from the
// top left, in one colour.
inline void BuildSquare(int n, double x, double y, double z, double half, double colour = 0xFFFFFF) {
    X_OBJSTART(n);
    X_OBJADDVERTEX(x - half, y + half, z, 0, 0, colour);
    X_OBJADDVERTEX(x - half, y - half, z, 0, 1, colour);
    X_OBJADDVERTEX(x + half, y + half, z, 1, 0, colour);
    X_OBJADDVERTEX(x + half, y - half, z, 1, 1, colour);
    X_OBJEND();
}
