// Whether a sphere touches an object as it would be drawn now.
#include <GL/gl.h>

#include "gfx3d/mesh_collision.h"
#include "gfx3d/prism3d.h"

bool Prism3D::Collision(int n, int frame, double radius, float x, float y, float z) {
    if (!IsObjectSlot(n)) return false;
    // Both the sphere and the triangles are compared in eye coordinates.
    const Vec3 centre = TransformPoint(cameraMatrix, {x, y, z});
    float model_view[16];
    glPushMatrix();
    ApplyObjectTransform();
    glGetFloatv(GL_MODELVIEW_MATRIX, model_view);
    glPopMatrix();
    return SphereTouchesFrame(objects[static_cast<std::size_t>(n)], frame, model_view, centre, radius);
}
