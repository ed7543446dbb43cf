// Window-system render area reduced to a scene manager with a window size.
#include <Gridlux/platform/SoWinRenderArea.h>

#include <Inventor/SoSceneManager.h>

SoWinRenderArea::SoWinRenderArea() : m_sceneManager(new SoSceneManager) {}

SoWinRenderArea::~SoWinRenderArea()
{
  m_sceneManager->setSceneGraph(nullptr);
  delete m_sceneManager;
}

void SoWinRenderArea::setSceneGraph(SoNode* scene)
{
  m_sceneManager->setSceneGraph(scene);
}

SoNode* SoWinRenderArea::getSceneGraph() const
{
  return m_sceneManager->getSceneGraph();
}

void SoWinRenderArea::setSize(const SbVec2s& size)
{
  m_sceneManager->setWindowSize(size);
}

SbVec2s SoWinRenderArea::getSize() const
{
  return m_sceneManager->getWindowSize();
}
