// Scene view: a viewport with its own camera, scene, optional background and border.
#ifndef GRIDLUX_POSCENEVIEW_H
#define GRIDLUX_POSCENEVIEW_H

#include <Gridlux/views/PoBaseView.h>

#include <Inventor/fields/SoSFBool.h>

class SoFieldSensor;
class SoSensor;

/**
 * @brief A panel of the window, read and written as "PoSceneView".
 *
 * Parts (parent in brackets): `topSep` (SoSeparator), `catchActionCallback` (SoCallback [topSep]),
 * `backgroundSep` (SoSeparator [topSep]), `backgroundApp` (SoAppearanceKit [backgroundSep]),
 * `background` (SoGroup [backgroundSep]), `sceneSep` (SoSeparator [topSep]), `cameraKit`
 * (SoCameraKit [sceneSep]), `scene` (SoGroup [sceneSep]), `borderSep` (SoAnnotation [topSep], drawn
 * over the scene), `borderApp` (SoAppearanceKit [borderSep]), `border` (SoGroup [borderSep]).
 *
 * Fields: `isBackgroundVisible` (FALSE), `isBorderVisible` (FALSE). The background is a quad
 * filling the view, unlit (`backgroundApp.lightModel` BASE_COLOR), drawn first and leaving the
 * depth buffer at its far end so that the view's scene is drawn over whatever was under the
 * view; the border is the view's outline, coloured by `borderApp`.
 */
class PoSceneView : public PoBaseView {
  typedef PoBaseView inherited;
  PO_KIT_HEADER(PoSceneView);

  SO_KIT_CATALOG_ENTRY_HEADER(topSep);
  SO_KIT_CATALOG_ENTRY_HEADER(catchActionCallback);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundSep);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundApp);
  SO_KIT_CATALOG_ENTRY_HEADER(background);
  SO_KIT_CATALOG_ENTRY_HEADER(sceneSep);
  SO_KIT_CATALOG_ENTRY_HEADER(cameraKit);
  SO_KIT_CATALOG_ENTRY_HEADER(scene);
  SO_KIT_CATALOG_ENTRY_HEADER(borderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(borderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(border);

public:
  PoSceneView();
  static void initClass();

  SoSFBool isBackgroundVisible;
  SoSFBool isBorderVisible;

protected:
  virtual ~PoSceneView();
  virtual SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE);
  virtual void copyContents(const SoFieldContainer* from, SbBool copyConnections);
  virtual void setDefaultOnNonWritingFields();

  void drawBackground();
  void drawBorder();
  /** Redraws what @p sensor watches; both pieces when @p sensor is null. */
  static void sensorCB(void* data, SoSensor* sensor);

private:
  SoFieldSensor* m_backgroundSensor;
  SoFieldSensor* m_borderSensor;
};

#endif
