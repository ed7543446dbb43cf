// OSMesa context callbacks for Coin's offscreen renderer.
#include "OsMesaContext.h"

#include <GL/osmesa.h>
#include <Inventor/C/glue/gl.h>

#include <mutex>
#include <vector>

// Coin looks up every OpenGL function beyond 1.1 (buffer objects, texture
// objects, polygon offset, shaders) with glXGetProcAddress, found by name in
// the process. The one in libGLX hands back dispatch stubs that do nothing
// while no GLX context is current, which with OSMesa is always: textures and
// vertex buffers would silently vanish from the picture. A program that
// renders through OSMesa has no other GL, so these definitions, exported
// from the program (see tools/CMakeLists.txt) and found before libGLX's,
// answer with OSMesa's own functions.
extern "C" {

__attribute__((visibility("default"))) OSMESAproc
glXGetProcAddress(const GLubyte * name)
{
  return OSMesaGetProcAddress(reinterpret_cast<const char *>(name));
}

__attribute__((visibility("default"))) OSMESAproc
glXGetProcAddressARB(const GLubyte * name)
{
  return OSMesaGetProcAddress(reinterpret_cast<const char *>(name));
}

} // extern "C"

namespace gridlux {
namespace offscreen {

namespace {

// One offscreen context with the colour buffer it draws into, and whatever
// context was bound before it so that it can be put back afterwards.
struct Context {
  OSMesaContext context = nullptr;
  std::vector<unsigned char> buffer;
  GLsizei width = 0;
  GLsizei height = 0;

  OSMesaContext previous = nullptr;
  void * previousBuffer = nullptr;
  GLint previousWidth = 0;
  GLint previousHeight = 0;
};

cc_glglue_offscreen_data
createContext(unsigned int width, unsigned int height)
{
  if (width == 0 || height == 0) return nullptr;
  // An accumulation buffer lets the renderer average jittered passes; a Mesa
  // without one still gives a context that draws single passes.
  OSMesaContext osmesa = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 16, nullptr);
  if (!osmesa) osmesa = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
  if (!osmesa) return nullptr;
  Context * ctx = new Context;
  ctx->context = osmesa;
  ctx->width = static_cast<GLsizei>(width);
  ctx->height = static_cast<GLsizei>(height);
  ctx->buffer.assign(static_cast<size_t>(width) * height * 4, 0);
  return ctx;
}

SbBool
makeCurrent(cc_glglue_offscreen_data data)
{
  Context * ctx = static_cast<Context *>(data);
  if (!ctx) return FALSE;

  OSMesaContext current = OSMesaGetCurrentContext();
  ctx->previous = nullptr;
  ctx->previousBuffer = nullptr;
  if (current && current != ctx->context) {
    GLint format = 0;
    if (OSMesaGetColorBuffer(current, &ctx->previousWidth, &ctx->previousHeight,
                             &format, &ctx->previousBuffer)) {
      ctx->previous = current;
    }
  }
  return OSMesaMakeCurrent(ctx->context, ctx->buffer.data(), GL_UNSIGNED_BYTE,
                           ctx->width, ctx->height) ? TRUE : FALSE;
}

void
reinstatePrevious(cc_glglue_offscreen_data data)
{
  Context * ctx = static_cast<Context *>(data);
  if (!ctx) return;
  if (ctx->previous) {
    OSMesaMakeCurrent(ctx->previous, ctx->previousBuffer, GL_UNSIGNED_BYTE,
                      ctx->previousWidth, ctx->previousHeight);
  }
  else if (OSMesaGetCurrentContext() == ctx->context) {
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
  }
  ctx->previous = nullptr;
  ctx->previousBuffer = nullptr;
}

void
destructContext(cc_glglue_offscreen_data data)
{
  Context * ctx = static_cast<Context *>(data);
  if (!ctx) return;
  if (OSMesaGetCurrentContext() == ctx->context) {
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
  }
  OSMesaDestroyContext(ctx->context);
  delete ctx;
}

// Coin keeps the pointer, not a copy, so the table must outlive every render.
cc_glglue_offscreen_cb_functions callbacks = {
  createContext, makeCurrent, reinstatePrevious, destructContext
};

} // namespace

void
OsMesaContext::install()
{
  static std::once_flag once;
  std::call_once(once, [] { cc_glglue_context_set_offscreen_cb_functions(&callbacks); });
}

bool
OsMesaContext::probe(std::string * reason)
{
  cc_glglue_offscreen_data data = createContext(4, 4);
  if (!data) {
    if (reason) *reason = "OSMesa could not create an RGBA context with a depth buffer";
    return false;
  }
  bool ok = makeCurrent(data) == TRUE;
  if (!ok) {
    if (reason) *reason = "OSMesa could not bind its context";
  }
  else {
    const GLubyte * renderer = glGetString(GL_RENDERER);
    ok = renderer != nullptr && renderer[0] != '\0';
    if (!ok && reason) *reason = "the OSMesa context reports no OpenGL renderer";
    reinstatePrevious(data);
  }
  destructContext(data);
  return ok;
}

} // namespace offscreen
} // namespace gridlux
