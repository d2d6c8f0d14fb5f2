#include "gfx2d/gl_extensions.h"

#include "platform/window.h"

namespace GLExt {

PFNGLACTIVETEXTUREARBPROC glActiveTextureARB = nullptr;
PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB = nullptr;
PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB = nullptr;
PFNGLGENBUFFERSARBPROC glGenBuffersARB = nullptr;
PFNGLBINDBUFFERARBPROC glBindBufferARB = nullptr;
PFNGLBUFFERDATAARBPROC glBufferDataARB = nullptr;
PFNGLDELETEBUFFERSARBPROC glDeleteBuffersARB = nullptr;
PFNGLMAPBUFFERARBPROC glMapBufferARB = nullptr;
PFNGLUNMAPBUFFERARBPROC glUnmapBufferARB = nullptr;
PFNGLGENSAMPLERSPROC glGenSamplers = nullptr;
PFNGLDELETESAMPLERSPROC glDeleteSamplers = nullptr;
PFNGLBINDSAMPLERPROC glBindSampler = nullptr;
PFNGLSAMPLERPARAMETERIPROC glSamplerParameteri = nullptr;
PFNGLGENFRAMEBUFFERSPROC glGenFramebuffers = nullptr;
PFNGLDELETEFRAMEBUFFERSPROC glDeleteFramebuffers = nullptr;
PFNGLBINDFRAMEBUFFERPROC glBindFramebuffer = nullptr;
PFNGLFRAMEBUFFERTEXTURE2DPROC glFramebufferTexture2D = nullptr;
PFNGLFRAMEBUFFERRENDERBUFFERPROC glFramebufferRenderbuffer = nullptr;
PFNGLCHECKFRAMEBUFFERSTATUSPROC glCheckFramebufferStatus = nullptr;
PFNGLBLITFRAMEBUFFERPROC glBlitFramebuffer = nullptr;
PFNGLGENRENDERBUFFERSPROC glGenRenderbuffers = nullptr;
PFNGLDELETERENDERBUFFERSPROC glDeleteRenderbuffers = nullptr;
PFNGLBINDRENDERBUFFERPROC glBindRenderbuffer = nullptr;
PFNGLRENDERBUFFERSTORAGEPROC glRenderbufferStorage = nullptr;

namespace {

template <class Function>
void Load(Function& entry, const char* name) {
    entry = reinterpret_cast<Function>(GLProcAddress(name));
}

void LoadSamplerObjects() {
    if (!GLExtensionSupported("GL_ARB_sampler_objects")) return;
    Load(glGenSamplers, "glGenSamplers");
    Load(glDeleteSamplers, "glDeleteSamplers");
    Load(glBindSampler, "glBindSampler");
    Load(glSamplerParameteri, "glSamplerParameteri");
}

// The entry points of framebuffer objects; glGenFramebuffers stays null
// unless all of them are found.
void LoadFramebufferObjects() {
    if (!GLExtensionSupported("GL_ARB_framebuffer_object")) return;
    Load(glDeleteFramebuffers, "glDeleteFramebuffers");
    Load(glBindFramebuffer, "glBindFramebuffer");
    Load(glFramebufferTexture2D, "glFramebufferTexture2D");
    Load(glFramebufferRenderbuffer, "glFramebufferRenderbuffer");
    Load(glCheckFramebufferStatus, "glCheckFramebufferStatus");
    Load(glBlitFramebuffer, "glBlitFramebuffer");
    Load(glGenRenderbuffers, "glGenRenderbuffers");
    Load(glDeleteRenderbuffers, "glDeleteRenderbuffers");
    Load(glBindRenderbuffer, "glBindRenderbuffer");
    Load(glRenderbufferStorage, "glRenderbufferStorage");
    const bool all = glDeleteFramebuffers && glBindFramebuffer && glFramebufferTexture2D &&
                     glFramebufferRenderbuffer && glCheckFramebufferStatus && glBlitFramebuffer &&
                     glGenRenderbuffers && glDeleteRenderbuffers && glBindRenderbuffer &&
                     glRenderbufferStorage;
    if (all) Load(glGenFramebuffers, "glGenFramebuffers");
}

}  // namespace

void LoadExtensions() {
    LoadSamplerObjects();
    LoadFramebufferObjects();
    if (!GLExtensionSupported("GL_ARB_multitexture")) return;
    Load(glActiveTextureARB, "glActiveTextureARB");
    Load(glMultiTexCoord2fARB, "glMultiTexCoord2fARB");
    Load(glClientActiveTextureARB, "glClientActiveTextureARB");
    // The buffer-object entry points are looked up under the same test.
    Load(glGenBuffersARB, "glGenBuffersARB");
    Load(glBindBufferARB, "glBindBufferARB");
    Load(glBufferDataARB, "glBufferDataARB");
    Load(glDeleteBuffersARB, "glDeleteBuffersARB");
    Load(glMapBufferARB, "glMapBufferARB");
    Load(glUnmapBufferARB, "glUnmapBufferARB");
}

}  // namespace GLExt
