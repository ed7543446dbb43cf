// A cartesian axis whose graduations carry given texts, spread evenly over the axis.
#include <Gridlux/axes/PoGenAxis.h>

#include <vector>

PO_KIT_SOURCE(PoGenAxis);

void PoGenAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoGenAxis, PoCartesianAxis, "PoCartesianAxis");
}

PoGenAxis::PoGenAxis()
{
  init(SbVec3f(0, 0, 0), 1.0f, XY);
}

PoGenAxis::PoGenAxis(const SbVec3f& startPoint, float endCoord, Type axisType,
                     const SbString* strings, int num)
{
  init(startPoint, endCoord, axisType);
  if (strings && num >= 0) {
    gradList.setValues(0, num, strings);
    gradList.setNum(num);
  }
}

void PoGenAxis::init(const SbVec3f& startPoint, float endCoord, Type axisType)
{
  SO_KIT_CONSTRUCTOR(PoGenAxis);
  SO_KIT_ADD_FIELD(gradList, (""));
  SO_KIT_INIT_INSTANCE();

  setPlacement(startPoint, endCoord, axisType);
  setUpConnections(TRUE, TRUE);
}

PoGenAxis::~PoGenAxis() = default;

void PoGenAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&gradList);
}

void PoGenAxis::rebuild()
{
  float s, e, lo, hi;
  if (!beginCartesianRebuild("PoGenAxis::rebuild", s, e, lo, hi)) {
    postRebuild();
    return;
  }

  int num = gradList.getNum();
  if (num > 1 && lo == hi)
    num = 0;
  // Positions are lo + i * spacing, the last one set to hi so that it ends exactly there.
  const double spacing = num > 1 ? (double(hi) - double(lo)) / (num - 1) : 0.0;
  std::vector<float> grads(num);
  std::vector<SbString> labels(num);
  const bool addString = gradAddStringVisibility.getValue();
  for (int i = 0; i < num; ++i) {
    grads[i] = i == num - 1 && num > 1 ? hi : float(double(lo) + i * spacing);
    labels[i] = gradList[i];
    if (addString)
      labels[i] += gradAddString.getValue();
  }
  buildGraduatedParts(s, e, lo, hi, float(spacing), num, grads.data(), labels.data());
  buildTitlePart();
  postRebuild();
}
