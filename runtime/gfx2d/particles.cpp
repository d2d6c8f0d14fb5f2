// The particle pool: 1024 small spinning triangles that fly, slow down and
// die at the window's edge, drawn added to the picture.
#include <cmath>
#include <cstdint>

#include "gfx2d/opengl_prism.h"

namespace {

// Whole numbers from 0 to 32767 from a fixed start, so that the same program
// scatters its particles the same way on every run and every platform.
class ParticleRandom {
public:
    int Next() {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 1;
};

ParticleRandom particle_random;
// Changes sign for every record drawn, so that neighbours spin opposite ways.
float spin = 2.0f;

constexpr float kHalfRandom = 16383.0f;
constexpr float kPi = 3.1415f;

void DrawParticleShape(float x, float y, float degrees) {
    glPushMatrix();
    glTranslatef(x, -y, 0);
    glRotatef(degrees, 0, 0, 1);
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(-5, 8);
    glVertex2f(-5, -8);
    glVertex2f(10, 0);
    glEnd();
    glPopMatrix();
}

}  // namespace

// Emits the template's count of particles, each with the template's velocity
// turned to a random direction and scaled by a random factor from -1 to 1.
void OpenGLPrism::Particles(OPENGL_PARTICLE& particle, std::uint32_t colour) {
    if (colour != 0) {
        // Half brightness: the pool is drawn added to the picture.
        particle.red = static_cast<float>(colour & 0xFF) / 510;
        particle.green = static_cast<float>((colour >> 8) & 0xFF) / 510;
        particle.blue = static_cast<float>((colour >> 16) & 0xFF) / 510;
    }
    for (std::int32_t n = 0; n < particle.count; ++n) {
        OPENGL_PARTICLE& record = particles_[static_cast<std::size_t>(next_particle_)];
        record = particle;
        const int direction_draw = particle_random.Next();
        const int speed_draw = particle_random.Next();
        particle_random.Next();  // two more draws, unused, keep the sequence
        particle_random.Next();
        const float angle = (static_cast<float>(direction_draw) - kHalfRandom) / kHalfRandom * kPi;
        const float speed = (static_cast<float>(speed_draw) - kHalfRandom) / kHalfRandom;
        record.vx = record.vx * std::sin(angle) * speed;
        record.vy = record.vy * std::cos(angle) * speed;
        next_particle_ = (next_particle_ + 1) % kParticles;
    }
}

// Moves every living particle by one frame interval and draws it; one that
// leaves the window dies.
void OpenGLPrism::DrawParticles() {
    FinishBatch();
    const TextureSelection kept = CurrentTexture();
    SetTexture3D(-1, -1, 0);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    const auto dt = static_cast<float>(pacer_.Interval());
    for (OPENGL_PARTICLE& p : particles_) {
        SetColour(p.red, p.green, p.blue, 1);
        spin = -spin;
        if (!(p.life >= 1.0f)) continue;
        p.life -= dt;
        p.x += p.vx * dt;
        p.vx = (p.vx + p.ax * dt) * p.damping_x;
        p.y += p.vy * dt;
        p.vy = (p.vy + p.ay * dt) * p.damping_y;
        const bool inside =
            p.x >= 0 && p.y >= 0 && p.x <= static_cast<float>(width_) && p.y <= static_cast<float>(height_);
        if (!inside) {  // also a position that is not a number
            p.life = 0;
            continue;
        }
        DrawParticleShape(p.x, p.y, p.life * spin);
    }
    SetColour(1, 1, 1, 1);
    SelectTexture(kept);
    glEnable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}
