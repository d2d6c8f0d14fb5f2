// The OpenGL extension entry points the display looks up at start-up: null
// until the context offers "GL_ARB_multitexture". Drawing code tests
// glMultiTexCoord2fARB for null to choose between one and two texture units.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

namespace GLExt {

extern PFNGLACTIVETEXTUREARBPROC glActiveTextureARB;
extern PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB;
extern PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB;
extern PFNGLGENBUFFERSARBPROC glGenBuffersARB;
extern PFNGLBINDBUFFERARBPROC glBindBufferARB;
extern PFNGLBUFFERDATAARBPROC glBufferDataARB;
extern PFNGLDELETEBUFFERSARBPROC glDeleteBuffersARB;
extern PFNGLMAPBUFFERARBPROC glMapBufferARB;
extern PFNGLUNMAPBUFFERARBPROC glUnmapBufferARB;

// Looks the entry points up in the current context, or leaves them all null
// when it lacks multitexturing.
void LoadExtensions();

}  // namespace GLExt
