// Light view: a viewport and a camera.
#include <Gridlux/views/PoView.h>

#include <Inventor/nodekits/SoCameraKit.h>
#include <Inventor/nodes/SoCallback.h>

PO_KIT_SOURCE(PoView);

void PoView::initClass()
{
  PO_KIT_INIT_CLASS(PoView, PoBaseView, "PoBaseView");
}

PoView::PoView()
{
  SO_KIT_CONSTRUCTOR(PoView);
  SO_KIT_ADD_CATALOG_ENTRY(catchActionCallback, SoCallback, FALSE, this, "", FALSE);
  SO_KIT_ADD_CATALOG_ENTRY(cameraKit, SoCameraKit, FALSE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();

  static_cast<SoCallback*>(getAnyPart("catchActionCallback", TRUE))->setCallback(catchActionCB, this);
  setUpConnections(TRUE, TRUE);
}

PoView::~PoView()
{
  SoCallback* cb = static_cast<SoCallback*>(catchActionCallback.getValue());
  if (cb)
    cb->setCallback(nullptr, nullptr);
}

void PoView::copyContents(const SoFieldContainer* from, SbBool copyConnections)
{
  inherited::copyContents(from, copyConnections);
  // The copied callback part would point at the source view.
  SoCallback* cb = new SoCallback;
  cb->setCallback(catchActionCB, this);
  setAnyPart("catchActionCallback", cb);
  m_isSensitiveOnEvents = static_cast<const PoView*>(from)->m_isSensitiveOnEvents;
}
