// Renders a scene graph offscreen into an RGBA picture, adding a camera and
// a light when the scene brings none, for the command-line tool and tests.
#ifndef GRIDLUX_OFFSCREEN_SCENERENDERER_H
#define GRIDLUX_OFFSCREEN_SCENERENDERER_H

#include "RgbaImage.h"

#include <Inventor/SbColor.h>

#include <string>

class SoNode;

namespace gridlux {
namespace offscreen {

/**
 * Draws a scene with SoOffscreenRenderer through OSMesa (installing the
 * context callbacks on first use). A scene without an SoCamera is viewed by a
 * perspective camera fitted to its bounding box (viewAll); a scene without
 * an SoLight gets a directional light pointing along the view of the camera
 * that draws it. The scene
 * itself is never modified: the additions sit in a separator above it.
 */
class SceneRenderer {
public:
  SceneRenderer();

  /** Picture size in pixels; default 400 x 400. */
  void setSize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }

  /** Background colour; default black. */
  void setBackground(const SbColor & color) { background_ = color; }
  const SbColor & background() const { return background_; }

  /**
   * Number of drawings averaged into the picture, each with the camera moved
   * by a fraction of a pixel: more than one smooths edges and keeps features
   * thinner than a pixel (the bar of a minus sign in small text) visible
   * instead of dropping them. Default 1 (one plain drawing); at most 16.
   */
  void setPasses(int passes) { passes_ = passes < 1 ? 1 : passes > 16 ? 16 : passes; }
  int passes() const { return passes_; }

  /**
   * Whether the picture keeps the renderer's alpha (background transparent)
   * or is made opaque (alpha 255 everywhere, the colours already blended over
   * the background). Default: opaque.
   */
  void setKeepAlpha(bool keep) { keepAlpha_ = keep; }
  bool keepAlpha() const { return keepAlpha_; }

  /**
   * Renders `scene` into `image` (top row first).
   * Returns false, leaving `image` empty and saying why in `error`, when the
   * scene is null, the size is out of range or no GL context can be made.
   */
  bool render(SoNode * scene, RgbaImage & image, std::string * error = nullptr) const;

  /** Whether width x height is a size the renderer can produce. */
  static bool isValidSize(int width, int height);

private:
  int width_;
  int height_;
  SbColor background_;
  bool keepAlpha_;
  int passes_ = 1;
};

} // namespace offscreen
} // namespace gridlux

#endif
