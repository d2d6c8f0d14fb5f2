#include "gfx2d/frame_target.h"

#include <initializer_list>

#include "gfx2d/gl_extensions.h"

namespace {

GLenum DepthFormatOfWindow() {
    GLint bits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &bits);
    if (bits >= 32) return GL_DEPTH_COMPONENT32;
    return bits >= 24 ? GL_DEPTH_COMPONENT24 : GL_DEPTH_COMPONENT16;
}

// A texture the rasteriser keeps as BGRA: an unsized internal format takes
// the layout of the pixels it is given.
GLuint MakeColourTexture(int width, int height) {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    return texture;
}

// Clears to opaque black, leaving the clear colour as the program set it.
void ClearToOpaqueBlack(GLbitfield mask) {
    GLfloat clear_colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear_colour);
    glClearColor(0, 0, 0, 1);
    glClear(mask);
    glClearColor(clear_colour[0], clear_colour[1], clear_colour[2], clear_colour[3]);
}

}  // namespace

FrameTarget::~FrameTarget() {
    Delete();
}

bool FrameTarget::Create(int width, int height) {
    Delete();
    if (GLExt::glGenFramebuffers == nullptr || width <= 0 || height <= 0) return false;
    const GLenum depth_format = DepthFormatOfWindow();
    colour_ = MakeColourTexture(width, height);
    GLExt::glGenRenderbuffers(1, &depth_);
    GLExt::glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    GLExt::glRenderbufferStorage(GL_RENDERBUFFER, depth_format, width, height);
    GLExt::glBindRenderbuffer(GL_RENDERBUFFER, 0);
    GLExt::glGenFramebuffers(1, &with_depth_);
    GLExt::glGenFramebuffers(1, &colour_only_);
    bool complete = true;
    for (const GLuint framebuffer : {with_depth_, colour_only_}) {
        GLExt::glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        GLExt::glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
        if (framebuffer == with_depth_)
            GLExt::glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
        complete = complete && GLExt::glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }
    if (!complete) {
        Delete();
        return false;
    }
    width_ = width;
    height_ = height;
    Bind(with_depth_);
    depth_attached_ = true;
    // Alpha 1 everywhere, which the colour mask then keeps.
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    ClearToOpaqueBlack(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    UseDepth(false);
    return true;
}

void FrameTarget::Delete() {
    if (!Active()) return;
    GLExt::glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    GLExt::glDeleteFramebuffers(1, &with_depth_);
    GLExt::glDeleteFramebuffers(1, &colour_only_);
    GLExt::glDeleteRenderbuffers(1, &depth_);
    glDeleteTextures(1, &colour_);
    Forget();
}

void FrameTarget::Forget() {
    colour_ = depth_ = with_depth_ = colour_only_ = 0;
    width_ = height_ = 0;
}

void FrameTarget::Bind(GLuint framebuffer) const {
    GLExt::glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

void FrameTarget::UseDepth(bool depth) {
    if (!Active() || depth == depth_attached_) return;
    depth_attached_ = depth;
    Bind(depth ? with_depth_ : colour_only_);
}

void FrameTarget::Clear(GLbitfield mask) {
    const bool reattach = Active() && !depth_attached_ && (mask & GL_DEPTH_BUFFER_BIT) != 0;
    if (reattach) Bind(with_depth_);
    glClear(mask);
    if (reattach) Bind(colour_only_);
}

void FrameTarget::CopyToWindow(int window_width, int window_height) const {
    if (!Active()) return;
    GLExt::glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    const bool scissor = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
    if (scissor) glDisable(GL_SCISSOR_TEST);
    if (window_width != width_ || window_height != height_) ClearToOpaqueBlack(GL_COLOR_BUFFER_BIT);
    GLExt::glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    if (scissor) glEnable(GL_SCISSOR_TEST);
    Bind(depth_attached_ ? with_depth_ : colour_only_);
}
