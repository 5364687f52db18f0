#pragma once
// The OpenGL 3.3 core entry points the renderer uses, loaded at run time
// through the platform layer. Call them as gl::Clear(...), gl::DrawArrays(...).
#include <GL/glcorearb.h>

// X(type, our name, GL symbol)
#define CORVIDALE_GL_FUNCTIONS(X)                                                       \
  X(PFNGLGETINTEGERVPROC, GetIntegerv, glGetIntegerv)                                   \
  X(PFNGLGETSTRINGPROC, GetString, glGetString)                                         \
  X(PFNGLGETERRORPROC, GetError, glGetError)                                            \
  X(PFNGLVIEWPORTPROC, Viewport, glViewport)                                            \
  X(PFNGLENABLEPROC, Enable, glEnable)                                                  \
  X(PFNGLDISABLEPROC, Disable, glDisable)                                               \
  X(PFNGLISENABLEDPROC, IsEnabled, glIsEnabled)                                         \
  X(PFNGLBLENDFUNCPROC, BlendFunc, glBlendFunc)                                         \
  X(PFNGLPOLYGONMODEPROC, PolygonMode, glPolygonMode)                                   \
  X(PFNGLCLEARBUFFERFVPROC, ClearBufferfv, glClearBufferfv)                             \
  X(PFNGLFINISHPROC, Finish, glFinish)                                                  \
  X(PFNGLREADPIXELSPROC, ReadPixels, glReadPixels)                                      \
  X(PFNGLGENFRAMEBUFFERSPROC, GenFramebuffers, glGenFramebuffers)                       \
  X(PFNGLBINDFRAMEBUFFERPROC, BindFramebuffer, glBindFramebuffer)                       \
  X(PFNGLFRAMEBUFFERTEXTURE2DPROC, FramebufferTexture2D, glFramebufferTexture2D)        \
  X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, CheckFramebufferStatus, glCheckFramebufferStatus)  \
  X(PFNGLDELETEFRAMEBUFFERSPROC, DeleteFramebuffers, glDeleteFramebuffers)              \
  X(PFNGLGENTEXTURESPROC, GenTextures, glGenTextures)                                   \
  X(PFNGLBINDTEXTUREPROC, BindTexture, glBindTexture)                                   \
  X(PFNGLACTIVETEXTUREPROC, ActiveTexture, glActiveTexture)                             \
  X(PFNGLPIXELSTOREIPROC, PixelStorei, glPixelStorei)                                   \
  X(PFNGLTEXIMAGE2DPROC, TexImage2D, glTexImage2D)                                      \
  X(PFNGLTEXPARAMETERIPROC, TexParameteri, glTexParameteri)                             \
  X(PFNGLGETTEXIMAGEPROC, GetTexImage, glGetTexImage)                                   \
  X(PFNGLDELETETEXTURESPROC, DeleteTextures, glDeleteTextures)                          \
  X(PFNGLGENVERTEXARRAYSPROC, GenVertexArrays, glGenVertexArrays)                       \
  X(PFNGLBINDVERTEXARRAYPROC, BindVertexArray, glBindVertexArray)                       \
  X(PFNGLDELETEVERTEXARRAYSPROC, DeleteVertexArrays, glDeleteVertexArrays)              \
  X(PFNGLGENBUFFERSPROC, GenBuffers, glGenBuffers)                                      \
  X(PFNGLBINDBUFFERPROC, BindBuffer, glBindBuffer)                                      \
  X(PFNGLBUFFERDATAPROC, BufferData, glBufferData)                                      \
  X(PFNGLBUFFERSUBDATAPROC, BufferSubData, glBufferSubData)                             \
  X(PFNGLBLITFRAMEBUFFERPROC, BlitFramebuffer, glBlitFramebuffer)                       \
  X(PFNGLGETBUFFERSUBDATAPROC, GetBufferSubData, glGetBufferSubData)                    \
  X(PFNGLGETBUFFERPARAMETERIVPROC, GetBufferParameteriv, glGetBufferParameteriv)        \
  X(PFNGLDELETEBUFFERSPROC, DeleteBuffers, glDeleteBuffers)                             \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray, glEnableVertexAttribArray) \
  X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer, glVertexAttribPointer)           \
  X(PFNGLDRAWARRAYSPROC, DrawArrays, glDrawArrays)                                      \
  X(PFNGLDRAWELEMENTSPROC, DrawElements, glDrawElements)                                \
  X(PFNGLVERTEXATTRIB1FPROC, VertexAttrib1f, glVertexAttrib1f)                          \
  X(PFNGLVERTEXATTRIB4FPROC, VertexAttrib4f, glVertexAttrib4f)                          \
  X(PFNGLCREATEPROGRAMPROC, CreateProgram, glCreateProgram)                             \
  X(PFNGLDELETEPROGRAMPROC, DeleteProgram, glDeleteProgram)                             \
  X(PFNGLCREATESHADERPROC, CreateShader, glCreateShader)                                \
  X(PFNGLSHADERSOURCEPROC, ShaderSource, glShaderSource)                                \
  X(PFNGLCOMPILESHADERPROC, CompileShader, glCompileShader)                             \
  X(PFNGLGETSHADERIVPROC, GetShaderiv, glGetShaderiv)                                   \
  X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog, glGetShaderInfoLog)                    \
  X(PFNGLATTACHSHADERPROC, AttachShader, glAttachShader)                                \
  X(PFNGLDELETESHADERPROC, DeleteShader, glDeleteShader)                                \
  X(PFNGLLINKPROGRAMPROC, LinkProgram, glLinkProgram)                                   \
  X(PFNGLGETPROGRAMIVPROC, GetProgramiv, glGetProgramiv)                                \
  X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog, glGetProgramInfoLog)                 \
  X(PFNGLUSEPROGRAMPROC, UseProgram, glUseProgram)                                      \
  X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation, glGetUniformLocation)              \
  X(PFNGLGETUNIFORMFVPROC, GetUniformfv, glGetUniformfv)                                \
  X(PFNGLGETUNIFORMIVPROC, GetUniformiv, glGetUniformiv)                                \
  X(PFNGLUNIFORM1IPROC, Uniform1i, glUniform1i)                                         \
  X(PFNGLUNIFORM1FPROC, Uniform1f, glUniform1f)                                         \
  X(PFNGLUNIFORM2FPROC, Uniform2f, glUniform2f)                                         \
  X(PFNGLUNIFORM2FVPROC, Uniform2fv, glUniform2fv)                                      \
  X(PFNGLUNIFORM4FPROC, Uniform4f, glUniform4f)                                         \
  X(PFNGLUNIFORMMATRIX4FVPROC, UniformMatrix4fv, glUniformMatrix4fv)

namespace gl {

#define CORVIDALE_DECLARE_GL(type, name, symbol) extern type name;
CORVIDALE_GL_FUNCTIONS(CORVIDALE_DECLARE_GL)
#undef CORVIDALE_DECLARE_GL

using ProcLookup = void* (*)(const char* name);

// Fetches every entry point through lookup and reads the context's version.
// False when any entry point is missing or the major version is below 3
// (a context that lacks a core entry point would crash at its first use).
bool Load(ProcLookup lookup, int& major, int& minor);

// Ends the program with status after marking the context gone, so no
// destructor that runs during exit reaches into GL.
[[noreturn]] void ExitProgram(int status);

// True for 3.3 and anything newer.
bool VersionSupported(int major, int minor);

// True between a successful Load and MarkContextGone. GL objects owned by
// long-lived registries check it before deleting, so nothing calls into a
// context that no longer exists (static destructors at exit, exit paths).
bool ContextAlive();
void MarkContextGone();

}  // namespace gl
