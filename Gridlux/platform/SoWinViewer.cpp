// Window-system viewer reduced to a render area that is handed a camera.
#include <Gridlux/platform/SoWinViewer.h>

#include <Inventor/nodes/SoCamera.h>

SoWinViewer::SoWinViewer() = default;

SoWinViewer::~SoWinViewer()
{
  setCamera(nullptr);
}

void SoWinViewer::setCamera(SoCamera* camera)
{
  if (camera)
    camera->ref();
  if (m_camera)
    m_camera->unref();
  m_camera = camera;
}
