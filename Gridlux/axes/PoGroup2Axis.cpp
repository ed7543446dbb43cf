// Two 2D axes from one corner of a frame: X along the bottom, Y up the left side.
#include <Gridlux/axes/PoGroup2Axis.h>

#include <Gridlux/axes/PoLinearAxis.h>

PO_KIT_SOURCE(PoGroup2Axis);

void PoGroup2Axis::initClass()
{
  PO_KIT_INIT_CLASS(PoGroup2Axis, PoBaseAxis, "PoBaseAxis");
}

PoGroup2Axis::PoGroup2Axis()
{
  SO_KIT_CONSTRUCTOR(PoGroup2Axis);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);

  SO_KIT_ADD_FIELD(start, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(end, (SbVec2f(1, 1)));
  SO_KIT_ADD_FIELD(xTitle, (""));
  SO_KIT_ADD_FIELD(yTitle, (""));
  SO_KIT_ADD_FIELD(xAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(yAxisType, (LINEAR));
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LINEAR);
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LOGARITHMIC);
  SO_KIT_SET_SF_ENUM_TYPE(xAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(yAxisType, AxisType);
  SO_KIT_INIT_INSTANCE();

  setMemberParts({"xAxis", "yAxis"});
  initAxis();
  setUpConnections(TRUE, TRUE);
}

PoGroup2Axis::~PoGroup2Axis() = default;

void PoGroup2Axis::initAxis()
{
  const SbVec2f s = start.getValue(), e = end.getValue();
  const SbVec3f corner(s[0], s[1], 0.0f);
  const Member members[] = {
      {"xAxis", xAxisType.getValue(), corner, e[0], PoCartesianAxis::XY, xTitle.getValue(), 0},
      {"yAxis", yAxisType.getValue(), corner, e[1], PoCartesianAxis::YX, yTitle.getValue(), 0},
  };
  setUpMembers("PoGroup2Axis::rebuild", members, 2, corner, SbVec3f(e[0], e[1], 0.0f),
               SbVec3f(0, 0, 1));
}

void PoGroup2Axis::rebuild()
{
  preRebuild();
  initAxis();
  postRebuild();
}
