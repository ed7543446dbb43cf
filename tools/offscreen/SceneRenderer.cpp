// Offscreen rendering of a scene graph into an RGBA picture.
#include "SceneRenderer.h"

#include "OsMesaContext.h"

#include <Inventor/C/base/string.h>
#include <Inventor/C/errors/debugerror.h>
#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoOffscreenRenderer.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/SoPath.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCamera.h>
#include <Inventor/nodes/SoDirectionalLight.h>
#include <Inventor/nodes/SoLight.h>
#include <Inventor/nodes/SoPerspectiveCamera.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cstring>

namespace gridlux {
namespace offscreen {

namespace {

// Largest side accepted: far beyond any picture the tools need, small enough
// that the byte count cannot overflow and an absurd request fails early.
const int kMaxSide = 16384;

// The first node of `type` (or derived) anywhere in the scene, switched-off
// children included, or null.
SoNode *
findFirst(SoNode * scene, SoType type)
{
  SoSearchAction search;
  search.setType(type, TRUE);
  search.setInterest(SoSearchAction::FIRST);
  search.setSearchingAll(TRUE);
  search.apply(scene);
  return search.getPath() ? search.getPath()->getTail() : nullptr;
}

// Coin's GL glue asks GLX whether a new context renders directly and warns
// when there is no GLX context, which with OSMesa there never is; the
// answer is unused offscreen. While a render runs, that one warning is
// dropped and every other message goes on to the handler that was there.
class GlxWarningFilter {
public:
  GlxWarningFilter()
    : previous_(cc_debugerror_get_handler_callback()),
      previousData_(cc_debugerror_get_handler_data())
  {
    forward_ = cc_debugerror_get_handler(&forwardData_);
    cc_debugerror_set_handler_callback(filter, this);
  }
  ~GlxWarningFilter() { cc_debugerror_set_handler_callback(previous_, previousData_); }
  GlxWarningFilter(const GlxWarningFilter &) = delete;
  GlxWarningFilter & operator=(const GlxWarningFilter &) = delete;

private:
  static void filter(const cc_debugerror * error, void * data)
  {
    const GlxWarningFilter * self = static_cast<const GlxWarningFilter *>(data);
    const char * text = cc_string_get_text(cc_error_get_debug_string(&error->super));
    if (cc_debugerror_get_severity(error) == CC_DEBUGERROR_WARNING && text &&
        std::strstr(text, "glxglue_isdirect")) {
      return;
    }
    if (self->forward_) self->forward_(error, self->forwardData_);
  }

  cc_debugerror_cb * previous_;
  void * previousData_;
  cc_debugerror_cb * forward_ = nullptr;
  void * forwardData_ = nullptr;
};

} // namespace

SceneRenderer::SceneRenderer()
  : width_(400), height_(400), background_(0.0f, 0.0f, 0.0f), keepAlpha_(false)
{
}

void
SceneRenderer::setSize(int width, int height)
{
  width_ = width;
  height_ = height;
}

bool
SceneRenderer::isValidSize(int width, int height)
{
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  return true;
}

bool
SceneRenderer::render(SoNode * scene, RgbaImage & image, std::string * error) const
{
  image = RgbaImage();
  auto fail = [error](const std::string & why) {
    if (error) *error = why;
    return false;
  };
  if (!scene) return fail("no scene to render");
  if (!isValidSize(width_, height_)) {
    return fail("picture size " + std::to_string(width_) + "x" + std::to_string(height_) +
                " is out of range (1 to " + std::to_string(kMaxSide) + " pixels a side)");
  }

  OsMesaContext::install();

  // Reference the scene before searching it, so that a caller handing in a
  // node with no references does not see it destroyed by the search's path.
  scene->ref();
  SoSeparator * root = new SoSeparator;
  root->ref();
  if (!findFirst(scene, SoLight::getClassTypeId())) {
    // Traversed before any camera, a light's direction is taken in eye
    // coordinates: this one is a headlight for whichever camera draws.
    root->addChild(new SoDirectionalLight);
  }
  SoPerspectiveCamera * camera = nullptr;
  if (!findFirst(scene, SoCamera::getClassTypeId())) {
    camera = new SoPerspectiveCamera;
    root->addChild(camera);
  }
  root->addChild(scene);

  const SbViewportRegion viewport(static_cast<short>(width_), static_cast<short>(height_));
  if (camera) camera->viewAll(root, viewport);

  GlxWarningFilter quiet;
  SoOffscreenRenderer renderer(viewport);
  renderer.setComponents(SoOffscreenRenderer::RGB_TRANSPARENCY);
  renderer.setBackgroundColor(background_);
  // Coin jitters the camera between passes and sums them in the accumulation
  // buffer, which the OSMesa contexts provide.
  renderer.getGLRenderAction()->setNumPasses(passes_);
  const bool drawn = renderer.render(root) == TRUE;

  bool ok = false;
  std::string why;
  const unsigned char * buffer = drawn ? renderer.getBuffer() : nullptr;
  if (!drawn || !buffer) {
    why = "no OpenGL context could be made for offscreen rendering";
    std::string reason;
    if (!OsMesaContext::probe(&reason)) why += " (" + reason + ")";
  }
  else {
    // The renderer's rows run bottom-up, as OpenGL reads them.
    const size_t row = static_cast<size_t>(width_) * 4;
    std::vector<uint8_t> bytes(row * static_cast<size_t>(height_));
    for (int y = 0; y < height_; ++y) {
      std::memcpy(&bytes[static_cast<size_t>(y) * row],
                  buffer + static_cast<size_t>(height_ - 1 - y) * row, row);
    }
    if (!keepAlpha_) {
      for (size_t i = 3; i < bytes.size(); i += 4) bytes[i] = 255;
    }
    image.assign(width_, height_, std::move(bytes));
    ok = true;
  }

  root->unref();
  scene->unrefNoDelete();
  return ok ? true : fail(why);
}

} // namespace offscreen
} // namespace gridlux
