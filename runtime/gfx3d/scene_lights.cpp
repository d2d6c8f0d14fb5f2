// The OpenGL lights of the scene, and the bump light of bump-mapped drawing.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "gfx2d/opengl_prism.h"
#include "gfx3d/prism3d.h"

namespace {

constexpr int kLights = 8;
constexpr float kPointLight = 360;
constexpr float kDirectionalLight = 180;

// Light n modulo 8, counted so that every number names one of the eight.
GLenum LightOfNumber(int n) {
    return GL_LIGHT0 + static_cast<GLenum>(((n % kLights) + kLights) % kLights);
}

void ColourChannels(std::uint32_t colour, float rgb[3]) {
    rgb[0] = static_cast<float>(colour & 0xFF) / 255.0f;
    rgb[1] = static_cast<float>((colour >> 8) & 0xFF) / 255.0f;
    rgb[2] = static_cast<float>((colour >> 16) & 0xFF) / 255.0f;
}

// The light's place as a big yellow point and, for a light with a direction,
// a line from 500 units along it back to the light.
void DrawLightMarker(const float place[3], const float direction[3], float cut_off) {
    glPushAttrib(GL_ENABLE_BIT | GL_POINT_BIT | GL_LINE_BIT);
    glDisable(GL_LIGHTING);
    glPointSize(40);
    glColor3f(1, 1, 0.3f);
    glBegin(GL_POINTS);
    glVertex3fv(place);
    glEnd();
    if (cut_off < kPointLight) {
        float length = std::sqrt(direction[0] * direction[0] + direction[1] * direction[1] +
                                 direction[2] * direction[2]);
        if (length == 0) length = 1;
        glLineWidth(3);
        glColor3f(1, 0.7f, 0.3f);
        glBegin(GL_LINES);
        glVertex3f(place[0] + 500 * direction[0] / length, place[1] + 500 * direction[1] / length,
                   place[2] + 500 * direction[2] / length);
        glVertex3fv(place);
        glEnd();
    }
    glPopAttrib();
    glColor4f(1, 1, 1, 1);
}

}  // namespace

void Prism3D::AmbientLt(int n, std::uint32_t colour) {
    FinishBatchedDrawing();
    float rgba[4] = {0, 0, 0, 0};
    ColourChannels(colour, rgba);
    const GLenum light = LightOfNumber(n);
    glLightfv(light, GL_AMBIENT, rgba);
    glEnable(light);
    glEnable(GL_LIGHTING);
}

void Prism3D::SpotLt(int n, std::uint32_t colour, float x, float y, float z, float dx, float dy, float dz,
                     float cut_off, bool debug) {
    const float place[3] = {x, y, z};
    const float direction[3] = {dx, dy, dz};
    if (n == -1) {
        bumpLightOn = cut_off != 0;
        std::copy(place, place + 3, bumpLightPosition);
        ColourChannels(colour, bumpLightColour);
        return;
    }
    FinishBatchedDrawing();
    const GLenum light = LightOfNumber(n);
    if (cut_off == 0) {
        glDisable(light);
        return;
    }
    float diffuse[4] = {0, 0, 0, 0};
    ColourChannels(colour, diffuse);
    glLightfv(light, GL_DIFFUSE, diffuse);
    if (cut_off == kDirectionalLight) {
        // A light from infinitely far away, whose rays run along the direction.
        const float position[4] = {-dx, -dy, -dz, 0};
        glLightfv(light, GL_POSITION, position);
        glLightf(light, GL_SPOT_CUTOFF, kDirectionalLight);
    } else {
        const float position[4] = {x, y, z, 1};
        glLightfv(light, GL_POSITION, position);
        if (cut_off == kPointLight) {
            // No cone: the light shines every way, whatever it was before.
            glLightf(light, GL_SPOT_CUTOFF, kDirectionalLight);
        } else {
            glLightfv(light, GL_SPOT_DIRECTION, direction);
            glLightf(light, GL_SPOT_CUTOFF, cut_off);
        }
    }
    glEnable(light);
    glEnable(GL_LIGHTING);
    if (debug) DrawLightMarker(place, direction, cut_off);
}
