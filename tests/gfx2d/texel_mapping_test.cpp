#include "gfx2d/texel_mapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

// The quad of a w x h pixel area at (x, y), showing the texels from (s, t)
// of a 64 x 32 texture, w_texels x h_texels of them.
bool Samples(float x, float y, float w, float h, float s, float t, float w_texels, float h_texels) {
    const float s1 = s + w_texels / 64;
    const float t1 = t + h_texels / 32;
    const Vertex2D corners[4] = {{x, y, s, t, 1, 1, 1, 1},
                                 {x + w, y, s1, t, 1, 1, 1, 1},
                                 {x + w, y + h, s1, t1, 1, 1, 1, 1},
                                 {x, y + h, s, t1, 1, 1, 1, 1}};
    return QuadSamplesTexelCentres(corners, 64, 32);
}

TEST(TexelMapping, AQuadSamplesTexelCentresOnlyOneTexelAPixelFromATexelCorner) {
    EXPECT_TRUE(Samples(10, -50, 37, 19, 0, 0, 37, 19));            // an image smaller than its texture
    EXPECT_TRUE(Samples(-3, 7, 4, 4, 8.0f / 64, 4.0f / 32, 4, 4));  // a cell within the texture
    EXPECT_FALSE(Samples(10.5f, -50, 37, 19, 0, 0, 37, 19));
    EXPECT_FALSE(Samples(10, -50.25f, 37, 19, 0, 0, 37, 19));
    EXPECT_FALSE(Samples(10, -50, 38, 19, 0, 0, 37, 19));
    EXPECT_FALSE(Samples(10, -50, 37, 18, 0, 0, 37, 19));
    EXPECT_FALSE(Samples(10, -50, 4, 4, 0.5f / 64, 0, 4, 4));
    EXPECT_FALSE(Samples(10, -50, -37, 19, 0, 0, 37, 19));  // mirrored
}

// The column-major matrix of an orthographic projection of left..right and
// bottom..top, the near and far planes at -1 and 1.
void Ortho(float left, float right, float bottom, float top, float (&m)[16]) {
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::copy(std::begin(identity), std::end(identity), m);
    m[0] = 2 / (right - left);
    m[5] = 2 / (top - bottom);
    m[10] = -1;
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
}

TEST(TexelMapping, UnitsArePixelsOnlyUnscaledAndOnWholePixels) {
    float projection[16];
    const struct {
        const char* what;
        int viewport[4];
        float modelview[16];
        bool pixels;
    } cases[] = {
        {"the window", {0, 0, 640, 480}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, true},
        {"a viewport", {101, 227, 300, 200}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, true},
        {"moved by whole pixels", {0, 0, 640, 480}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 3, -7, 0, 1}, true},
        {"moved by half a pixel",
         {0, 0, 640, 480},
         {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0.5f, 0, 0, 1},
         false},
        {"scaled", {0, 0, 640, 480}, {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},
        {"turned", {0, 0, 640, 480}, {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},
        {"mirrored", {0, 0, 640, 480}, {1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},
        {"in perspective", {0, 0, 640, 480}, {1, 0, 0, 0.001f, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, false},
    };
    for (const auto& c : cases) {
        Ortho(0, static_cast<float>(c.viewport[2]), -static_cast<float>(c.viewport[3]), 0, projection);
        EXPECT_EQ(UnitsArePixels(projection, c.modelview, c.viewport), c.pixels) << c.what;
    }
}

}  // namespace
