#include "gfx3d/bump_mapping.h"

#include <GL/gl.h>

#include <cmath>

#include "gfx2d/gl_extensions.h"

namespace {

// The texture combiner's dot product of two colours taken as vectors.
constexpr GLint kDot3Rgb = 0x8740;

// Column c of the upper 3x3 of a column-major matrix.
Vec3 Column(const float m[16], int c) {
    return {m[4 * c], m[4 * c + 1], m[4 * c + 2]};
}

}  // namespace

Vec3 InverseTransformPoint(const float m[16], Vec3 point) {
    const Vec3 local = point - Vec3{m[12], m[13], m[14]};
    const Vec3 c0 = Column(m, 0), c1 = Column(m, 1), c2 = Column(m, 2);
    // The inverse of a 3x3 matrix [c0 c1 c2] has the rows c1 x c2, c2 x c0 and c0 x c1 over its determinant.
    const Vec3 r0 = Cross(c1, c2), r1 = Cross(c2, c0), r2 = Cross(c0, c1);
    const double determinant = Dot(c0, r0);
    if (std::abs(determinant) < 1e-12) return {Dot(c0, local), Dot(c1, local), Dot(c2, local)};
    return Vec3{Dot(r0, local), Dot(r1, local), Dot(r2, local)} * (1.0 / determinant);
}

void UseDot3Combiners() {
    GLExt::glActiveTextureARB(GL_TEXTURE1_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    GLExt::glActiveTextureARB(GL_TEXTURE0_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, kDot3Rgb);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB_ARB, GL_PRIMARY_COLOR_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB_ARB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB_ARB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB_ARB, GL_SRC_COLOR);
}

void UseModulateOnBothUnits() {
    GLExt::glActiveTextureARB(GL_TEXTURE1_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    GLExt::glActiveTextureARB(GL_TEXTURE0_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}
