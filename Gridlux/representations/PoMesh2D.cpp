// Base of the representations of surface meshes: the typed 2D mesh and the elevation set.
#include <Gridlux/representations/PoMesh2D.h>

#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoCoordinate3.h>

PO_KIT_ABSTRACT_SOURCE(PoMesh2D);

void PoMesh2D::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoMesh2D, PoMesh, "PoMesh");
}

PoMesh2D::PoMesh2D()
{
  SO_KIT_CONSTRUCTOR(PoMesh2D);
  SO_KIT_ADD_FIELD(zValuesIndex, (-1));
  SO_KIT_INIT_INSTANCE();
  createFieldSensorList(1, m_sensors2D);
}

PoMesh2D::~PoMesh2D()
{
  deleteFieldSensorList(m_sensors2D);
  changeConnection(m_mesh2D, nullptr);
}

SbBool PoMesh2D::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&zValuesIndex);
  watchFields(onOff, m_sensors2D, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMesh2D::setDefaultOnNonWritingFields()
{
  inherited::setDefaultOnNonWritingFields();
}

void PoMesh2D::setMesh(PbMesh2D* mesh)
{
  replaceFollowed(m_mesh2D, mesh);
}

const PbMesh2D* PoMesh2D::getMesh() const
{
  if (m_mesh2D)
    return m_mesh2D;
  // A surface mesh given through the untyped setter serves as well.
  if (const PbMesh2D* mesh = dynamic_cast<const PbMesh2D*>(PoMesh::getMesh()))
    return mesh;
  return isStateValid() && getState() ? PoMeshElement::getMesh2D(getState()) : nullptr;
}

void PoMesh2D::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_mesh2D))
    return;
  inherited::basicObjectChange(object);
}

void PoMesh2D::preRebuild()
{
  inherited::preRebuild();
  m_mesh2DInForce = getMesh();
  if (m_coloring != COLOR_INHERITED) {
    const bool hasSet = m_mesh2DInForce && valuesIndex.getValue() >= 0 &&
                        m_mesh2DInForce->getValuesSet(valuesIndex.getValue()) != nullptr;
    // Without a mesh there is nothing to test: the colouring stands, and nothing is drawn.
    if (m_mesh2DInForce && !hasSet)
      m_coloring = COLOR_INHERITED;
  }
}

const float* PoMesh2D::getZValues() const
{
  if (!m_mesh2DInForce)
    return nullptr;
  if (zValuesIndex.getValue() >= 0) {
    const float* z = m_mesh2DInForce->getValuesSet(zValuesIndex.getValue());
    // Elevation needs one value per node.
    if (z && m_mesh2DInForce->getValuesBinding(zValuesIndex.getValue()) == PbMesh::PER_NODE)
      return z;
  }
  return m_mesh2DInForce->getZcoord();
}

SoCoordinate3* PoMesh2D::makeSoCoordinate3(const float* zValues)
{
  m_coordinates = new SoCoordinate3;
  const PbMesh2D* mesh = m_mesh2DInForce ? m_mesh2DInForce : getMesh();
  if (!mesh)
    return m_coordinates;
  mesh->getNodesCoord(m_coordinates->point);
  if (zValues) {
    const int num = m_coordinates->point.getNum();
    SbVec3f* points = m_coordinates->point.startEditing();
    for (int n = 0; n < num; ++n)
      points[n][2] = zValues[n];
    m_coordinates->point.finishEditing();
  }
  return m_coordinates;
}
