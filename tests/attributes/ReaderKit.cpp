// Test kit that reads elements: registered once, rebuilt only when its inputs change.
#include "ReaderKit.h"

#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoSeparator.h>

PO_KIT_SOURCE(ReaderKit);

ReaderKit::ReaderKit()
{
  SO_KIT_CONSTRUCTOR(ReaderKit);
  SO_KIT_ADD_CATALOG_ENTRY(body, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

ReaderKit::~ReaderKit() = default;

void ReaderKit::initClass()
{
  if (getClassTypeId() == SoType::badType())
    PO_KIT_INIT_CLASS(ReaderKit, PoChartwork, "PoChartwork");
}

void ReaderKit::rebuild()
{
  preRebuild();
  ++rebuilds;
  if (isStateValid()) {
    if (onRebuild)
      onRebuild(getState());
    for (int stack : stacks)
      addElementCache(stack);
  }
  SoSeparator* group = new SoSeparator;
  group->addChild(new SoCube);
  setAnyPart("body", group);
  postRebuild();
}
