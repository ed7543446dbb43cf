// Six 3D axes on the edges of a box: three from its start corner, three from the far one.
#include <Gridlux/axes/PoGroup6Axis3.h>

#include <Gridlux/axes/PoLinearAxis.h>

PO_KIT_SOURCE(PoGroup6Axis3);

void PoGroup6Axis3::initClass()
{
  PO_KIT_INIT_CLASS(PoGroup6Axis3, PoBaseAxis, "PoBaseAxis");
}

PoGroup6Axis3::PoGroup6Axis3()
{
  SO_KIT_CONSTRUCTOR(PoGroup6Axis3);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xUpAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xDownAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yLeftAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yRightAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zUpAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zDownAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);

  SO_KIT_ADD_FIELD(start, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(end, (SbVec3f(1, 1, 1)));
  SO_KIT_ADD_FIELD(xTitle, (""));
  SO_KIT_ADD_FIELD(yTitle, (""));
  SO_KIT_ADD_FIELD(zTitle, (""));
  SO_KIT_ADD_FIELD(xAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(yAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(zAxisType, (LINEAR));
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LINEAR);
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LOGARITHMIC);
  SO_KIT_SET_SF_ENUM_TYPE(xAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(yAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(zAxisType, AxisType);
  SO_KIT_INIT_INSTANCE();

  setMemberParts({"xUpAxis", "xDownAxis", "yLeftAxis", "yRightAxis", "zUpAxis", "zDownAxis"});
  initAxis();
  setUpConnections(TRUE, TRUE);
}

PoGroup6Axis3::~PoGroup6Axis3() = default;

void PoGroup6Axis3::initAxis()
{
  const SbVec3f s = start.getValue(), e = end.getValue();
  const int x = xAxisType.getValue(), y = yAxisType.getValue(), z = zAxisType.getValue();
  const SbString& xt = xTitle.getValue();
  const SbString& yt = yTitle.getValue();
  const SbString& zt = zTitle.getValue();
  const Member members[] = {
      {"xUpAxis", x, SbVec3f(s[0], e[1], e[2]), e[0], PoCartesianAxis::XZ, xt, 0},
      {"xDownAxis", x, s, e[0], PoCartesianAxis::XZ, xt, 0},
      {"yLeftAxis", y, s, e[1], PoCartesianAxis::YX, yt, SKIP_FIRST_LABEL},
      {"yRightAxis", y, SbVec3f(e[0], s[1], e[2]), e[1], PoCartesianAxis::YX, yt, SKIP_LAST_LABEL},
      {"zUpAxis", z, SbVec3f(e[0], e[1], s[2]), e[2], PoCartesianAxis::ZX, zt, 0},
      {"zDownAxis", z, s, e[2], PoCartesianAxis::ZX, zt, 0},
  };
  setUpMembers("PoGroup6Axis3::rebuild", members, 6, s, e, SbVec3f(1, -1, 1));
}

void PoGroup6Axis3::rebuild()
{
  preRebuild();
  initAxis();
  postRebuild();
}
