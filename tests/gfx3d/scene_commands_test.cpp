#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "gfx3d/bump_mapping.h"
#include "gfx3d/scene_fixture.h"
#include "support/drawing_test.h"

namespace {

// Where the object transform takes a point, read from the matrix drawing would use.
Vec3 Transformed(Vec3 point) {
    float matrix[16];
    glPushMatrix();
    glLoadIdentity();
    prism3D.ApplyObjectTransform();
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    glPopMatrix();
    return TransformPoint(matrix, point);
}

void ExpectNear(Vec3 actual, Vec3 expected, double tolerance = 1e-5) {
    EXPECT_LT(Length(actual - expected), tolerance) << actual.x << ", " << actual.y << ", " << actual.z;
}

// The first `count` numbers of a value of light 1.
std::vector<float> LightValue(GLenum name, int count) {
    std::vector<float> value(4, -1);
    glGetLightfv(GL_LIGHT1, name, value.data());
    return {value.begin(), value.begin() + count};
}

TEST_F(Scene, TransformsProjectionCameraCullModesSpotLightsAndBillboardsInOneScene) {
    const float eye[3] = {2, 10, 3}, target[3] = {2, 0, 3};
    EXPECT_EQ(LookAtRotation(eye, target),
              (std::array<float, 16>{0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    // Scale 2, a quarter turn about z, then a move by (10, 0, 0).
    const float m[16] = {0, 2, 0, 0, -2, 0, 0, 0, 0, 0, 2, 0, 10, 0, 0, 1};
    ExpectNear(TransformPoint(m, {1, 2, 3}), {6, 2, 6});
    ExpectNear(InverseTransformPoint(m, {6, 2, 6}), {1, 2, 3});
    // A flattening matrix has no inverse: its rotation alone is undone.
    const float flat[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    ExpectNear(InverseTransformPoint(flat, {1, 2, 3}), {1, 2, 0});
    const float depth = 0.5f * (1 + 810.0f / 990.0f);  // at eye distance 10 between planes 1 and 100
    double sx = -1, sy = -1, sz = -1;
    for (const auto& [x, y, z, to_x, to_y] :
         {std::array{0.0, 0.0, 0.0, 320.0, 240.0},
          {5, 5, 0, 440, 120},
          {-2.5, -5, 0, 260, 360},
          {3, 0, 10, 260, 360}}) {  // in the camera's plane: left as it was
        X_WORLD2SCREEN(x, y, z, sx, sy, sz);
        ExpectNear({static_cast<float>(sx), static_cast<float>(sy), static_cast<float>(sz)},
                   {static_cast<float>(to_x), static_cast<float>(to_y), depth}, 1e-3);
    }

    X_CULLMODE(0.5);  // mode 1
    X_MOVEMENT(5, 6, 7);
    X_ROTATION(30, 0, 1, 0);
    X_CAMERA(10, 0, 0, 0, 0, 0);
    ExpectNear(Transformed({1, 2, 3}), {1, 2, 3});
    ExpectNear(TransformPoint(prism3D.cameraMatrix, {0, 0, 0}), {0, 0, -10});
    ExpectNear(TransformPoint(prism3D.cameraMatrix, {10, 0, 2}), {-2, 0, 0});  // the side axis is -z
    // Culling is off in OpenGL, but the program's choice is kept and a billboard brings it back.
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && !glIsEnabled(GL_CULL_FACE) && current_cullmode == 1);
    GLint front = 0;
    X_SPRITE(-1, 0, 0, 0, 1);
    glGetIntegerv(GL_FRONT_FACE, &front);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && front == GL_CW);
    X_CULLMODE(-0.1);  // cull modes take the sign of the number
    glGetIntegerv(GL_FRONT_FACE, &front);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && front == GL_CCW && current_cullmode == -1);
    X_CULLMODE(0);
    EXPECT_TRUE(!glIsEnabled(GL_CULL_FACE) && current_cullmode == 0);
    X_CULLMODE(1);
    X_MAKE3D(1, 100, 90);  // a new projection starts without culling
    EXPECT_EQ(current_cullmode, 0);
    for (const auto& [asked, mode] : {std::pair{4.0, 1}, {-1.0, -1}, {5.9, 2}}) {
        X_AUTONORMALS(asked);
        EXPECT_EQ(prism3D.autoNormalMode, mode) << asked;  // the remainder by three
    }

    // A 64 x 32 image at scale 1/16 stands on its point, 2 wide and 1 tall, facing the camera from any side.
    LoadBitmapSprite(40, {64, 32, 24, false, {}, [](int, int y) {
                              return y < 16 ? TestRgb{255, 0, 0} : TestRgb{255, 255, 255};
                          }});
    for (const auto& [x, y, z] : {std::array{0, 0, 10}, {10, 0, 0}, {0, 6, 8}, {-6, 0, -8}}) {
        SCOPED_TRACE(testing::Message() << "camera at " << x << ", " << y << ", " << z);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        X_CAMERA(x, y, z, 0, 0, 0);
        X_SPRITE(40, 0, 0, 0, 1.0 / 16);
        EXPECT_NEAR(CountInRow(ScreenY(0.75), 200, 440, kRed), 48, 1);
        EXPECT_NEAR(CountInRow(ScreenY(0.25), 200, 440, kWhite), 48, 1);
        EXPECT_EQ(LitPixels(200, ScreenY(-0.1), 440, 400), 0);  // it stands on its point
        EXPECT_EQ(LitPixels(200, 0, 440, ScreenY(1.1)), 0);
    }

    X_SCALING(2, 2, 2);
    X_MOVEMENT(10, 0, 0);
    X_ROTATION(90, 0, 0, 1);  // (2, 0, 0) -> (0, 2, 0)
    X_ROTATION(90, 1, 0, 0);  // (0, 2, 0) -> (0, 0, 2)
    ExpectNear(Transformed({1, 0, 0}), {10, 0, 2});
    // A movement or scaling drops the rotations set before it.
    X_MOVEMENT(10, 0, 0);
    ExpectNear(Transformed({1, 0, 0}), {12, 0, 0});
    X_SCALING(1, 1, 1);
    X_MOVEMENT(0, 0, 0);
    for (int i = 0; i < 17; ++i)
        X_ROTATION(10, 0, 0, 1);
    EXPECT_EQ(prism3D.rotationCount, 16);
    // 160 degrees, not 170.
    ExpectNear(Transformed({1, 0, 0}),
               {std::cos(160 * std::numbers::pi / 180), std::sin(160 * std::numbers::pi / 180), 0});
    X_SCALING(1, 1, 1);
    EXPECT_EQ(prism3D.rotationCount, 0);

    glLoadIdentity();
    X_SPOT_LT(9, 0x0000FF, 1, 2, 3, 0, 0, -1, 30);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1) && glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(LightValue(GL_DIFFUSE, 3), (std::vector<float>{1, 0, 0}));
    EXPECT_EQ(LightValue(GL_SPOT_CUTOFF, 1)[0], 30);
    EXPECT_EQ(LightValue(GL_POSITION, 4), (std::vector<float>{1, 2, 3, 1}));

    // 180 degrees: light from far away along the direction, without a cone.
    X_SPOT_LT(1, 0xFFFFFF, 1, 2, 3, 0, -1, 0, 180);
    EXPECT_EQ(LightValue(GL_POSITION, 4), (std::vector<float>{0, 1, 0, 0}));
    EXPECT_EQ(LightValue(GL_SPOT_CUTOFF, 1)[0], 180);

    X_SPOT_LT(-7, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0);  // -7 is light 1 too
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
}

}  // namespace
