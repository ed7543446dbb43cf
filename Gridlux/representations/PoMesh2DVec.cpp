// Arrows of a vector set of the current 2D mesh, one per node.
#include <Gridlux/representations/PoMesh2DVec.h>

#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/representations/VectorFieldXP.h>

PO_KIT_SOURCE(PoMesh2DVec);

void PoMesh2DVec::initClass()
{
  PO_KIT_INIT_CLASS(PoMesh2DVec, PoMesh2D, "PoMesh2D");
}

GRIDLUX_VECTOR_FIELD_NODE_SOURCE(PoMesh2DVec, m_mesh2DInForce, m_mesh2DInForce ? m_mesh2DInForce->getNumNodes() : 0,
                                 offerVectors())

void PoMesh2DVec::offerVectors()
{
  // The mesh calls back the entry point of its kind.
  if (m_mesh2DInForce)
    m_mesh2DInForce->mesh2DVec(this);
}

void PoMesh2DVec::offerNodes(const PbMesh2D* mesh)
{
  // Surface meshes are small next to volumes: the node's own coordinate query serves them all.
  const float* z = getZValues();
  const int num = mesh->getNumNodes();
  for (int n = 0; n < num; ++n) {
    SbVec3f p = mesh->getNodeCoord(n);
    if (z)
      p[2] = z[n];
    addVector(p, m_inputs.vectors[n]);
  }
}

void PoMesh2DVec::cartGrid2DVec(const PbCartesianGrid2D* mesh)
{
  offerNodes(mesh);
}

void PoMesh2DVec::paralCartGrid2DVec(const PbParalCartesianGrid2D* mesh)
{
  offerNodes(mesh);
}

void PoMesh2DVec::regularCartGrid2DVec(const PbRegularCartesianGrid2D* mesh)
{
  offerNodes(mesh);
}

void PoMesh2DVec::polarGrid2DVec(const PbPolarGrid2D* mesh)
{
  offerNodes(mesh);
}

void PoMesh2DVec::indexedMesh2DVec(const PbIndexedMesh2D* mesh)
{
  offerNodes(mesh);
}
