// Base of every mesh representation: inputs (explicit or from the state), colouring and scratch.
#include <Gridlux/representations/PoMesh.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PoCellFilterElement.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/attributes/PoNonLinearDataMapping.h>
#include <Gridlux/attributes/PoNonLinearDataMapping2.h>
#include <Gridlux/mesh/PbMesh.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/representations/algorithms/PiContouringFilled.h>
#include <Gridlux/representations/algorithms/PiFieldwork.h>
#include <Gridlux/representations/algorithms/PiTextureContouring.h>

#include <Inventor/misc/SoState.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoMaterial.h>

#include <algorithm>

PO_KIT_ABSTRACT_SOURCE(PoMesh);

float* PoMesh::m_points = nullptr;
int PoMesh::m_numPoints = 0;
int PoMesh::m_allocPoints = 0;
float* PoMesh::m_pointValues = nullptr;
int PoMesh::m_numValues = 0;
int PoMesh::m_allocPointValues = 0;
PbArrayOfLong PoMesh::m_coordIndexArray;

void PoMesh::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoMesh, PoFieldwork, "PoFieldwork");
}

PoMesh::PoMesh()
{
  SO_KIT_CONSTRUCTOR(PoMesh);
  SO_KIT_ADD_FIELD(valuesIndex, (-1));
  SO_KIT_ADD_FIELD(valuesIndexForCellFilter, (-1));
  SO_KIT_ADD_FIELD(vecsIndex, (-1));
  SO_KIT_ADD_FIELD(coloringType, (COLOR_INHERITED));
  SO_KIT_DEFINE_ENUM_VALUE(ColoringType, COLOR_INHERITED);
  SO_KIT_DEFINE_ENUM_VALUE(ColoringType, COLOR_AVERAGE);
  SO_KIT_DEFINE_ENUM_VALUE(ColoringType, COLOR_MAPPING);
  SO_KIT_DEFINE_ENUM_VALUE(ColoringType, COLOR_CONTOURING);
  SO_KIT_DEFINE_ENUM_VALUE(ColoringType, COLOR_TEXTURE_CONTOURING);
  SO_KIT_SET_SF_ENUM_TYPE(coloringType, ColoringType);
  SO_KIT_INIT_INSTANCE();
  createFieldSensorList(4, m_sensors);
}

PoMesh::~PoMesh()
{
  deleteFieldSensorList(m_sensors);
  changeConnection(m_mesh, nullptr);
  changeConnection(m_dataMapping, nullptr);
  changeConnection(m_moduleDataMapping, nullptr);
  changeConnection(m_isovaluesList, nullptr);
  delete[] m_adjusted;
  delete[] m_scratchVec;
  delete m_contouringFilled;
  delete m_textureContouring;
}

PiContouringFilled* PoMesh::getContouringFilled()
{
  if (!m_contouringFilled)
    m_contouringFilled = new PiContouringFilled;
  return m_contouringFilled;
}

SbBool PoMesh::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&valuesIndex);
  fields.append(&valuesIndexForCellFilter);
  fields.append(&vecsIndex);
  fields.append(&coloringType);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMesh::setDefaultOnNonWritingFields()
{
  inherited::setDefaultOnNonWritingFields();
}

// ---------------------------------------------------------------------------------------------
// Inputs

void PoMesh::setMesh(PbMesh* mesh)
{
  replaceFollowed(m_mesh, mesh);
}

void PoMesh::setDataMapping(PbDataMapping* mapping)
{
  replaceFollowed(m_dataMapping, mapping);
}

void PoMesh::setModuleDataMapping(PbDataMapping* mapping)
{
  replaceFollowed(m_moduleDataMapping, mapping);
}

void PoMesh::setIsovaluesList(PbIsovaluesList* list)
{
  replaceFollowed(m_isovaluesList, list);
}

const PbMesh* PoMesh::getMesh() const
{
  if (m_mesh)
    return m_mesh;
  return isStateValid() && getState() ? PoMeshElement::getMesh(getState()) : nullptr;
}

const PbDataMapping* PoMesh::getDataMapping() const
{
  if (m_dataMapping)
    return m_dataMapping;
  return isStateValid() && getState() ? PoDataMappingElement::get(getState()) : nullptr;
}

const PbDataMapping* PoMesh::getModuleDataMapping() const
{
  if (m_moduleDataMapping)
    return m_moduleDataMapping;
  SoNode* node = m_moduleDataMappingNode.getValue();
  if (node) {
    const SoType type = node->getTypeId();
    // Exact types only: the object of each is brought up to date by the node itself.
    if (type == PoLinearDataMapping::getClassTypeId() || type == PoNonLinearDataMapping::getClassTypeId() ||
        type == PoNonLinearDataMapping2::getClassTypeId())
      return static_cast<PoDataMapping*>(node)->getDataMapping();
  }
  return isStateValid() && getState() ? PoDataMappingElement::get(getState()) : nullptr;
}

const PbIsovaluesList* PoMesh::getIsovaluesList() const
{
  if (m_isovaluesList)
    return m_isovaluesList;
  return isStateValid() && getState() ? PoIsovaluesListElement::get(getState()) : nullptr;
}

const PoCellFilter* PoMesh::getCellFilter() const
{
  return isStateValid() && getState() ? PoCellFilterElement::get(getState()) : nullptr;
}

void PoMesh::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_mesh) || followedObjectChanged(object, m_dataMapping) ||
      followedObjectChanged(object, m_moduleDataMapping) || followedObjectChanged(object, m_isovaluesList))
    return;
  inherited::basicObjectChange(object);
}

// ---------------------------------------------------------------------------------------------
// Rebuild

void PoMesh::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  // Read, so that a render cache above the node depends on the mesh too.
  PoMeshElement::getMesh(getState());
}

void PoMesh::addDataMappingInCache()
{
  if (coloringType.getValue() != COLOR_INHERITED)
    addElementCache(PoDataMappingElement::getClassStackIndex());
}

void PoMesh::addIsovaluesListInCache(int force)
{
  const int type = coloringType.getValue();
  if (force || type == COLOR_CONTOURING || type == COLOR_TEXTURE_CONTOURING)
    addElementCache(PoIsovaluesListElement::getClassStackIndex());
}

void PoMesh::preRebuild()
{
  inherited::preRebuild();
  addElementCache(PoMeshElement::getClassStackIndex());

  m_dataMappingInForce = getDataMapping();
  m_moduleDataMappingInForce = getModuleDataMapping();
  m_isovaluesListInForce = getIsovaluesList();
  m_meshInForce = getMesh();

  m_coloring = coloringType.getValue();
  if (m_coloring < COLOR_INHERITED || m_coloring > COLOR_TEXTURE_CONTOURING)
    m_coloring = COLOR_INHERITED;
  if ((m_coloring == COLOR_CONTOURING || m_coloring == COLOR_TEXTURE_CONTOURING) && !m_isovaluesListInForce)
    m_coloring = COLOR_MAPPING;

  // Texels of the band texture must stay unfiltered, or neighbouring bands blend.
  if (m_coloring == COLOR_TEXTURE_CONTOURING) {
    set("appearance.complexity", "textureQuality 0.1");
    if (!m_textureContouring)
      m_textureContouring = new PiTextureContouring;
    m_textureContouring->setDataMapping(m_dataMappingInForce);
    m_textureContouring->setIsovaluesList(m_isovaluesListInForce);
    m_textureContouring->buildTexture();
  } else {
    set("appearance.complexity", "textureQuality 0.5");
  }

  const bool hasSet = m_meshInForce && valuesIndex.getValue() >= 0 &&
                      m_meshInForce->getValuesSet(valuesIndex.getValue()) != nullptr;
  if (!m_dataMappingInForce || (m_meshInForce && !hasSet))
    m_coloring = COLOR_INHERITED;
}

void PoMesh::postRebuild()
{
  inherited::postRebuild();
  if (m_coloring == COLOR_TEXTURE_CONTOURING) {
    SoBaseKit* app = static_cast<SoBaseKit*>(getPart("appearance", TRUE));
    // A white base keeps the texture's colours from being darkened by an inherited one.
    if (app && !app->getPart("material", FALSE)) {
      set("appearance.material", "diffuseColor 1 1 1");
      m_ownsMaterialPart = 1;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Materials and scratch

void PoMesh::mapColor(int numValues, const float* values)
{
  if (!values) {
    numValues = m_numValues;
    values = m_pointValues;
  }
  if (numValues <= 0 || !values)
    return;
  const PbDataMapping* mapping = m_dataMappingInForce ? m_dataMappingInForce : &m_defaultDataMapping;
  m_material = new SoMaterial;
  m_material->diffuseColor.setNum(numValues);
  SbColor* colors = m_material->diffuseColor.startEditing();
  const int withTransparency = mapping->isTransparencyEnabled();
  float* transparencies = nullptr;
  if (withTransparency) {
    m_material->transparency.setNum(numValues);
    transparencies = m_material->transparency.startEditing();
  }
  for (int i = 0; i < numValues; ++i) {
    float t = 0.0f;
    const SbColor* c = withTransparency ? mapping->getRGBColor(values[i], t) : mapping->getRGBColor(values[i]);
    // A null colour leaves the entry as it was made.
    if (c)
      colors[i] = *c;
    if (transparencies)
      transparencies[i] = t;
  }
  m_material->diffuseColor.finishEditing();
  if (transparencies)
    m_material->transparency.finishEditing();
}

SbVec3f* PoMesh::newSbVec3f(int num)
{
  if (num > m_allocScratchVec) {
    delete[] m_scratchVec;
    m_scratchVec = new SbVec3f[num];
    m_allocScratchVec = num;
  }
  return m_scratchVec;
}

float* PoMesh::allocPoints(int num)
{
  if (num > m_allocPoints) {
    const int size = std::max(num, 2 * m_allocPoints);
    float* grown = new float[3 * static_cast<size_t>(size)];
    std::copy(m_points, m_points + 3 * static_cast<size_t>(m_numPoints), grown);
    delete[] m_points;
    m_points = grown;
    m_allocPoints = size;
  }
  return m_points;
}

float* PoMesh::allocPointValues(int num)
{
  if (num > m_allocPointValues) {
    const int size = std::max(num, 2 * m_allocPointValues);
    float* grown = new float[size];
    std::copy(m_pointValues, m_pointValues + m_numValues, grown);
    delete[] m_pointValues;
    m_pointValues = grown;
    m_allocPointValues = size;
  }
  return m_pointValues;
}

// ---------------------------------------------------------------------------------------------
// Isovalue adjustment

void PoMesh::adjustIsoval(int num, const float* values, float& isoValue)
{
  adjustIsovalMultiple(num, values, 0, nullptr, 0, nullptr, isoValue);
}

void PoMesh::adjustIsovalMultiple(int numA, const float* valuesA, int numB, const float* valuesB, int numC,
                                  const float* valuesC, float& isoValue)
{
  m_isIsovalueAdjusted =
    PiFieldwork::adjustIsovalMultiple(numA, valuesA, numB, valuesB, numC, valuesC, isoValue);
}

void PoMesh::adjustIsovalList(int numA, const float* valuesA, int numB, const float* valuesB, int numC,
                              const float* valuesC)
{
  m_numAdjusted = 0;
  int anyMoved = 0;
  const PbIsovaluesList* list = m_isovaluesListInForce ? m_isovaluesListInForce : getIsovaluesList();
  if (list) {
    int num;
    float min, max, step;
    int regular;
    const float* iso = list->getIsoList(num, min, max, step, regular);
    if (num > m_allocAdjusted) {
      int size = std::max(m_allocAdjusted, 1);
      while (size < num)
        size *= 2;
      delete[] m_adjusted;
      m_adjusted = new float[size];
      m_allocAdjusted = size;
    }
    for (int i = 0; i < num && iso; ++i) {
      m_adjusted[i] = iso[i];
      adjustIsovalMultiple(numA, valuesA, numB, valuesB, numC, valuesC, m_adjusted[i]);
      anyMoved |= m_isIsovalueAdjusted;
    }
    m_numAdjusted = iso ? num : 0;
  }
  m_isIsovalueAdjusted = anyMoved;
}
