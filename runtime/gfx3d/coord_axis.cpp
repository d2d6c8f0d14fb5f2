// Coordinate axes drawn into the scene as a guide.
#include <GL/gl.h>

#include "gfx2d/opengl_prism.h"
#include "gfx3d/prism3d.h"

namespace {

// An arrow along the first axis: from the origin to the tip, then two heads
// across the other two axes, each returning to the tip.
constexpr float kArrow[8][3] = {{0, 0, 0}, {1, 0, 0},         {0.75f, 0.25f, 0},  {0.75f, -0.25f, 0},
                                {1, 0, 0}, {0.75f, 0, 0.25f}, {0.75f, 0, -0.25f}, {1, 0, 0}};

// The arrow with its axes turned `shift` places: 0 along x, 1 along y, 2 along z.
void DrawArrow(int shift, float red, float green, float blue) {
    glColor3f(red, green, blue);
    glBegin(GL_LINE_STRIP);
    for (const auto& point : kArrow) {
        float turned[3];
        for (int axis = 0; axis < 3; ++axis)
            turned[(axis + shift) % 3] = point[axis];
        glVertex3fv(turned);
    }
    glEnd();
}

}  // namespace

void Prism3D::DrawCoordAxis(float x, float y, float z) const {
    FinishBatchedDrawing();
    glPushMatrix();
    // Placed in the world, whatever object transform is set.
    glLoadMatrixf(cameraMatrix);
    glTranslatef(x, y, z);
    glScalef(100, 100, 100);
    DrawArrow(0, 1, 0, 0);
    DrawArrow(1, 0, 1, 0);
    DrawArrow(2, 0, 0, 1);
    glPopMatrix();
}
