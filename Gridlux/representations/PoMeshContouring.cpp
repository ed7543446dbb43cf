// Contour lines of a scalar value set of a 2D mesh, split into major and minor lines.
#include <Gridlux/representations/PoMeshContouring.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/misc/SoState.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>

PO_KIT_SOURCE(PoMeshContouring);

void PoMeshContouring::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshContouring, PoMesh2D, "PoMesh2D");
}

PoMeshContouring::PoMeshContouring()
{
  SO_KIT_CONSTRUCTOR(PoMeshContouring);

  SO_KIT_ADD_CATALOG_ENTRY(transform, SoMatrixTransform, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(majorContourLineSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(majorContourLineApp, SoAppearanceKit, TRUE, majorContourLineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(majorContourLine, SoGroup, TRUE, majorContourLineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(minorContourLineSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(minorContourLineApp, SoAppearanceKit, TRUE, minorContourLineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(minorContourLine, SoGroup, TRUE, minorContourLineSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotBackgroundSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotBackgroundApp, SoAppearanceKit, TRUE, annotBackgroundSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotBackground, SoGroup, TRUE, annotBackgroundSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotBackgroundBorderSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotBackgroundBorderApp, SoAppearanceKit, TRUE, annotBackgroundBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotBackgroundBorder, SoGroup, TRUE, annotBackgroundBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotTextApp, SoAppearanceKit, TRUE, annotTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(annotText, SoGroup, TRUE, annotTextSep, "", TRUE);

  SO_KIT_ADD_FIELD(majorPeriod, (3));
  SO_KIT_ADD_FIELD(firstMajor, (1));
  SO_KIT_ADD_FIELD(annotIsVisible, (FALSE));
  SO_KIT_ADD_FIELD(annotPath, (TANGENTIAL_PATH));
  SO_KIT_ADD_FIELD(annotCrossStatus, (CROSS_CONTOUR));
  SO_KIT_ADD_FIELD(annotIsBackground, (FALSE));
  SO_KIT_ADD_FIELD(annotIsContourClip, (FALSE));
  SO_KIT_ADD_FIELD(annotGap, (1.0f));
  SO_KIT_ADD_FIELD(annotClippingPolygon, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(annotFontSize, (0.0f));

  SO_KIT_DEFINE_ENUM_VALUE(AnnotPath, TANGENTIAL_PATH);
  SO_KIT_DEFINE_ENUM_VALUE(AnnotPath, HORIZONTAL_PATH);
  SO_KIT_DEFINE_ENUM_VALUE(AnnotPath, VERTICAL_PATH);
  SO_KIT_SET_SF_ENUM_TYPE(annotPath, AnnotPath);
  SO_KIT_DEFINE_ENUM_VALUE(AnnotCrossStatus, CROSS_CONTOUR);
  SO_KIT_DEFINE_ENUM_VALUE(AnnotCrossStatus, CROSS_MINOR_CONTOUR);
  SO_KIT_DEFINE_ENUM_VALUE(AnnotCrossStatus, DONT_CROSS_CONTOUR);
  SO_KIT_SET_SF_ENUM_TYPE(annotCrossStatus, AnnotCrossStatus);

  SO_KIT_INIT_INSTANCE();

  // Annotation texts and boxes keep their own colours whatever the lights.
  set("annotTextApp.lightModel", "model BASE_COLOR");
  set("annotBackgroundApp.lightModel", "model BASE_COLOR");

  createFieldSensorList(10, m_sensorsContouring);
  setUpConnections(TRUE, TRUE);
}

PoMeshContouring::~PoMeshContouring()
{
  deleteFieldSensorList(m_sensorsContouring);
  changeConnection(m_format, nullptr);
  changeConnection(m_miscTextAttr, nullptr);
  delete m_contouring;
}

SbBool PoMeshContouring::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&majorPeriod);
  fields.append(&firstMajor);
  fields.append(&annotIsVisible);
  fields.append(&annotPath);
  fields.append(&annotCrossStatus);
  fields.append(&annotIsBackground);
  fields.append(&annotIsContourClip);
  fields.append(&annotGap);
  fields.append(&annotClippingPolygon);
  fields.append(&annotFontSize);
  watchFields(onOff, m_sensorsContouring, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshContouring::setDefaultOnNonWritingFields()
{
  inherited::setDefaultOnNonWritingFields();
}

// ---------------------------------------------------------------------------------------------
// Text inputs

void PoMeshContouring::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

const PbNumericDisplayFormat* PoMeshContouring::getFormat() const
{
  if (m_format)
    return m_format;
  return isStateValid() && getState() ? PoNumericDisplayFormatElement::get(getState()) : nullptr;
}

void PoMeshContouring::setMiscTextAttr(PbMiscTextAttr* attr)
{
  replaceFollowed(m_miscTextAttr, attr);
}

const PbMiscTextAttr* PoMeshContouring::getMiscTextAttr() const
{
  if (m_miscTextAttr)
    return m_miscTextAttr;
  return isStateValid() && getState() ? PoMiscTextAttrElement::get(getState()) : nullptr;
}

void PoMeshContouring::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_format))
    return;
  if (followedObjectChanged(object, m_miscTextAttr))
    return;
  inherited::basicObjectChange(object);
}

// ---------------------------------------------------------------------------------------------
// Rebuild

void PoMeshContouring::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  PoDataMappingElement::get(getState());
  PoIsovaluesListElement::get(getState());
  if (annotIsVisible.getValue()) {
    PoNumericDisplayFormatElement::get(getState());
    PoMiscTextAttrElement::get(getState());
  }
}

void PoMeshContouring::preRebuild()
{
  inherited::preRebuild();
  // The mapping decides the deleted zones even when the lines are not coloured by it.
  addElementCache(PoDataMappingElement::getClassStackIndex());
  addIsovaluesListInCache(1);
  if (annotIsVisible.getValue()) {
    addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
  }
  m_formatInForce = getFormat();
  m_miscTextAttrInForce = getMiscTextAttr();
}

void PoMeshContouring::emptyParts()
{
  static const char* const parts[] = {"majorContourLine", "minorContourLine", "annotBackground",
                                      "annotBackgroundBorder", "transform", "annotText"};
  for (const char* part : parts)
    setAnyPart(part, nullptr);
}

void PoMeshContouring::rebuild()
{
  preRebuild();
  const PbMesh2D* mesh = m_mesh2DInForce;
  const int setIndex = valuesIndex.getValue();
  const float* values = mesh && setIndex >= 0 ? mesh->getValuesSet(setIndex) : nullptr;
  if (!mesh || mesh->isEmpty() || !m_isovaluesListInForce || !values ||
      mesh->getValuesBinding(setIndex) != PbMesh::PER_NODE) {
    emptyParts();
    postRebuild();
    return;
  }
  if (!m_contouring)
    m_contouring = new PiContouringLines;
  m_contouring->setMesh(mesh, getZValues());
  m_contouring->setDataMapping(m_dataMappingInForce);
  m_contouring->setIsovaluesList(m_isovaluesListInForce);
  m_contouring->getLines(values, nullptr, &m_lines);
  drawContourLines();
  postRebuild();
}

int PoMeshContouring::isMajor(const PbIsovaluesList* list, float value) const
{
  if (!list)
    return 0;
  const int k = list->getIndex(value) + 1;
  const int period = majorPeriod.getValue();
  const int offset = k - static_cast<int>(firstMajor.getValue());
  // A period of 0 has no multiples but 0 itself: only the first major line is major.
  if (period == 0)
    return offset == 0;
  return offset % period == 0;
}

void PoMeshContouring::drawContourLines()
{
  m_isMajor.resize(m_lines.numLines);
  for (int i = 0; i < m_lines.numLines; ++i)
    m_isMajor[i] = static_cast<char>(isMajor(m_isovaluesListInForce, m_lines.lineValue[i]));
  m_annotations.clear();
  setAnyPart("annotBackground", nullptr);
  setAnyPart("annotBackgroundBorder", nullptr);
  setAnyPart("annotText", nullptr);
  setAnyPart("transform", nullptr);
  if (annotIsVisible.getValue())
    computeContourLineAnnot();

  if (!m_annotations.empty() && annotIsContourClip.getValue() && !annotIsBackground.getValue()) {
    // Lines stop at the labels so that no line runs through a number.
    for (int major = 1; major >= 0; --major) {
      PiContouringAnnot::clipLines(m_lines, m_isMajor.data(), major, m_annotations, m_clippedCoords,
                                   m_clippedCounts, m_clippedSources);
      setAnyPart(major ? "majorContourLine" : "minorContourLine",
                 makeLineGroup(major, m_clippedCoords.data(), m_clippedCounts.data(), m_clippedSources.data(),
                               static_cast<int>(m_clippedCounts.size())));
    }
    return;
  }
  m_lineIndices.resize(m_lines.numLines);
  for (int i = 0; i < m_lines.numLines; ++i)
    m_lineIndices[i] = i;
  setAnyPart("majorContourLine", makeLineGroup(1, m_lines.coords.data(), m_lines.lineCount.data(),
                                               m_lineIndices.data(), m_lines.numLines));
  setAnyPart("minorContourLine", makeLineGroup(0, m_lines.coords.data(), m_lines.lineCount.data(),
                                               m_lineIndices.data(), m_lines.numLines));
}

void PoMeshContouring::computeContourLineAnnot()
{
  const PbMesh2D* mesh = m_mesh2DInForce;
  int num = 0;
  float first = 0, last = 0, step = 0;
  int regular = 0;
  m_isovaluesListInForce->getIsoList(num, first, last, step, regular);
  if (num <= 0)
    return;

  // Sizes are fractions of the mesh's larger extent.
  const SbBox2f box = mesh->getBoundingBox();
  float dx = 0, dy = 0;
  box.getSize(dx, dy);
  const float scale = std::max(dx, dy) > 0 ? std::max(dx, dy) : 1.0f;
  const float fontSize = (annotFontSize.getValue() > 0 ? annotFontSize.getValue() : 0.04f) * scale;
  m_annotator.setGap(annotGap.getValue() * scale);
  static const char* method = "PoMeshContouring::computeContourLineAnnot";
  m_annotator.setPath(static_cast<PiContouringAnnot::Path>(namedEnumValue(annotPath, "annotPath", method)));
  m_annotator.setCrossStatus(
    static_cast<PiContouringAnnot::CrossStatus>(namedEnumValue(annotCrossStatus, "annotCrossStatus", method)));
  m_annotator.setClippingPolygon(annotClippingPolygon.getNum(), annotClippingPolygon.getValues(0));

  PiNumericFormat formatter;
  formatter.setFormat(m_formatInForce, first, last, num > 1 ? (last - first) / (num - 1) : 0.0f, 3);
  PiText text;
  text.setTextAttributes(m_miscTextAttrInForce);
  text.setFontSize(fontSize);
  text.setAlignment(PiText::CENTER, PiText::HALF);
  text.setPath(PiText::PATH_RIGHT);

  // One label string and size per line; only major lines are labelled.
  const int background = annotIsBackground.getValue();
  std::vector<SbString> strings(m_lines.numLines);
  std::vector<float> widths(m_lines.numLines, 0.0f), heights(m_lines.numLines, 0.0f);
  for (int i = 0; i < m_lines.numLines; ++i) {
    if (!m_isMajor[i])
      continue;
    strings[i] = formatter.getString(m_lines.lineValue[i]);
    text.getStringSizes(strings[i].getString(), widths[i], heights[i]);
    if (background) {
      widths[i] += heights[i] / 2;
      heights[i] *= 1.5f;
    }
  }
  m_annotator.place(m_lines, m_isMajor.data(), m_isMajor.data(), widths.data(), heights.data(), m_annotations);
  if (m_annotations.empty())
    return;

  SoGroup* textGroup = new SoGroup;
  text.setGroup(textGroup);
  for (const PiContouringAnnot::Annotation& a : m_annotations) {
    text.setOrigin(a.center[0], a.center[1], a.z);
    text.setDirectionVectors(SbVec3f(a.along[0], a.along[1], 0), SbVec3f(a.across[0], a.across[1], 0));
    text.setString(strings[a.line].getString());
    text.build();
  }
  setAnyPart("annotText", textGroup);
  if (!background)
    return;

  const int numBoxes = static_cast<int>(m_annotations.size());
  SoCoordinate3* faceCoords = new SoCoordinate3;
  SoCoordinate3* borderCoords = new SoCoordinate3;
  faceCoords->point.setNum(4 * numBoxes);
  borderCoords->point.setNum(5 * numBoxes);
  SbVec3f* face = faceCoords->point.startEditing();
  SbVec3f* border = borderCoords->point.startEditing();
  for (int b = 0; b < numBoxes; ++b) {
    SbVec2f corners[4];
    m_annotations[b].getCorners(corners);
    for (int k = 0; k < 5; ++k) {
      const SbVec3f q(corners[k % 4][0], corners[k % 4][1], m_annotations[b].z);
      if (k < 4)
        face[4 * b + k] = q;
      border[5 * b + k] = q;
    }
  }
  faceCoords->point.finishEditing();
  borderCoords->point.finishEditing();
  SoFaceSet* faces = new SoFaceSet;
  SoLineSet* outlines = new SoLineSet;
  for (int b = 0; b < numBoxes; ++b) {
    faces->numVertices.set1Value(b, 4);
    outlines->numVertices.set1Value(b, 5);
  }
  SoGroup* backGroup = new SoGroup;
  backGroup->addChild(faceCoords);
  backGroup->addChild(faces);
  SoGroup* borderGroup = new SoGroup;
  borderGroup->addChild(borderCoords);
  borderGroup->addChild(outlines);
  setAnyPart("annotBackground", backGroup);
  setAnyPart("annotBackgroundBorder", borderGroup);
}

SoGroup* PoMeshContouring::makeLineGroup(int major, const float* coords, const int* counts, const int* sources,
                                         int num)
{
  int numLines = 0, numPoints = 0;
  for (int i = 0; i < num; ++i) {
    if (m_isMajor[sources[i]] == major) {
      ++numLines;
      numPoints += counts[i];
    }
  }
  if (!numLines)
    return nullptr;

  SoCoordinate3* coordNode = new SoCoordinate3;
  coordNode->point.setNum(numPoints);
  SbVec3f* points = coordNode->point.startEditing();
  SoLineSet* lineSet = new SoLineSet;
  lineSet->numVertices.setNum(numLines);
  int32_t* lineCounts = lineSet->numVertices.startEditing();
  float* lineValues = allocPointValues(numLines);
  int point = 0, line = 0;
  const float* xyz = coords;
  for (int i = 0; i < num; ++i) {
    if (m_isMajor[sources[i]] != major) {
      xyz += 3 * static_cast<size_t>(counts[i]);
      continue;
    }
    for (int k = 0; k < counts[i]; ++k, xyz += 3)
      points[point++].setValue(xyz[0], xyz[1], xyz[2]);
    lineCounts[line] = counts[i];
    lineValues[line++] = m_lines.lineValue[sources[i]];
  }
  m_numValues = numLines;
  coordNode->point.finishEditing();
  lineSet->numVertices.finishEditing();

  SoGroup* group = new SoGroup;
  if (m_coloring != COLOR_INHERITED) {
    mapColor(numLines, lineValues);
    SoMaterialBinding* binding = new SoMaterialBinding;
    // For a line set, a "face" is one polyline.
    binding->value = SoMaterialBinding::PER_FACE;
    group->addChild(m_material);
    group->addChild(binding);
  }
  group->addChild(coordNode);
  group->addChild(lineSet);
  return group;
}
