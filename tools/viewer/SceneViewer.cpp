// Examiner viewer of `gridlux view`: snapshot and quit keys, reload on change.
#include "SceneViewer.h"

#include "SceneReader.h"
#include "offscreen/PngFile.h"
#include "offscreen/RgbaImage.h"

#include <Inventor/Qt/SoQt.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/events/SoKeyboardEvent.h>
#include <Inventor/nodes/SoCamera.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/sensors/SoTimerSensor.h>

#include <GL/gl.h>
#include <sys/stat.h>

#include <cstdio>
#include <iostream>
#include <vector>

namespace gridlux {
namespace cli {

namespace {

// OUT.png with "_" and a three-digit number before its extension.
std::string
numberedName(const std::string & base, int number)
{
  char digits[16];
  std::snprintf(digits, sizeof digits, "_%03d", number);
  const size_t dot = base.rfind('.');
  const size_t slash = base.find_last_of('/');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return hasExtension ? base.substr(0, dot) + digits + base.substr(dot) : base + digits;
}

bool
hasCamera(SoNode * root)
{
  SoSearchAction search;
  search.setType(SoCamera::getClassTypeId());
  search.setInterest(SoSearchAction::FIRST);
  search.apply(root);
  return search.getPath() != nullptr;
}

} // namespace

bool
SceneViewer::FileStamp::operator==(const FileStamp & other) const
{
  return exists == other.exists && device == other.device && inode == other.inode &&
         size == other.size && modifiedNs == other.modifiedNs;
}

SceneViewer::FileStamp
SceneViewer::stampOf(const std::string & path)
{
  FileStamp stamp;
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return stamp;
  stamp.exists = true;
  stamp.device = info.st_dev;
  stamp.inode = info.st_ino;  // editors often save by renaming a new file over the old
  stamp.size = info.st_size;
  stamp.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  return stamp;
}

SceneViewer::SceneViewer(QWidget * parent, const std::string & scenePath,
                         const std::string & snapshotBase)
  : inherited(parent), scenePath_(scenePath), snapshotBase_(snapshotBase)
{
  stamp_ = stampOf(scenePath_);
  watch_ = new SoTimerSensor(watchCallback, this);
  watch_->setInterval(SbTime(0.5));
  watch_->schedule();
}

SceneViewer::~SceneViewer()
{
  delete watch_;
}

void
SceneViewer::showScene(SoSeparator * root)
{
  sceneHasCamera_ = hasCamera(root);
  setSceneGraph(root);
}

void
SceneViewer::requestSnapshot()
{
  snapshotPending_ = true;
  scheduleRedraw();
}

SbBool
SceneViewer::processSoEvent(const SoEvent * const event)
{
  // Taken before the viewer's own keys ('s' would otherwise start a seek).
  if (SO_KEY_PRESS_EVENT(event, S)) {
    requestSnapshot();
    return TRUE;
  }
  if (SO_KEY_PRESS_EVENT(event, Q)) {
    SoQt::exitMainLoop();
    return TRUE;
  }
  return inherited::processSoEvent(event);
}

void
SceneViewer::actualRedraw()
{
  inherited::actualRedraw();
  // The picture is read back before the buffers are swapped, so it is
  // exactly what this drawing puts in the window.
  if (snapshotPending_) {
    snapshotPending_ = false;
    writeSnapshot();
  }
}

void
SceneViewer::writeSnapshot()
{
  const SbVec2s size = getGLSize();
  const int width = size[0], height = size[1];
  if (width <= 0 || height <= 0) return;
  std::vector<uint8_t> rows(static_cast<size_t>(width) * height * 4);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(isDoubleBuffer() ? GL_BACK : GL_FRONT);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());

  // GL counts rows from the bottom, the picture from the top.
  std::vector<uint8_t> bytes(rows.size());
  const size_t stride = static_cast<size_t>(width) * 4;
  for (int y = 0; y < height; ++y) {
    std::copy_n(&rows[static_cast<size_t>(height - 1 - y) * stride], stride, &bytes[static_cast<size_t>(y) * stride]);
  }
  for (size_t i = 3; i < bytes.size(); i += 4) bytes[i] = 255;  // the window is opaque
  offscreen::RgbaImage image;
  image.assign(width, height, std::move(bytes));

  const std::string name = numberedName(snapshotBase_, snapshotCount_++);
  std::string error;
  if (offscreen::PngFile::write(name, image, &error)) std::cout << "gridlux: wrote " << name << std::endl;
  else std::cerr << "gridlux: " << error << std::endl;
}

void
SceneViewer::watchCallback(void * data, SoSensor *)
{
  static_cast<SceneViewer *>(data)->reloadIfChanged();
}

void
SceneViewer::reloadIfChanged()
{
  // Without a window manager (under Xvfb, say) the first drawing can happen
  // before the window is mapped at its size and never reach the screen;
  // drawing again over the first two seconds puts it there.
  if (startTicks_ > 0) {
    --startTicks_;
    scheduleRedraw();
  }
  const FileStamp now = stampOf(scenePath_);
  if (now == stamp_) return;
  stamp_ = now;

  std::string error;
  SoSeparator * root = SceneReader::read(scenePath_, error);
  if (!root) {
    std::cerr << "gridlux: " << error << " (still showing the last scene read)" << std::endl;
    return;
  }
  // A scene without a camera is seen through the viewer's own, which keeps
  // where the user turned it when the new scene has none either.
  SoCamera * previous = nullptr;
  SoCamera * camera = getCamera();
  if (!sceneHasCamera_ && camera) {
    previous = static_cast<SoCamera *>(camera->getTypeId().createInstance());
    previous->ref();
    previous->copyFieldValues(camera);
  }
  showScene(root);
  root->unref();
  camera = getCamera();
  if (previous && !sceneHasCamera_ && camera && camera->getTypeId() == previous->getTypeId()) {
    camera->copyFieldValues(previous);
  }
  if (previous) previous->unref();
  std::cout << "gridlux: reloaded " << scenePath_ << std::endl;
}

} // namespace cli
} // namespace gridlux
