// Light view: a viewport and a camera for the nodes that follow it inside the view.
#ifndef GRIDLUX_POVIEW_H
#define GRIDLUX_POVIEW_H

#include <Gridlux/views/PoBaseView.h>

/**
 * @brief The light form of a view, read and written as "PoView".
 *
 * Parts, both directly under the kit: `catchActionCallback` (SoCallback, the view callback) and
 * `cameraKit` (SoCameraKit). Fields: those of PoBaseView.
 */
class PoView : public PoBaseView {
  typedef PoBaseView inherited;
  PO_KIT_HEADER(PoView);

  SO_KIT_CATALOG_ENTRY_HEADER(catchActionCallback);
  SO_KIT_CATALOG_ENTRY_HEADER(cameraKit);

public:
  PoView();
  static void initClass();

protected:
  virtual ~PoView();
  virtual void copyContents(const SoFieldContainer* from, SbBool copyConnections);
};

#endif
