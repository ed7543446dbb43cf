// Chart-node base: colour source, material splitting and the elements a series chart depends on.
#include <Gridlux/mesh/PoChart.h>

#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/mesh/nodes/PoMesh1DFilterElement.h>
#include <Gridlux/mesh/nodes/PoMesh1DHintsElement.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoMaterial.h>

#include <algorithm>

PO_KIT_ABSTRACT_SOURCE(PoChart);

void PoChart::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoChart, PoChartwork, "PoChartwork");
}

PoChart::PoChart()
{
  SO_KIT_CONSTRUCTOR(PoChart);
  SO_KIT_ADD_FIELD(colorBinding, (INHERITED));
  SO_KIT_ADD_FIELD(yValuesIndex, (0));
  SO_KIT_ADD_FIELD(colorValuesIndex, (1));
  SO_KIT_ADD_FIELD(material, (nullptr));
  SO_KIT_DEFINE_ENUM_VALUE(ColorBinding, INHERITED);
  SO_KIT_DEFINE_ENUM_VALUE(ColorBinding, PER_VERTEX);
  SO_KIT_DEFINE_ENUM_VALUE(ColorBinding, PER_PART);
  SO_KIT_SET_SF_ENUM_TYPE(colorBinding, ColorBinding);
  SO_KIT_INIT_INSTANCE();
}

PoChart::~PoChart()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoChart::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&colorBinding);
  fields.append(&yValuesIndex);
  fields.append(&colorValuesIndex);
  fields.append(&material);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

PoChart::ColorSource PoChart::getColorSource() const
{
  if (colorBinding.getValue() == INHERITED)
    return INHERITED_COLOR;
  if (material.getValue() && !material.isIgnored())
    return MATERIAL_COLOR;
  if (colorValuesIndex.getValue() == -1 || colorValuesIndex.isIgnored())
    return INHERITED_COLOR;
  return DATA_MAPPING_COLOR;
}

void PoChart::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  addElementCache(PoMeshElement::getClassStackIndex());
  addElementCache(PoMesh1DHintsElement::getClassStackIndex());
  addElementCache(PoMesh1DFilterElement::getClassStackIndex());
  if (getColorSource() == DATA_MAPPING_COLOR)
    addElementCache(PoDataMappingElement::getClassStackIndex());
}

void PoChart::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  SoState* state = getState();
  if (!state)
    return;
  PoMeshElement::getMesh(state);
  PoMesh1DHintsElement::get(state);
  PoMesh1DFilterElement::get(state);
  PoDataMappingElement::get(state);
}

SoNodeList PoChart::decomposeSoMaterial(const SoMaterial* material)
{
  SoNodeList parts;
  if (!material)
    return parts;
  const int counts[6] = {material->ambientColor.getNum(),  material->diffuseColor.getNum(),
                         material->specularColor.getNum(), material->emissiveColor.getNum(),
                         material->shininess.getNum(),     material->transparency.getNum()};
  const int num = *std::max_element(counts, counts + 6);
  for (int i = 0; i < num; i++) {
    SoMaterial* part = new SoMaterial;
    if (counts[0])
      part->ambientColor.setValue(material->ambientColor[i % counts[0]]);
    if (counts[1])
      part->diffuseColor.setValue(material->diffuseColor[i % counts[1]]);
    if (counts[2])
      part->specularColor.setValue(material->specularColor[i % counts[2]]);
    if (counts[3])
      part->emissiveColor.setValue(material->emissiveColor[i % counts[3]]);
    if (counts[4])
      part->shininess.setValue(material->shininess[i % counts[4]]);
    if (counts[5])
      part->transparency.setValue(material->transparency[i % counts[5]]);
    parts.append(part);
  }
  return parts;
}
