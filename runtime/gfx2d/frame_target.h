// The picture the display draws into where the context has framebuffer
// objects: a colour texture, copied into the window's back buffer at each
// flip, with a depth buffer attached only while 3D drawing may test depth.
// The software rasteriser fills axis-aligned textured quads several times
// faster into a four-byte BGRA picture without a depth buffer, which the
// window's own buffers are not. Alpha is masked off and stays 1, as in the
// window's buffers, which have none. Without framebuffer objects, or where the
// picture cannot be made, drawing goes to the window's buffers as they are.
#pragma once

#include <GL/gl.h>

class FrameTarget {
public:
    FrameTarget() = default;
    ~FrameTarget();
    FrameTarget(const FrameTarget&) = delete;
    FrameTarget& operator=(const FrameTarget&) = delete;

    // Makes the picture width x height in the current context, depth as deep
    // as the window's, and draws into it without depth; false where drawing
    // stays in the window's buffers.
    bool Create(int width, int height);
    // Deletes the picture while its context is current; drawing goes back to
    // the window's buffers.
    void Delete();
    // Lets go of the picture of a lost context without touching OpenGL.
    void Forget();
    bool Active() const { return colour_only_ != 0; }

    // Draws with the depth buffer attached, or without it.
    void UseDepth(bool depth);
    // glClear of the picture; a depth clear reaches the depth buffer also
    // while it is not attached.
    void Clear(GLbitfield mask);
    // Copies the picture into the bottom left of the window's back buffer,
    // window_width x window_height, black where the picture does not reach.
    void CopyToWindow(int window_width, int window_height) const;

private:
    void Bind(GLuint framebuffer) const;

    GLuint colour_ = 0;
    GLuint depth_ = 0;
    GLuint with_depth_ = 0;
    GLuint colour_only_ = 0;
    bool depth_attached_ = false;
    int width_ = 0;
    int height_ = 0;
};
