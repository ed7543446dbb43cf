// Base of the one-cell views: the cell chosen by index, its coordinates and colours.
#include <Gridlux/representations/PoCellShape.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

PO_KIT_ABSTRACT_SOURCE(PoCellShape);

void PoCellShape::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoCellShape, PoMesh, "PoMesh");
}

PoCellShape::PoCellShape()
{
  SO_KIT_CONSTRUCTOR(PoCellShape);
  SO_KIT_ADD_FIELD(cellIndex, (-1));
  SO_KIT_INIT_INSTANCE();
}

PoCellShape::~PoCellShape()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCellShape::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&cellIndex);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCellShape::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
}

void PoCellShape::rebuild()
{
  preRebuild();
  m_material = nullptr;
  const PbMesh* mesh = m_meshInForce;
  const int index = cellIndex.getValue();
  const PbCell* cell = nullptr;
  if (mesh && !mesh->isEmpty() && index >= 0) {
    if (index >= mesh->getNumCells())
      PoDebugError::post("PoCellShape::rebuild", "cellIndex %d is beyond the mesh's %d cells: nothing drawn", index,
                         mesh->getNumCells());
    else
      cell = mesh->getCell(index);
  }
  drawCell(cell);
  postRebuild();
}

SoGroup* PoCellShape::beginCellGroup(const PbCell* cell, SoNode* first)
{
  m_material = nullptr;
  if (!cell)
    return nullptr;
  SoGroup* group = new SoGroup;
  group->ref();
  if (first)
    group->addChild(first);
  SoCoordinate3* coords = new SoCoordinate3;
  const int num = cell->getNumNodes();
  coords->point.setNum(num);
  SbVec3f* points = coords->point.startEditing();
  for (int i = 0; i < num; ++i)
    points[i] = cell->getNodeCoord(i);
  coords->point.finishEditing();
  group->addChild(coords);

  const PbMesh* mesh = m_meshInForce;
  const int set = valuesIndex.getValue();
  const float* values = mesh && set >= 0 ? mesh->getValuesSet(set) : nullptr;
  if (values && m_coloring != COLOR_INHERITED) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    if (mesh->getValuesBinding(set) == PbMesh::PER_CELL) {
      const float value = values[cell->getIndex()];
      mapColor(1, &value);
      binding->value = SoMaterialBinding::OVERALL;
    } else {
      // The coordinates are the cell's nodes in local order: colour i is node i's.
      float nodeValues[PbCell::MAX_NODES];
      for (int i = 0; i < num; ++i)
        nodeValues[i] = values[cell->getNodeIndex(i)];
      mapColor(num, nodeValues);
      binding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
    }
    group->addChild(binding);
  }
  return group;
}

void PoCellShape::endCellGroup(const char* part, SoGroup* group)
{
  // The user's own material part stays unless a generated one replaced it.
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart(part, group);
  if (group)
    group->unref();
}
