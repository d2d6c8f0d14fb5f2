#include "media/video_target.h"

#include <GL/glext.h>

#include "platform/window.h"

namespace {

// The entry points beyond OpenGL 1.1 that a video needs, looked up once.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC GenFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC BindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC GenRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC BindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer = nullptr;
    PFNGLUSEPROGRAMPROC UseProgram = nullptr;
    PFNGLBINDBUFFERPROC BindBuffer = nullptr;
    PFNGLBINDVERTEXARRAYPROC BindVertexArray = nullptr;

    bool Complete() const {
        return GenFramebuffers && DeleteFramebuffers && BindFramebuffer && GenRenderbuffers &&
               DeleteRenderbuffers && BindRenderbuffer && RenderbufferStorage && FramebufferRenderbuffer &&
               CheckFramebufferStatus && BlitFramebuffer;
    }
};

template <class Function>
void Find(Function& function, const char* name) {
    function = reinterpret_cast<Function>(GLProcAddress(name));
}

const FramebufferCalls& GL() {
    static const FramebufferCalls calls = [] {
        FramebufferCalls c;
        Find(c.GenFramebuffers, "glGenFramebuffers");
        Find(c.DeleteFramebuffers, "glDeleteFramebuffers");
        Find(c.BindFramebuffer, "glBindFramebuffer");
        Find(c.GenRenderbuffers, "glGenRenderbuffers");
        Find(c.DeleteRenderbuffers, "glDeleteRenderbuffers");
        Find(c.BindRenderbuffer, "glBindRenderbuffer");
        Find(c.RenderbufferStorage, "glRenderbufferStorage");
        Find(c.FramebufferRenderbuffer, "glFramebufferRenderbuffer");
        Find(c.CheckFramebufferStatus, "glCheckFramebufferStatus");
        Find(c.BlitFramebuffer, "glBlitFramebuffer");
        Find(c.UseProgram, "glUseProgram");
        Find(c.BindBuffer, "glBindBuffer");
        Find(c.BindVertexArray, "glBindVertexArray");
        return c;
    }();
    return calls;
}

}  // namespace

VideoTarget::~VideoTarget() {
    Free();
}

void VideoTarget::Free() {
    if (framebuffer_ != 0) GL().DeleteFramebuffers(1, &framebuffer_);
    if (colour_ != 0) GL().DeleteRenderbuffers(1, &colour_);
    framebuffer_ = colour_ = 0;
    width_ = height_ = 0;
}

bool VideoTarget::Resize(int width, int height) {
    if (framebuffer_ != 0 && width == width_ && height == height_) return true;
    Free();
    if (!GL().Complete() || width <= 0 || height <= 0) return false;
    GL().GenRenderbuffers(1, &colour_);
    GL().BindRenderbuffer(GL_RENDERBUFFER, colour_);
    GL().RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    GL().BindRenderbuffer(GL_RENDERBUFFER, 0);
    GL().GenFramebuffers(1, &framebuffer_);
    GL().BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    GL().FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    const bool complete = GL().CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    GL().BindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        Free();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void VideoTarget::CopyIntoWindow(const VideoRect& place, int window_height) const {
    GL().BindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (framebuffer_ == 0) return;
    // Window rows count from the bottom.
    const int bottom = window_height - place.y - place.height;
    GL().BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    GL().BlitFramebuffer(0, 0, width_, height_, place.x, bottom, place.x + place.width, bottom + place.height,
                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    GL().BindFramebuffer(GL_FRAMEBUFFER, 0);
}

SavedDrawingState::SavedDrawingState() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
}

SavedDrawingState::~SavedDrawingState() {
    // What the attribute stack does not hold: the program, the bound buffers and framebuffers.
    if (GL().UseProgram) GL().UseProgram(0);
    if (GL().BindVertexArray) GL().BindVertexArray(0);
    if (GL().BindBuffer) {
        for (const GLenum target :
             {GL_ARRAY_BUFFER, GL_ELEMENT_ARRAY_BUFFER, GL_PIXEL_PACK_BUFFER, GL_PIXEL_UNPACK_BUFFER})
            GL().BindBuffer(target, 0);
    }
    if (GL().BindFramebuffer) GL().BindFramebuffer(GL_FRAMEBUFFER, 0);
    glPopClientAttrib();
    glPopAttrib();
}
