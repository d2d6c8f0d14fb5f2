#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "morvane.h"
#include "support/drawing_test.h"

namespace {

const Rgb kHalfRed{128, 0, 0};

class Particles : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        KillAll();
        LIMITFPS(1000);  // a frame interval of 1 ms
    }
    void TearDown() override {
        KillAll();
        LIMITFPS(0);
    }
    // Fills the whole pool with dead particles.
    static void KillAll() {
        OPENGL_PARTICLE dead{};
        dead.count = OpenGLPrism::kParticles;
        Emit(dead, 0);
    }
    // One living particle standing still at (x, y), with no damping.
    static OPENGL_PARTICLE StillParticle(float x, float y) {
        OPENGL_PARTICLE particle{};
        particle.count = 1;
        particle.life = 1000;
        particle.damping_x = particle.damping_y = 1;
        particle.x = x;
        particle.y = y;
        return particle;
    }
    static void DrawFrame() {
        glClear(GL_COLOR_BUFFER_BIT);
        pPrism->DrawParticles();
    }
    static void Emit(OPENGL_PARTICLE particle, std::uint32_t colour) { pPrism->Particles(particle, colour); }
};

TEST_F(Particles, ScatterInEveryDirectionNoFasterThanTheTemplate) {
    LIMITFPS(10);  // 100 ms per frame
    OPENGL_PARTICLE particle = StillParticle(320, 240);
    particle.count = 300;
    particle.vx = particle.vy = 1;  // at most 100 pixels per frame
    particle.red = particle.green = particle.blue = 1;
    Emit(particle, 0);
    DrawFrame();
    const int reach = 100 + 12;  // the speed and the size of a particle
    EXPECT_EQ(LitPixels(0, 0, 640, 480), LitPixels(320 - reach, 240 - reach, 320 + reach, 240 + reach));
    EXPECT_GT(LitPixels(0, 0, 300, 480), 0);
    EXPECT_GT(LitPixels(340, 0, 640, 480), 0);
    EXPECT_GT(LitPixels(0, 0, 640, 220), 0);
    EXPECT_GT(LitPixels(0, 260, 640, 480), 0);
}

TEST_F(Particles, MoveInHalfBrightColourAndDieWhenTheyLeaveTheWindow) {
    // A damping of -2 makes it swing: out past the left edge, then back to x = 15.
    OPENGL_PARTICLE particle = StillParticle(15, 100);
    particle.ax = 10;
    particle.damping_x = -2;
    Emit(particle, 0x0000FF);
    DrawFrame();
    EXPECT_PRED2(Near, PixelAt(15, 100), kHalfRed);
    DrawFrame();  // at x = -5
    EXPECT_EQ(LitPixels(0, 80, 40, 120), 0);
    DrawFrame();  // would be back at x = 15
    EXPECT_EQ(LitPixels(0, 80, 40, 120), 0);
}

TEST_F(Particles, ThePoolWrapsAfter1024Records) {
    Emit(StillParticle(100, 100), 0x0000FF);
    OPENGL_PARTICLE dead{};
    dead.count = OpenGLPrism::kParticles - 1;
    Emit(dead, 0);
    DrawFrame();
    EXPECT_PRED2(Near, PixelAt(100, 100), kHalfRed);

    Emit(StillParticle(200, 100), 0x0000FF);  // takes the first particle's record
    DrawFrame();
    EXPECT_EQ(PixelAt(100, 100), kBlack);
    EXPECT_PRED2(Near, PixelAt(200, 100), kHalfRed);
}

}  // namespace
