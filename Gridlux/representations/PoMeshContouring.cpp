// Contour lines of a scalar value set of a 2D mesh, split into major and minor lines.
#include <Gridlux/representations/PoMeshContouring.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/mesh/PbMesh2D.h>

#include <Inventor/misc/SoState.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>

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
  detachFieldSensorList(m_sensorsContouring);
  deleteFieldSensorList(m_sensorsContouring);
  changeConnection(m_format, nullptr);
  changeConnection(m_miscTextAttr, nullptr);
  delete m_contouring;
}

SbBool PoMeshContouring::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  detachFieldSensorList(m_sensorsContouring);
  if (onOff) {
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
    attachFieldSensorList(m_sensorsContouring, fields);
  }
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
  if (format == m_format)
    return;
  changeConnection(m_format, format);
  m_format = format;
  touchKit();
}

const PbNumericDisplayFormat* PoMeshContouring::getFormat() const
{
  if (m_format)
    return m_format;
  return isStateValid() && getState() ? PoNumericDisplayFormatElement::get(getState()) : nullptr;
}

void PoMeshContouring::setMiscTextAttr(PbMiscTextAttr* attr)
{
  if (attr == m_miscTextAttr)
    return;
  changeConnection(m_miscTextAttr, attr);
  m_miscTextAttr = attr;
  touchKit();
}

const PbMiscTextAttr* PoMeshContouring::getMiscTextAttr() const
{
  if (m_miscTextAttr)
    return m_miscTextAttr;
  return isStateValid() && getState() ? PoMiscTextAttrElement::get(getState()) : nullptr;
}

void PoMeshContouring::basicObjectChange(PbBase* object)
{
  if (object && object == m_format) {
    PbBase* reference = m_format;
    manageBasicObjectChange(object, &reference);
    m_format = static_cast<PbNumericDisplayFormat*>(reference);
    return;
  }
  if (object && object == m_miscTextAttr) {
    PbBase* reference = m_miscTextAttr;
    manageBasicObjectChange(object, &reference);
    m_miscTextAttr = static_cast<PbMiscTextAttr*>(reference);
    return;
  }
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
  setAnyPart("majorContourLine", makeLineGroup(1));
  setAnyPart("minorContourLine", makeLineGroup(0));
  setAnyPart("annotBackground", nullptr);
  setAnyPart("annotBackgroundBorder", nullptr);
  setAnyPart("annotText", nullptr);
  setAnyPart("transform", nullptr);
}

SoGroup* PoMeshContouring::makeLineGroup(int major)
{
  int numLines = 0, numPoints = 0;
  for (int i = 0; i < m_lines.numLines; ++i) {
    if (m_isMajor[i] == major) {
      ++numLines;
      numPoints += m_lines.lineCount[i];
    }
  }
  if (!numLines)
    return nullptr;

  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(numPoints);
  SbVec3f* points = coords->point.startEditing();
  SoLineSet* lineSet = new SoLineSet;
  lineSet->numVertices.setNum(numLines);
  int32_t* counts = lineSet->numVertices.startEditing();
  float* lineValues = allocPointValues(numLines);
  int point = 0, line = 0;
  for (int i = 0; i < m_lines.numLines; ++i) {
    if (m_isMajor[i] != major)
      continue;
    const float* xyz = &m_lines.coords[3 * static_cast<size_t>(m_lines.lineStart[i])];
    for (int k = 0; k < m_lines.lineCount[i]; ++k, xyz += 3)
      points[point++].setValue(xyz[0], xyz[1], xyz[2]);
    counts[line] = m_lines.lineCount[i];
    lineValues[line++] = m_lines.lineValue[i];
  }
  m_numValues = numLines;
  coords->point.finishEditing();
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
  group->addChild(coords);
  group->addChild(lineSet);
  return group;
}
