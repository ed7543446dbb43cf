// Window-system viewer reduced to what views need: a render area that is handed a camera.
#ifndef GRIDLUX_SOWINVIEWER_H
#define GRIDLUX_SOWINVIEWER_H

#include <Gridlux/platform/SoWinRenderArea.h>

class SoCamera;

/** @brief A render area whose interaction drives one camera, given with setCamera(). */
class SoWinViewer : public SoWinRenderArea {
public:
  SoWinViewer();
  virtual ~SoWinViewer();

  /** The camera the viewer moves (referenced while held); null releases it. */
  virtual void setCamera(SoCamera* camera);
  SoCamera* getCamera() const { return m_camera; }

private:
  SoCamera* m_camera = nullptr;
};

#endif
