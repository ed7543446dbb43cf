// A pie of the values of the current one-dimensional mesh: ring-sector prisms and annotations.
#include <Gridlux/charts/PoPieChartRep.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PoBevelEdgeElement.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/SoPath.h>
#include <Inventor/elements/SoComplexityElement.h>
#include <Inventor/elements/SoComplexityTypeElement.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

PO_KIT_SOURCE(PoPieChartRep);

namespace {
const double kTwoPi = 6.283185307179586;
const double kPi = 3.141592653589793;
const float kAngleStep = 0.0349066f; // 2 degrees between arc points

bool findNamedSlice(const SoNode* node, const SoPath* path, int& number)
{
  if (!node)
    return false;
  const char* name = node->getName().getString();
  if (std::strncmp(name, "Slice", 5) == 0 && path->containsNode(node) &&
      std::sscanf(name + 5, "%d", &number) == 1)
    return true;
  const SoChildList* children = node->getChildren();
  if (children)
    for (int i = 0; i < children->getLength(); ++i)
      if (findNamedSlice((*children)[i], path, number))
        return true;
  return false;
}
} // namespace

void PoPieChartRep::initClass()
{
  PO_KIT_INIT_CLASS(PoPieChartRep, PoChart, "PoChart");
}

PoPieChartRep::PoPieChartRep()
{
  SO_KIT_CONSTRUCTOR(PoPieChartRep);
  SO_KIT_ADD_CATALOG_ENTRY(slice, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotation, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotationLine, SoGroup, TRUE, this, "", TRUE);

  SO_KIT_ADD_FIELD(stringsIndex, (0));
  SO_KIT_ADD_FIELD(radiusMin, (0.0f));
  SO_KIT_ADD_FIELD(radiusMax, (1.0f));
  SO_KIT_ADD_FIELD(sliceToTranslateNumber, (0));
  sliceToTranslateNumber.setNum(0);
  sliceToTranslateNumber.setDefault(TRUE);
  SO_KIT_ADD_FIELD(sliceToTranslateRadius, (0.0f));
  sliceToTranslateRadius.setNum(0);
  sliceToTranslateRadius.setDefault(TRUE);
  SO_KIT_ADD_FIELD(height, (0.3f));
  SO_KIT_ADD_FIELD(isNameVisible, (FALSE));
  SO_KIT_ADD_FIELD(isValueVisible, (FALSE));
  SO_KIT_ADD_FIELD(isPercentageVisible, (TRUE));
  SO_KIT_ADD_FIELD(annoDistToCenter, (0.5f));
  SO_KIT_ADD_FIELD(annoHeightFromSlice, (0.2f));
  SO_KIT_ADD_FIELD(isAnnoSliceColor, (TRUE));
  SO_KIT_ADD_FIELD(annoFontSize, (0.1f));

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoPieChartRep::~PoPieChartRep()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoPieChartRep::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  SoField* const own[] = {&stringsIndex,         &radiusMin,        &radiusMax,        &sliceToTranslateNumber,
                          &sliceToTranslateRadius, &height,         &isNameVisible,    &isValueVisible,
                          &isPercentageVisible,  &annoDistToCenter, &annoHeightFromSlice, &isAnnoSliceColor,
                          &annoFontSize};
  for (SoField* field : own)
    fields.append(field);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoPieChartRep::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  addElementCache(PoLabelHintsElement::getClassStackIndex());
  addElementCache(PoMiscTextAttrElement::getClassStackIndex());
  addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
  addElementCache(PoBevelEdgeElement::getClassStackIndex());
  addElementCache(SoComplexityElement::getClassStackIndex());
  addElementCache(SoComplexityTypeElement::getClassStackIndex());
}

void PoPieChartRep::addElementsAllCaches()
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
  SoComplexityElement::get(state);
  SoComplexityTypeElement::get(state);
}

void PoPieChartRep::setSliceToTranslate(int sliceNumber, float value)
{
  const int m = std::min(sliceToTranslateNumber.getNum(), sliceToTranslateRadius.getNum());
  int at = m;
  for (int i = 0; i < m; ++i)
    if (sliceToTranslateNumber[i] == sliceNumber) {
      at = i;
      break;
    }
  sliceToTranslateNumber.set1Value(at, short(sliceNumber));
  sliceToTranslateRadius.set1Value(at, value);
}

float PoPieChartRep::getSliceToTranslate(int sliceNumber) const
{
  const int m = std::min(sliceToTranslateNumber.getNum(), sliceToTranslateRadius.getNum());
  for (int i = 0; i < m; ++i)
    if (sliceToTranslateNumber[i] == sliceNumber)
      return sliceToTranslateRadius[i];
  return 0.0f;
}

SbBool PoPieChartRep::getPickedSliceNumber(const SoPath* path, int& sliceNumber) const
{
  if (!path || !path->containsNode(this))
    return FALSE;
  return findNamedSlice(const_cast<PoPieChartRep*>(this)->getPart("slice", FALSE), path, sliceNumber)
             ? TRUE
             : FALSE;
}

void PoPieChartRep::rebuild()
{
  static const char* method = "PoPieChartRep::rebuild";
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMesh1D* mesh = state ? PoMeshElement::getMesh1D(state) : nullptr;
  const float* values = mesh && !mesh->isEmpty() ? mesh->getValuesSet(yValuesIndex.getValue()) : nullptr;
  const float rMax = radiusMax.getValue();
  float rMin = radiusMin.getValue();
  const float h = height.getValue();
  if (values && (!std::isfinite(rMax) || !(rMax > 0.0f) || !std::isfinite(h) || h < 0.0f)) {
    PoDebugError::post(method, "radiusMax %g or height %g is not usable; nothing is drawn", rMax, h);
    values = nullptr;
  }
  double sum = 0.0;
  const int numNodes = values ? mesh->getNumNodes() : 0;
  for (int i = 0; i < numNodes; ++i)
    if (std::isfinite(values[i]) && values[i] > 0.0f)
      sum += values[i];
  if (!(sum > 0.0) || !std::isfinite(sum)) {
    setAnyPart("slice", nullptr);
    setAnyPart("annotation", nullptr);
    setAnyPart("annotationLine", nullptr);
    postRebuild();
    return;
  }
  if (!(rMin >= 0.0f && rMin < rMax))
    rMin = 0.0f;

  // Colours, one per node.
  const ColorSource source = getColorSource();
  const PbDataMapping* mapping = source == DATA_MAPPING_COLOR ? PoDataMappingElement::get(state) : nullptr;
  const float* colorValues = mapping ? mesh->getValuesSet(colorValuesIndex.getValue()) : nullptr;
  SoNodeList materials;
  if (source == MATERIAL_COLOR && material.getValue()->isOfType(SoMaterial::getClassTypeId()))
    materials = decomposeSoMaterial(static_cast<SoMaterial*>(material.getValue()));

  // Texts.
  const SbString* names = isNameVisible.getValue() ? mesh->getStringsSet(stringsIndex.getValue()) : nullptr;
  std::vector<float> positives, percents;
  for (int i = 0; i < numNodes; ++i)
    if (std::isfinite(values[i]) && values[i] > 0.0f) {
      positives.push_back(values[i]);
      percents.push_back(float(values[i] / sum * 100.0));
    }
  PiNumericFormat valueFormat, percentFormat;
  const PbNumericDisplayFormat* format = PoNumericDisplayFormatElement::get(state);
  valueFormat.setFormat(format, int(positives.size()), positives.data(), 1);
  percentFormat.setFormat(format, int(percents.size()), percents.data(), 1);
  PoLabelHints::LabelPath hintPath;
  PoLabelHints::Justification hintJustification;
  const char* addString = nullptr;
  int hintLines = 0;
  PoLabelHintsElement::get(state, hintPath, hintJustification, addString, hintLines);

  PiText text;
  text.setTextAttributes(PoMiscTextAttrElement::get(state));
  const float fontSize = (std::isfinite(annoFontSize.getValue()) && annoFontSize.getValue() > 0.0f
                              ? annoFontSize.getValue()
                              : 0.1f) *
                         rMax;
  text.setFontSize(fontSize);

  const int m = std::min(sliceToTranslateNumber.getNum(), sliceToTranslateRadius.getNum());
  SoGroup* slices = new SoGroup;
  SoGroup* annotations = new SoGroup;
  std::vector<SbVec3f> lineCoords;
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
  hints->shapeType = h > 0.0f ? SoShapeHints::SOLID : SoShapeHints::UNKNOWN_SHAPE_TYPE;
  slices->addChild(hints);

  double before = 0.0;
  int drawn = 0;
  for (int node = 0; node < numNodes; ++node) {
    const float v = values[node];
    if (!(std::isfinite(v) && v > 0.0f))
      continue;
    SliceAttr attr;
    attr.value = v;
    attr.radius = rMax;
    attr.startAngle = float(before / sum * kTwoPi);
    before += v;
    attr.endAngle = float(before / sum * kTwoPi);
    const float mid = 0.5f * (attr.startAngle + attr.endAngle);
    float t = 0.0f;
    for (int i = 0; i < m; ++i)
      if (sliceToTranslateNumber[i] == node && std::isfinite(sliceToTranslateRadius[i]))
        t = sliceToTranslateRadius[i];
    const SbVec3f u(std::cos(mid), std::sin(mid), 0.0f);
    const SbVec3f o = t > 0.0f ? t * u : SbVec3f(0, 0, 0);

    attr.material = nullptr;
    if (mapping && colorValues) {
      float transparency = 0.0f;
      const SbColor* color = mapping->getRGBColor(colorValues[node], transparency);
      if (color) {
        SoMaterial* mat = new SoMaterial;
        mat->diffuseColor.setValue(*color);
        if (mapping->isTransparencyEnabled())
          mat->transparency.setValue(transparency);
        attr.material = mat;
      }
    }
    else if (materials.getLength() > 0)
      attr.material = static_cast<SoMaterial*>(materials[drawn % materials.getLength()]);

    // Ring sector: inner and outer arc points, bottom and top.
    const float sweep = attr.endAngle - attr.startAngle;
    const int steps = std::max(1, int(std::ceil(sweep / kAngleStep)));
    const int k = steps + 1;
    std::vector<SbVec3f> pts(4 * k);
    for (int i = 0; i < k; ++i) {
      const float a = attr.startAngle + sweep * float(i) / float(steps);
      const SbVec3f dir(std::cos(a), std::sin(a), 0.0f);
      pts[i] = o + rMin * dir;                             // inner bottom
      pts[k + i] = o + rMax * dir;                         // outer bottom
      pts[2 * k + i] = pts[i] + SbVec3f(0, 0, h);         // inner top
      pts[3 * k + i] = pts[k + i] + SbVec3f(0, 0, h);     // outer top
    }
    std::vector<int32_t> index;
    auto quad = [&](int a, int b, int c, int d) {
      const int32_t q[] = {a, b, c, d, SO_END_FACE_INDEX};
      index.insert(index.end(), q, q + 5);
    };
    for (int i = 0; i < steps; ++i) {
      quad(2 * k + i, 3 * k + i, 3 * k + i + 1, 2 * k + i + 1); // top
      if (h > 0.0f) {
        quad(i, i + 1, k + i + 1, k + i);                     // bottom
        quad(k + i, k + i + 1, 3 * k + i + 1, 3 * k + i);     // outer wall
        if (rMin > 0.0f)
          quad(i + 1, i, 2 * k + i, 2 * k + i + 1);           // inner wall
      }
    }
    if (h > 0.0f) {
      quad(0, k, 3 * k, 2 * k);                                     // start side
      quad(k + steps, steps, 2 * k + steps, 3 * k + steps);         // end side
    }
    SoSeparator* one = new SoSeparator;
    if (attr.material)
      one->addChild(attr.material);
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setValues(0, int(pts.size()), pts.data());
    SoIndexedFaceSet* faces = new SoIndexedFaceSet;
    faces->coordIndex.setValues(0, int(index.size()), index.data());
    char name[32];
    std::snprintf(name, sizeof(name), "Slice%d", node);
    faces->setName(name);
    one->addChild(coords);
    one->addChild(faces);
    slices->addChild(one);

    // Annotation.
    std::string label;
    if (names)
      label += names[node].getString();
    if (isValueVisible.getValue())
      label += (label.empty() ? "" : "\n") + std::string(valueFormat.getString(v).getString());
    if (isPercentageVisible.getValue())
      label += (label.empty() ? "" : "\n") +
               std::string(percentFormat.getString(float(v / sum * 100.0)).getString()) + "%";
    if (addString)
      label += addString;
    if (!label.empty()) {
      const float dist = std::isfinite(annoDistToCenter.getValue()) ? annoDistToCenter.getValue() : 0.5f;
      const float up = std::isfinite(annoHeightFromSlice.getValue()) ? annoHeightFromSlice.getValue() : 0.2f;
      const SbVec3f rim = o + rMax * u + SbVec3f(0, 0, h);
      const SbVec3f anchor = o + (1.0f + dist) * rMax * u + SbVec3f(0, 0, h + up * rMax);
      SoSeparator* anno = new SoSeparator;
      if (attr.material && isAnnoSliceColor.getValue())
        anno->addChild(attr.material);
      text.setGroup(anno);
      const bool right = mid < kPi / 2 || mid > 3 * kPi / 2;
      text.setAlignment(std::fabs(mid - kPi / 2) < 0.2 || std::fabs(mid - 3 * kPi / 2) < 0.2
                            ? PiText::CENTER
                            : (right ? PiText::LEFT : PiText::RIGHT),
                        PiText::HALF);
      text.setOrigin(anchor);
      text.setString(label.c_str());
      text.build();
      annotations->addChild(anno);
      lineCoords.push_back(rim);
      lineCoords.push_back(anchor);
    }
    ++drawn;
  }

  setAnyPart("slice", slices);
  annotations->ref();
  setAnyPart("annotation", annotations->getNumChildren() > 0 ? annotations : nullptr);
  annotations->unref();
  if (lineCoords.empty())
    setAnyPart("annotationLine", nullptr);
  else {
    SoGroup* lines = new SoGroup;
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setValues(0, int(lineCoords.size()), lineCoords.data());
    SoLineSet* set = new SoLineSet;
    std::vector<int32_t> counts(lineCoords.size() / 2, 2);
    set->numVertices.setValues(0, int(counts.size()), counts.data());
    lines->addChild(coords);
    lines->addChild(set);
    setAnyPart("annotationLine", lines);
  }
  postRebuild();
}
