// The off-screen picture a video frame is drawn into at its fitted size, and
// its copy into the window's back buffer with black around it.
#pragma once

#include <GL/gl.h>

#include "media/video_fit.h"

class VideoTarget {
public:
    VideoTarget() = default;
    ~VideoTarget();
    VideoTarget(const VideoTarget&) = delete;
    VideoTarget& operator=(const VideoTarget&) = delete;

    // Makes the picture width x height; false when the context cannot draw off screen.
    bool Resize(int width, int height);
    GLuint Framebuffer() const { return framebuffer_; }
    // Clears the window's back buffer to black and copies the picture to
    // `place` (window pixels from the top left) in a window `window_height` high.
    void CopyIntoWindow(const VideoRect& place, int window_height) const;

private:
    void Free();

    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// Puts back what drawing a video frame changed in the OpenGL state, so that
// the runtime's own drawing carries on as before: saved on construction,
// restored on destruction.
class SavedDrawingState {
public:
    SavedDrawingState();
    ~SavedDrawingState();
    SavedDrawingState(const SavedDrawingState&) = delete;
    SavedDrawingState& operator=(const SavedDrawingState&) = delete;

private:
    // The framebuffers drawn into and read from, which may be the display's
    // off-screen picture rather than the window's.
    GLint draw_framebuffer_ = 0;
    GLint read_framebuffer_ = 0;
};
