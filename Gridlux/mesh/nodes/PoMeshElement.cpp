// The element of the current mesh: one borrowed pointer, with its kind, per traversal-state depth.
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Gridlux/base/PoSubElement.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/mesh/PbMesh3D.h>

SO_ELEMENT_SOURCE(PoMeshElement);

PoMeshElement::~PoMeshElement() = default;

void PoMeshElement::initClass()
{
  PO_ELEMENT_INIT_CLASS(PoMeshElement);
}

void PoMeshElement::init(SoState* state)
{
  inherited::init(state);
  m_mesh = nullptr;
  m_mesh1D = nullptr;
  m_mesh2D = nullptr;
  m_mesh3D = nullptr;
  m_kind = MESH_2D;
}

void PoMeshElement::push(SoState* state)
{
  inherited::push(state);
  const PoMeshElement* below = static_cast<const PoMeshElement*>(getNextInStack());
  m_mesh = below->m_mesh;
  m_mesh1D = below->m_mesh1D;
  m_mesh2D = below->m_mesh2D;
  m_mesh3D = below->m_mesh3D;
  m_kind = below->m_kind;
}

void PoMeshElement::setMesh(SoState* state, SoNode* node, const PbMesh* mesh, const PbMesh1D* mesh1D,
                            const PbMesh2D* mesh2D, const PbMesh3D* mesh3D, int kind)
{
  PoMeshElement* elem = static_cast<PoMeshElement*>(SoReplacedElement::getElement(state, classStackIndex, node));
  if (!elem)
    return;
  elem->m_mesh = mesh;
  elem->m_mesh1D = mesh1D;
  elem->m_mesh2D = mesh2D;
  elem->m_mesh3D = mesh3D;
  elem->m_kind = kind;
}

void PoMeshElement::set(SoState* state, SoNode* node, const PbMesh1D* mesh)
{
  setMesh(state, node, mesh, mesh, nullptr, nullptr, MESH_1D);
}

void PoMeshElement::set(SoState* state, SoNode* node, const PbMesh2D* mesh)
{
  setMesh(state, node, mesh, nullptr, mesh, nullptr, MESH_2D);
}

void PoMeshElement::set(SoState* state, SoNode* node, const PbMesh3D* mesh)
{
  setMesh(state, node, mesh, nullptr, nullptr, mesh, MESH_3D);
}

const PoMeshElement* PoMeshElement::getCurrent(SoState* state)
{
  return static_cast<const PoMeshElement*>(SoElement::getConstElement(state, classStackIndex));
}

const PbMesh* PoMeshElement::getMesh(SoState* state)
{
  const PoMeshElement* elem = getCurrent(state);
  return elem ? elem->m_mesh : nullptr;
}

const PbMesh1D* PoMeshElement::getMesh1D(SoState* state)
{
  const PoMeshElement* elem = getCurrent(state);
  return elem ? elem->m_mesh1D : nullptr;
}

const PbMesh2D* PoMeshElement::getMesh2D(SoState* state)
{
  const PoMeshElement* elem = getCurrent(state);
  return elem ? elem->m_mesh2D : nullptr;
}

const PbMesh3D* PoMeshElement::getMesh3D(SoState* state)
{
  const PoMeshElement* elem = getCurrent(state);
  return elem ? elem->m_mesh3D : nullptr;
}

int PoMeshElement::getMeshKind(SoState* state)
{
  const PoMeshElement* elem = getCurrent(state);
  return elem ? elem->m_kind : MESH_2D;
}
