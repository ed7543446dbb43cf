// Four 2D axes on the sides of a rectangle, labels outside it.
#include <Gridlux/axes/PoGroup4Axis.h>

#include <Gridlux/axes/PoLinearAxis.h>

PO_KIT_SOURCE(PoGroup4Axis);

void PoGroup4Axis::initClass()
{
  PO_KIT_INIT_CLASS(PoGroup4Axis, PoBaseAxis, "PoBaseAxis");
}

PoGroup4Axis::PoGroup4Axis()
{
  SO_KIT_CONSTRUCTOR(PoGroup4Axis);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xUpAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xDownAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yLeftAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yRightAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);

  SO_KIT_ADD_FIELD(start, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(end, (SbVec2f(1, 1)));
  SO_KIT_ADD_FIELD(xTitle, (""));
  SO_KIT_ADD_FIELD(yTitle, (""));
  SO_KIT_INIT_INSTANCE();

  setMemberParts({"xUpAxis", "xDownAxis", "yLeftAxis", "yRightAxis"});
  initAxis();
  setUpConnections(TRUE, TRUE);
}

PoGroup4Axis::~PoGroup4Axis() = default;

void PoGroup4Axis::initAxis()
{
  const SbVec2f s = start.getValue(), e = end.getValue();
  const SbString& x = xTitle.getValue();
  const SbString& y = yTitle.getValue();
  const Member members[] = {
      {"xUpAxis", MEMBER_ANY, SbVec3f(s[0], e[1], 0), e[0], PoCartesianAxis::XY, x, 0},
      {"xDownAxis", MEMBER_ANY, SbVec3f(s[0], s[1], 0), e[0], PoCartesianAxis::XY, x, 0},
      {"yLeftAxis", MEMBER_ANY, SbVec3f(s[0], s[1], 0), e[1], PoCartesianAxis::YX, y, TITLE_ALONG},
      {"yRightAxis", MEMBER_ANY, SbVec3f(e[0], s[1], 0), e[1], PoCartesianAxis::YX, y, TITLE_ALONG},
  };
  setUpMembers("PoGroup4Axis::rebuild", members, 4, SbVec3f(s[0], s[1], 0),
               SbVec3f(e[0], e[1], 0), SbVec3f(0, 0, 1));
}

void PoGroup4Axis::rebuild()
{
  preRebuild();
  initAxis();
  postRebuild();
}
