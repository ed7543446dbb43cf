// Abstract root of every axis node: graduated axes and groups of axes.
#include <Gridlux/axes/PoBaseAxis.h>

PO_KIT_ABSTRACT_SOURCE(PoBaseAxis);

void PoBaseAxis::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoBaseAxis, PoChartwork, "PoChartwork");
}

PoBaseAxis::PoBaseAxis()
{
  SO_KIT_CONSTRUCTOR(PoBaseAxis);
  SO_KIT_INIT_INSTANCE();
}

PoBaseAxis::~PoBaseAxis() = default;
