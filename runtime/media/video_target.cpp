#include "media/video_target.h"

#include <GL/glext.h>

#include <string>
#include <unordered_map>

#include "platform/window.h"

namespace {

// An OpenGL entry point beyond version 1.1, looked up by name once.
void* FindEntry(const char* name) {
    static std::unordered_map<std::string, void*> found;
    const auto [at, added] = found.try_emplace(name, nullptr);
    if (added) at->second = GLProcAddress(name);
    return at->second;
}

template <class Function>
Function Entry(const char* name) {
    return reinterpret_cast<Function>(FindEntry(name));
}

// Drawing off screen and copying into the window needs framebuffer objects.
bool CanDrawOffScreen() {
    static const bool can = [] {
        for (const char* name :
             {"glGenFramebuffers", "glDeleteFramebuffers", "glBindFramebuffer", "glGenRenderbuffers",
              "glDeleteRenderbuffers", "glBindRenderbuffer", "glRenderbufferStorage",
              "glFramebufferRenderbuffer", "glCheckFramebufferStatus", "glBlitFramebuffer"}) {
            if (FindEntry(name) == nullptr) return false;
        }
        return true;
    }();
    return can;
}

void BindFramebuffer(GLenum target, GLuint framebuffer) {
    Entry<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer")(target, framebuffer);
}

}  // namespace

VideoTarget::~VideoTarget() {
    Free();
}

void VideoTarget::Free() {
    if (framebuffer_ != 0) Entry<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers")(1, &framebuffer_);
    if (colour_ != 0) Entry<PFNGLDELETERENDERBUFFERSPROC>("glDeleteRenderbuffers")(1, &colour_);
    framebuffer_ = colour_ = 0;
    width_ = height_ = 0;
}

bool VideoTarget::Resize(int width, int height) {
    if (framebuffer_ != 0 && width == width_ && height == height_) return true;
    Free();
    if (!CanDrawOffScreen() || width <= 0 || height <= 0) return false;
    const auto bind_renderbuffer = Entry<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer");
    Entry<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers")(1, &colour_);
    bind_renderbuffer(GL_RENDERBUFFER, colour_);
    Entry<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage")(GL_RENDERBUFFER, GL_RGBA8, width, height);
    bind_renderbuffer(GL_RENDERBUFFER, 0);
    Entry<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers")(1, &framebuffer_);
    BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    Entry<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer")(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                                                                         GL_RENDERBUFFER, colour_);
    const bool complete = Entry<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus")(
                              GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    BindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        Free();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void VideoTarget::CopyIntoWindow(const VideoRect& place, int window_height) const {
    BindFramebuffer(GL_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (framebuffer_ == 0) return;
    // Window rows count from the bottom.
    const int bottom = window_height - place.y - place.height;
    BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    Entry<PFNGLBLITFRAMEBUFFERPROC>("glBlitFramebuffer")(0, 0, width_, height_, place.x, bottom,
                                                         place.x + place.width, bottom + place.height,
                                                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    BindFramebuffer(GL_FRAMEBUFFER, 0);
}

SavedDrawingState::SavedDrawingState() {
    if (CanDrawOffScreen()) {
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw_framebuffer_);
        glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read_framebuffer_);
    }
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
}

SavedDrawingState::~SavedDrawingState() {
    // What the attribute stack does not hold: the program, the bound buffers and framebuffers.
    if (const auto use_program = Entry<PFNGLUSEPROGRAMPROC>("glUseProgram")) use_program(0);
    if (const auto bind_vertex_array = Entry<PFNGLBINDVERTEXARRAYPROC>("glBindVertexArray"))
        bind_vertex_array(0);
    if (const auto bind_buffer = Entry<PFNGLBINDBUFFERPROC>("glBindBuffer")) {
        for (const GLenum target :
             {GL_ARRAY_BUFFER, GL_ELEMENT_ARRAY_BUFFER, GL_PIXEL_PACK_BUFFER, GL_PIXEL_UNPACK_BUFFER})
            bind_buffer(target, 0);
    }
    if (CanDrawOffScreen()) {
        BindFramebuffer(GL_DRAW_FRAMEBUFFER, static_cast<GLuint>(draw_framebuffer_));
        BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(read_framebuffer_));
    }
    glPopClientAttrib();
    glPopAttrib();
}
