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

}  // namespace

void LoadExtensions() {
    LoadSamplerObjects();
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
