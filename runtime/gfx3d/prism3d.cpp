#include "gfx3d/prism3d.h"

#include <GL/gl.h>

#include "gfx2d/opengl_prism.h"
#include "gfx3d/look_at.h"

Prism3D prism3D;

void Prism3D::SetCamera(float x, float y, float z, float tx, float ty, float tz) {
    FinishBatchedDrawing();
    const float eye[3] = {x, y, z};
    const float target[3] = {tx, ty, tz};
    glLoadIdentity();
    LookAt(eye, target);
    glGetFloatv(GL_MODELVIEW_MATRIX, cameraMatrix);
    if (pPrism != nullptr) pPrism->StartDepthTest();
    SetScaling(1, 1, 1);
    SetTranslation(0, 0, 0);
    // The program's cull mode stays chosen; billboards bring it back.
    CullMode(0);
}

void Prism3D::SetTranslation(float x, float y, float z) {
    translation[0] = x;
    translation[1] = y;
    translation[2] = z;
    rotationCount = 0;
}

void Prism3D::SetScaling(float x, float y, float z) {
    scaling[0] = x;
    scaling[1] = y;
    scaling[2] = z;
    rotationCount = 0;
}

void Prism3D::SetRotation(float angle, float x, float y, float z) {
    if (rotationCount >= kMaxRotations) return;
    rotations[static_cast<std::size_t>(rotationCount++)] = {angle, x, y, z};
}

void Prism3D::ApplyObjectTransform() const {
    glTranslatef(translation[0], translation[1], translation[2]);
    // The matrix applies the last factor first: the first rotation set turns the vertex first.
    for (std::int32_t i = rotationCount - 1; i >= 0; --i) {
        const Rotation& r = rotations[static_cast<std::size_t>(i)];
        glRotatef(r.angle, r.x, r.y, r.z);
    }
    glScalef(scaling[0], scaling[1], scaling[2]);
}

void Prism3D::CullMode(int mode) {
    FinishBatchedDrawing();
    switch (mode) {
        case 0:
            glDisable(GL_CULL_FACE);
            break;
        case 1:
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CW);
            break;
        case -1:
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CCW);
            break;
        default:
            break;
    }
}

void Prism3D::FreeObjects() {
    for (MeshObjectX& object : objects)
        object.Clear(true);
    buildSlot = -1;
}
