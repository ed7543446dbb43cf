// Labels at the points of the current one-dimensional series: values or names, with optional lines.
#include <Gridlux/text/PoLabel.h>

#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

PO_KIT_SOURCE(PoLabel);

void PoLabel::initClass()
{
  PO_KIT_INIT_CLASS(PoLabel, PoChart, "PoChart");
}

PoLabel::PoLabel()
{
  SO_KIT_CONSTRUCTOR(PoLabel);
  SO_KIT_ADD_CATALOG_ENTRY(label, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(labelLineSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(labelLineApp, SoAppearanceKit, TRUE, labelLineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(labelLine, SoGroup, TRUE, labelLineSep, "", TRUE);

  SO_KIT_ADD_FIELD(stringsIndex, (0));
  SO_KIT_ADD_FIELD(axis, (X));
  SO_KIT_ADD_FIELD(valueType, (VALUE));
  SO_KIT_ADD_FIELD(position, (VALUE_POS));
  SO_KIT_ADD_FIELD(threshold, (0.0f));
  SO_KIT_ADD_FIELD(offset, (SbVec3f(0, 0, 0)));
  offset.setNum(0);
  offset.setDefault(TRUE);
  SO_KIT_ADD_FIELD(fontSize, (0.0f));

  SO_KIT_DEFINE_ENUM_VALUE(Axis, X);
  SO_KIT_DEFINE_ENUM_VALUE(Axis, Y);
  SO_KIT_SET_SF_ENUM_TYPE(axis, Axis);
  SO_KIT_DEFINE_ENUM_VALUE(ValueType, VALUE);
  SO_KIT_DEFINE_ENUM_VALUE(ValueType, NAME);
  SO_KIT_SET_SF_ENUM_TYPE(valueType, ValueType);
  SO_KIT_DEFINE_ENUM_VALUE(Position, VALUE_POS);
  SO_KIT_DEFINE_ENUM_VALUE(Position, MIDDLE_POS);
  SO_KIT_DEFINE_ENUM_VALUE(Position, THRESHOLD_POS);
  SO_KIT_SET_SF_ENUM_TYPE(position, Position);

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoLabel::~PoLabel()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoLabel::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  SoField* const own[] = {&stringsIndex, &axis, &valueType, &position, &threshold, &offset, &fontSize};
  for (SoField* field : own)
    fields.append(field);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoLabel::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  addElementCache(PoLabelHintsElement::getClassStackIndex());
  addElementCache(PoMiscTextAttrElement::getClassStackIndex());
  addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoLabel::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  SoState* state = getState();
  if (!state)
    return;
  PoLabelHints::LabelPath path;
  PoLabelHints::Justification justification;
  const char* addString;
  int lines;
  PoLabelHintsElement::get(state, path, justification, addString, lines);
  PoMiscTextAttrElement::get(state);
  PoNumericDisplayFormatElement::get(state);
}

void PoLabel::rebuild()
{
  static const char* method = "PoLabel::rebuild";
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMesh1D* mesh = state ? PoMeshElement::getMesh1D(state) : nullptr;
  if (!mesh || mesh->isEmpty() || !mesh->getValuesSet(yValuesIndex.getValue())) {
    // Nothing to label: no series, or no ordinates (not an error: the series may come later).
    setAnyPart("label", nullptr);
    setAnyPart("labelLine", nullptr);
    postRebuild();
    return;
  }

  // The node index travels with each point, so that a name can be found for points between nodes.
  const int numNodes = mesh->getNumNodes();
  std::vector<float> nodeIndex(numNodes);
  for (int i = 0; i < numNodes; i++)
    nodeIndex[i] = float(i);
  int num = 0;
  float *x = nullptr, *y = nullptr;
  float* nodes = nodeIndex.data();
  SoMaterial* material = nullptr;
  mesh->getFilteredXYGeometry(this, state, num, x, y, material, nodes);
  if (material)
    material->ref();
  const SoNodeList materials = decomposeSoMaterial(material);

  PoLabelHints::LabelPath hintPath;
  PoLabelHints::Justification hintJustification;
  const char* addString = nullptr;
  int showLines = 0;
  PoLabelHintsElement::get(state, hintPath, hintJustification, addString, showLines);

  float size = fontSize.getValue();
  if (!(size >= 0.0f) || !std::isfinite(size)) {
    PoDebugError::post(method, "font size %g is not a size; computed instead", size);
    size = 0.0f;
  }
  const float extent = std::max(getDomain()->getDeltaX(), getDomain()->getDeltaY());
  size = (size == 0.0f ? 0.04f : size) * extent;

  const bool swap = axis.getValue() == Y;
  const bool names = valueType.getValue() == NAME;
  const SbString* strings = names ? mesh->getStringsSet(stringsIndex.getValue()) : nullptr;
  if (names && !strings)
    PoDebugError::post(method, "the mesh has no string set %d; the labels are empty", stringsIndex.getValue());
  PiNumericFormat formatter;
  std::string suffix;
  if (!names && num > 0) {
    formatter.setFormat(PoNumericDisplayFormatElement::get(state), num, y, 1);
    if (formatter.getTenPower() != 0)
      suffix = "E" + std::to_string(formatter.getTenPower()) + "\n";
  }

  PiText text;
  text.setTextAttributes(PoMiscTextAttrElement::get(state));
  text.setFontSize(size);
  static const PiText::Path paths[4] = {PiText::PATH_RIGHT, PiText::PATH_LEFT, PiText::PATH_UP, PiText::PATH_DOWN};
  text.setPath(hintPath == PoLabelHints::PATH_DEPEND ? PiText::PATH_RIGHT : paths[hintPath]);
  const PiText::HorAlignment hor = hintJustification == PoLabelHints::LEFT    ? PiText::LEFT
                                   : hintJustification == PoLabelHints::RIGHT ? PiText::RIGHT
                                                                              : PiText::CENTER;

  SoGroup* labels = new SoGroup;
  std::vector<SbVec3f> lineCoords;
  const float limit = threshold.getValue();
  for (int i = 0; i < num; i++) {
    const float value = y[i];
    float at = value;
    if (position.getValue() == MIDDLE_POS)
      at = (value + limit) / 2;
    else if (position.getValue() == THRESHOLD_POS)
      at = limit;
    SbVec3f anchor = swap ? SbVec3f(at, x[i], 0) : SbVec3f(x[i], at, 0);
    if (offset.getNum() > 0)
      anchor += offset[i % offset.getNum()];
    const SbVec3f point = swap ? SbVec3f(value, x[i], 0) : SbVec3f(x[i], value, 0);

    std::string label;
    if (names) {
      const int node = std::min(numNodes - 1, std::max(0, int(std::lround(nodes[i]))));
      if (strings)
        label = strings[node].getString();
    }
    else
      label = formatter.getString(value).getString() + suffix;
    if (addString)
      label += addString;

    SoSeparator* one = new SoSeparator;
    if (materials.getLength() > 0)
      one->addChild(materials[i % materials.getLength()]);
    text.setGroup(one);
    // Above a value that rises from the threshold, below one that falls from it.
    text.setAlignment(hor, value >= limit ? PiText::BOTTOM : PiText::TOP);
    text.setOrigin(anchor);
    text.setString(label.c_str());
    text.build();
    labels->addChild(one);
    if (showLines && anchor != point) {
      lineCoords.push_back(point);
      lineCoords.push_back(anchor);
    }
  }

  setAnyPart("label", labels);
  if (lineCoords.empty())
    setAnyPart("labelLine", nullptr);
  else {
    SoGroup* lines = new SoGroup;
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setValues(0, int(lineCoords.size()), lineCoords.data());
    SoLineSet* set = new SoLineSet;
    std::vector<int32_t> counts(lineCoords.size() / 2, 2);
    set->numVertices.setValues(0, int(counts.size()), counts.data());
    lines->addChild(coords);
    lines->addChild(set);
    setAnyPart("labelLine", lines);
  }
  if (material)
    material->unref();
  delete[] x;
  delete[] y;
  if (nodes != nodeIndex.data())
    delete[] nodes;
  postRebuild();
}
