// Base of the representations of volume meshes: the typed 3D mesh and level-surface queries.
#include <Gridlux/representations/PoMesh3D.h>

#include <Gridlux/mesh/PbMesh3D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

PO_KIT_ABSTRACT_SOURCE(PoMesh3D);

void PoMesh3D::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoMesh3D, PoMesh, "PoMesh");
}

PoMesh3D::PoMesh3D()
{
  SO_KIT_CONSTRUCTOR(PoMesh3D);
  SO_KIT_INIT_INSTANCE();
}

PoMesh3D::~PoMesh3D()
{
  changeConnection(m_mesh3D, nullptr);
}

void PoMesh3D::setMesh(PbMesh3D* mesh)
{
  if (mesh == m_mesh3D)
    return;
  changeConnection(m_mesh3D, mesh);
  m_mesh3D = mesh;
  touchKit();
}

const PbMesh3D* PoMesh3D::getMesh() const
{
  if (m_mesh3D)
    return m_mesh3D;
  if (const PbMesh3D* mesh = dynamic_cast<const PbMesh3D*>(PoMesh::getMesh()))
    return mesh;
  return isStateValid() && getState() ? PoMeshElement::getMesh3D(getState()) : nullptr;
}

void PoMesh3D::basicObjectChange(PbBase* object)
{
  if (object && object == m_mesh3D) {
    PbBase* reference = m_mesh3D;
    manageBasicObjectChange(object, &reference);
    m_mesh3D = static_cast<PbMesh3D*>(reference);
    return;
  }
  inherited::basicObjectChange(object);
}

void PoMesh3D::preRebuild()
{
  inherited::preRebuild();
  m_mesh3DInForce = getMesh();
  if (m_coloring != COLOR_INHERITED) {
    const bool hasSet = m_mesh3DInForce && valuesIndex.getValue() >= 0 &&
                        m_mesh3DInForce->getValuesSet(valuesIndex.getValue()) != nullptr;
    // Without a mesh there is nothing to test: the colouring stands, and nothing is drawn.
    if (m_mesh3DInForce && !hasSet)
      m_coloring = COLOR_INHERITED;
  }
}
