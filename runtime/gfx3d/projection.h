// Where a point of the 3D scene lands on the screen.
#pragma once

// Projects (x, y, z) through the model-view and projection matrices
// (column-major) onto the viewport (x, y, width, height as OpenGL keeps it,
// from the bottom left). The screen x counts from the viewport's left, the
// screen y grows downward from its top, and the depth runs from 0 at the near
// plane to 1 at the far plane. A point in the eye's own plane has no
// projection: false, and the outputs are left as they were.
bool Ztglu_Project(float x, float y, float z, const float model_view[16], const float projection[16],
                   const int viewport[4], float& screen_x, float& screen_y, float& screen_z);
