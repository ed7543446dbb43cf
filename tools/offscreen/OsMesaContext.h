// Headless OpenGL for Coin's offscreen renderer: hands Coin callbacks that
// create and bind OSMesa contexts, so rendering needs no X display.
#ifndef GRIDLUX_OFFSCREEN_OSMESACONTEXT_H
#define GRIDLUX_OFFSCREEN_OSMESACONTEXT_H

#include <string>

namespace gridlux {
namespace offscreen {

/**
 * Installs the OSMesa context callbacks in Coin's GL glue. Coin's own GLX
 * path cannot make a context on a server without a display, so this must run
 * before the first SoOffscreenRenderer::render(). Each context is RGBA with a
 * 24-bit depth buffer, drawn into a buffer owned by the callback data.
 */
class OsMesaContext {
public:
  /** Hands Coin the callbacks; later calls do nothing. */
  static void install();

  /**
   * Creates and binds a small context and asks it for its renderer, to find
   * out before rendering whether OpenGL works at all. On failure `reason`
   * (when given) says why.
   */
  static bool probe(std::string * reason = nullptr);
};

} // namespace offscreen
} // namespace gridlux

#endif
