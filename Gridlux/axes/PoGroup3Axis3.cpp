// Three 3D axes from one corner of a box, one of them upright.
#include <Gridlux/axes/PoGroup3Axis3.h>

#include <Gridlux/axes/PoLinearAxis.h>
#include <Gridlux/base/PoDebugError.h>

PO_KIT_SOURCE(PoGroup3Axis3);

void PoGroup3Axis3::initClass()
{
  PO_KIT_INIT_CLASS(PoGroup3Axis3, PoBaseAxis, "PoBaseAxis");
}

PoGroup3Axis3::PoGroup3Axis3()
{
  SO_KIT_CONSTRUCTOR(PoGroup3Axis3);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zAxis, PoCartesianAxis, PoLinearAxis, TRUE, this, "", TRUE);

  SO_KIT_ADD_FIELD(start, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(end, (SbVec3f(1, 1, 1)));
  SO_KIT_ADD_FIELD(verticalAxisName, (Z_AXIS));
  SO_KIT_ADD_FIELD(xTitle, (""));
  SO_KIT_ADD_FIELD(yTitle, (""));
  SO_KIT_ADD_FIELD(zTitle, (""));
  SO_KIT_ADD_FIELD(xAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(yAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(zAxisType, (LINEAR));
  SO_KIT_DEFINE_ENUM_VALUE(AxisName, X_AXIS);
  SO_KIT_DEFINE_ENUM_VALUE(AxisName, Y_AXIS);
  SO_KIT_DEFINE_ENUM_VALUE(AxisName, Z_AXIS);
  SO_KIT_SET_SF_ENUM_TYPE(verticalAxisName, AxisName);
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LINEAR);
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LOGARITHMIC);
  SO_KIT_SET_SF_ENUM_TYPE(xAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(yAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(zAxisType, AxisType);
  SO_KIT_INIT_INSTANCE();

  setMemberParts({"xAxis", "yAxis", "zAxis"});
  initAxis();
  setUpConnections(TRUE, TRUE);
}

PoGroup3Axis3::~PoGroup3Axis3() = default;

void PoGroup3Axis3::initAxis()
{
  static const char* method = "PoGroup3Axis3::rebuild";
  int v = verticalAxisName.getValue();
  if (v < X_AXIS || v > Z_AXIS) {
    PoDebugError::post(method, "vertical axis %d is none of X_AXIS, Y_AXIS, Z_AXIS; Z_AXIS used", v);
    v = Z_AXIS;
  }
  const int h1 = (v + 1) % 3, h2 = (v + 2) % 3;
  const SbVec3f s = start.getValue(), e = end.getValue();
  // H1 hangs its labels below the floor, H2 lays them on the floor beside it, V stands them
  // beside itself: three rows that cross only at the start corner, where H2 gives way.
  auto typeOf = [&](int along) { return typeFor(along, along == h1 ? v : h1); };
  auto hintOf = [&](int along) { return along == h2 ? int(SKIP_FIRST_LABEL) : 0; };
  const Member members[] = {
      {"xAxis", xAxisType.getValue(), s, e[0], typeOf(0), xTitle.getValue(), hintOf(0)},
      {"yAxis", yAxisType.getValue(), s, e[1], typeOf(1), yTitle.getValue(), hintOf(1)},
      {"zAxis", zAxisType.getValue(), s, e[2], typeOf(2), zTitle.getValue(), hintOf(2)},
  };
  SbVec3f viewer(0, 0, 0);
  viewer[h1] = 1.0f;
  viewer[h2] = -1.0f;
  viewer[v] = 1.0f;
  setUpMembers(method, members, 3, s, e, viewer);
}

void PoGroup3Axis3::rebuild()
{
  preRebuild();
  initAxis();
  postRebuild();
}
