// Window-system render area reduced to what views need: a scene manager with a window size.
#ifndef GRIDLUX_SOWINRENDERAREA_H
#define GRIDLUX_SOWINRENDERAREA_H

#include <Inventor/SbVec2s.h>

class SoNode;
class SoSceneManager;

/**
 * @brief A render area: owns a scene manager that holds the scene graph and the window size.
 *
 * No window is opened; applications and tests give the size with setSize() and read mouse
 * positions in the window's pixels (origin at the top left, as window systems report them).
 */
class SoWinRenderArea {
public:
  SoWinRenderArea();
  virtual ~SoWinRenderArea();

  /** Sets the scene graph (referenced by the scene manager); null clears it. */
  void setSceneGraph(SoNode* scene);
  SoNode* getSceneGraph() const;
  /** Window size in pixels. */
  void setSize(const SbVec2s& size);
  SbVec2s getSize() const;
  SoSceneManager* getSceneManager() const { return m_sceneManager; }

private:
  SoWinRenderArea(const SoWinRenderArea&) = delete;
  SoWinRenderArea& operator=(const SoWinRenderArea&) = delete;

  SoSceneManager* m_sceneManager;
};

#endif
