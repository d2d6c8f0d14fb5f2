#include "gfx3d/triangle_flusher.h"

#include <GL/gl.h>

void TriangleFlusher::Drawn(long triangles) {
    since_flush_ += triangles;
    if (since_flush_ < kTrianglesPerFlush) return;
    glFlush();
    since_flush_ = 0;
    ++flushes_;
}
