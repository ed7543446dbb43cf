// Boundary polylines of a 2D mesh.
#include <Gridlux/representations/PoMeshLimit.h>

#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/mesh/PbMesh2D.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>

PO_KIT_SOURCE(PoMeshLimit);

void PoMeshLimit::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshLimit, PoMesh2D, "PoMesh2D");
}

PoMeshLimit::PoMeshLimit()
{
  SO_KIT_CONSTRUCTOR(PoMeshLimit);
  SO_KIT_ADD_CATALOG_ENTRY(groupLimit, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshLimit::~PoMeshLimit() = default;

void PoMeshLimit::rebuild()
{
  preRebuild();
  const PbMesh2D* mesh = m_mesh2DInForce;
  // A material this node never makes: only one left by an earlier colouring goes.
  if (m_ownsMaterialPart)
    setAnyPart("appearance.material", nullptr);
  m_ownsMaterialPart = 0;
  PbArrayOfInt loops, sizes;
  if (mesh && !mesh->isEmpty())
    mesh->getLimitIndices(loops, sizes);
  if (sizes.getNum() == 0) {
    setAnyPart("groupLimit", nullptr);
    postRebuild();
    return;
  }

  const PbArrayOfInt& nodes = loops;
  const PbArrayOfInt& loopSizes = sizes;
  const float* z = getZValues();
  SoCoordinate3* coords = new SoCoordinate3;
  SoLineSet* lines = new SoLineSet;
  coords->point.setNum(loops.getNum() + sizes.getNum());
  lines->numVertices.setNum(sizes.getNum());
  SbVec3f* points = coords->point.startEditing();
  int32_t* counts = lines->numVertices.startEditing();
  int k = 0, start = 0;
  for (int l = 0; l < sizes.getNum(); ++l) {
    const int size = loopSizes[l];
    for (int i = 0; i <= size; ++i) {
      const int node = nodes[start + (i < size ? i : 0)];
      SbVec3f p = mesh->getNodeCoord(node);
      if (z)
        p[2] = z[node];
      points[k++] = p;
    }
    counts[l] = size + 1;
    start += size;
  }
  coords->point.finishEditing();
  lines->numVertices.finishEditing();

  SoGroup* group = new SoGroup;
  group->addChild(coords);
  group->addChild(lines);
  setAnyPart("groupLimit", group);
  postRebuild();
}
