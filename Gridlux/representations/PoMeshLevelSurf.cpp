// Level surface (isosurface) of a scalar value set of the current 3D mesh.
#include <Gridlux/representations/PoMeshLevelSurf.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh3D.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoShapeHints.h>

PO_KIT_SOURCE(PoMeshLevelSurf);

void PoMeshLevelSurf::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshLevelSurf, PoMesh3D, "PoMesh3D");
}

PoMeshLevelSurf::PoMeshLevelSurf()
{
  SO_KIT_CONSTRUCTOR(PoMeshLevelSurf);
  SO_KIT_ADD_CATALOG_ENTRY(groupLevelSurf, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(levelValue, (0.0f));
  SO_KIT_ADD_FIELD(surfOrientation, (ORIENTED_TO_MAX));
  SO_KIT_ADD_FIELD(valuesIndexForLevel, (-1));
  SO_KIT_DEFINE_ENUM_VALUE(SurfOrientation, ORIENTED_TO_MIN);
  SO_KIT_DEFINE_ENUM_VALUE(SurfOrientation, ORIENTED_TO_MAX);
  SO_KIT_SET_SF_ENUM_TYPE(surfOrientation, SurfOrientation);
  SO_KIT_INIT_INSTANCE();
  createFieldSensorList(3, m_sensors);
  setUpConnections(TRUE, TRUE);
}

PoMeshLevelSurf::~PoMeshLevelSurf()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMeshLevelSurf::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&levelValue);
  fields.append(&surfOrientation);
  fields.append(&valuesIndexForLevel);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshLevelSurf::setDefaultOnNonWritingFields()
{
  inherited::setDefaultOnNonWritingFields();
}

void PoMeshLevelSurf::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
  addIsovaluesListInCache(0);
}

int PoMeshLevelSurf::levelSetIndex() const
{
  return valuesIndexForLevel.getValue() != -1 ? valuesIndexForLevel.getValue() : valuesIndex.getValue();
}

const float* PoMeshLevelSurf::getIsosurfDataSet() const
{
  const PbMesh3D* mesh = m_mesh3DInForce ? m_mesh3DInForce : getMesh();
  const int index = levelSetIndex();
  // Marching cases need a value at every node; a per-cell set has none.
  if (!mesh || index < 0 || mesh->getValuesBinding(index) != PbMesh::PER_NODE)
    return nullptr;
  return mesh->getValuesSet(index);
}

void PoMeshLevelSurf::rebuild()
{
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  if (!beginLevelSurfParts("groupLevelSurf")) {
    postRebuild();
    return;
  }
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::CLOCKWISE;
  hints->creaseAngle = 0.8f;
  m_levelSurfGroup->addChild(hints);

  // No level set at all (both indices -1) draws nothing quietly; a named set must be usable.
  const int levelIndex = levelSetIndex();
  if (levelIndex != -1 && (levelIndex < 0 || !mesh->getValuesSet(levelIndex)))
    PoDebugError::post("PoMeshLevelSurf::rebuild", "the mesh has no value set %d to draw a level surface of",
                       levelIndex);
  else if (levelIndex >= 0 && mesh->getValuesBinding(levelIndex) != PbMesh::PER_NODE)
    PoDebugError::post("PoMeshLevelSurf::rebuild",
                       "value set %d is bound per cell: a level surface needs one value per node", levelIndex);
  const float* levelValues = getIsosurfDataSet();
  const int colorIndex = valuesIndex.getValue();
  const float* colorValues = colorIndex >= 0 ? mesh->getValuesSet(colorIndex) : nullptr;

  if (levelValues) {
    buildMeshLevelSurfColoring(levelValues, colorValues,
                               colorValues && mesh->getValuesBinding(colorIndex) == PbMesh::PER_CELL);
  }

  placeLevelSurfParts("groupLevelSurf");
  postRebuild();
}
