// Skin of the current 3D mesh: a grid's six sides, an unstructured mesh's uncancelled faces, or
// the boundary of the cells a filter accepts.
#include <Gridlux/representations/PoMeshSkin.h>

#include <Gridlux/attributes/PoCellFilter.h>
#include <Gridlux/attributes/PoCellFilterElement.h>
#include <Gridlux/mesh/CellHandednessXP.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbMeshSkinData.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoShapeHints.h>

PO_KIT_SOURCE(PoMeshSkin);

void PoMeshSkin::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshSkin, PoMesh3D, "PoMesh3D");
}

PoMeshSkin::PoMeshSkin()
{
  SO_KIT_CONSTRUCTOR(PoMeshSkin);
  SO_KIT_ADD_CATALOG_ENTRY(groupSkin, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshSkin::~PoMeshSkin() = default;

void PoMeshSkin::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
  // A filter put in or changed changes the skin.
  addElementCache(PoCellFilterElement::getClassStackIndex());
}

void PoMeshSkin::rebuild()
{
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  m_numPoints = 0;
  if (!beginLevelSurfParts("groupSkin")) {
    postRebuild();
    return;
  }
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::CLOCKWISE;
  hints->creaseAngle = 0.8f;
  m_levelSurfGroup->addChild(hints);

  m_coordIndexArray.empty();
  m_faceCells.clear();
  if (const PoCellFilter* filter = getCellFilter())
    mesh->meshSkinFilter(this, filter);
  else
    mesh->meshSkin(this);

  placeLevelSurfParts("groupSkin");
  postRebuild();
}

void PoMeshSkin::addFace(int cell, const int* nodes, int num, bool mirrored)
{
  if (mirrored) {
    for (int i = num - 1; i >= 0; --i)
      pushIndex(nodes[i]);
  } else {
    appendIndices(nodes, num);
  }
  pushIndex(-1);
  m_faceCells.push_back(cell);
}

float PoMeshSkin::filterValue(const PbMesh3D* mesh, int cell, const int* nodes, int numNodes) const
{
  const int set = valuesIndexForCellFilter.getValue();
  const float* values = set >= 0 ? mesh->getValuesSet(set) : nullptr;
  if (!values)
    return 0.0f;
  if (mesh->getValuesBinding(set) == PbMesh::PER_CELL)
    return values[cell];
  float sum = 0.0f;
  for (int i = 0; i < numNodes; ++i)
    sum += values[nodes[i]];
  return numNodes > 0 ? sum / numNodes : 0.0f;
}

void PoMeshSkin::gridFaces(const PbGrid3D* mesh, const PoCellFilter* filter)
{
  const int dims[3] = {mesh->getNumX(), mesh->getNumY(), mesh->getNumZ()};
  if (dims[0] < 2 || dims[1] < 2 || dims[2] < 2)
    return;
  std::vector<char> accepted;
  if (filter) {
    accepted.assign(mesh->getNumCells(), 0);
    for (int i = 0; i + 1 < dims[0]; ++i)
      for (int j = 0; j + 1 < dims[1]; ++j)
        for (int k = 0; k + 1 < dims[2]; ++k) {
          int nodes[8];
          for (int q = 0; q < 8; ++q)
            nodes[q] = mesh->getNodeIndex(i + (q & 1), j + ((q >> 1) & 1), k + ((q >> 2) & 1));
          const int cell = mesh->getCellIndex(i, j, k);
          accepted[cell] = filter->acceptCell(cell, filterValue(mesh, cell, nodes, 8)) != 0;
        }
  }
  // A grid whose coordinates run down along one axis turns its cells the mirrored way.
  int first[8];
  for (int q = 0; q < 8; ++q) {
    const int s = (q & 4) | ((q & 2) ? ((q & 1) ? 2 : 3) : (q & 1));
    first[q] = mesh->getNodeIndex(s & 1, (s >> 1) & 1, (s >> 2) & 1);
  }
  const bool mirrored = !gridlux::cellOrdering(8, first, [mesh](int node, double* p) {
    const SbVec3f v = mesh->getNodeCoord(node);
    p[0] = v[0];
    p[1] = v[1];
    p[2] = v[2];
  });
  // Across each axis, the node layers between cells; without a filter only the two outer ones.
  // The corner order (u, v) turns about +axis, which faces the cell above the layer's inside.
  for (int axis = 0; axis < 3; ++axis) {
    const int u = (axis + 1) % 3, v = (axis + 2) % 3;
    const int last = dims[axis] - 1;
    const int step = filter ? 1 : last;
    for (int layer = 0; layer <= last; layer += step) {
      int cellAt[3], index[3];
      for (int i = 0; i + 1 < dims[u]; ++i) {
        for (int j = 0; j + 1 < dims[v]; ++j) {
          cellAt[u] = i;
          cellAt[v] = j;
          int below = -1, above = -1;
          if (layer > 0) {
            cellAt[axis] = layer - 1;
            below = mesh->getCellIndex(cellAt[0], cellAt[1], cellAt[2]);
          }
          if (layer < last) {
            cellAt[axis] = layer;
            above = mesh->getCellIndex(cellAt[0], cellAt[1], cellAt[2]);
          }
          const bool inBelow = below >= 0 && (!filter || accepted[below]);
          const bool inAbove = above >= 0 && (!filter || accepted[above]);
          if (inBelow == inAbove)
            continue;
          const int corner[4][2] = {{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}};
          int quad[4];
          index[axis] = layer;
          for (int q = 0; q < 4; ++q) {
            // The face of the cell below turns the other way.
            const int c = inAbove ? q : 3 - q;
            index[u] = corner[c][0];
            index[v] = corner[c][1];
            quad[q] = mesh->getNodeIndex(index[0], index[1], index[2]);
          }
          addFace(inAbove ? above : below, quad, 4, mirrored);
        }
      }
    }
  }
  drawFaces(mesh);
}

void PoMeshSkin::cartGrid3DSkin(const PbCartesianGrid3D* mesh)
{
  gridFaces(mesh, nullptr);
}

void PoMeshSkin::paralCartGrid3DSkin(const PbParalCartesianGrid3D* mesh)
{
  gridFaces(mesh, nullptr);
}

void PoMeshSkin::regularGrid3DSkin(const PbRegularCartesianGrid3D* mesh)
{
  gridFaces(mesh, nullptr);
}

void PoMeshSkin::grid3DSkinFilter(const PbGrid3D* mesh, const PoCellFilter* filter)
{
  gridFaces(mesh, filter);
}

void PoMeshSkin::indexedMeshSkin(const PbIndexedMesh3D* mesh)
{
  mesh->updateSkin();
  PbMeshSkinData* skin = mesh->getSkinData();
  int cell, n[4];
  while (skin->getFace4p(cell, n[0], n[1], n[2], n[3]))
    addFace(cell, n, 4, isMirrored(mesh, cell));
  while (skin->getFace3p(cell, n[0], n[1], n[2]))
    addFace(cell, n, 3, isMirrored(mesh, cell));
  drawFaces(mesh);
}

void PoMeshSkin::hexahedronMeshSkin(const PbHexahedronMesh3D* mesh)
{
  indexedMeshSkin(mesh);
}

void PoMeshSkin::tetrahedronMeshSkin(const PbTetrahedronMesh3D* mesh)
{
  indexedMeshSkin(mesh);
}

bool PoMeshSkin::isMirrored(const PbIndexedMesh3D* mesh, int cell)
{
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellTypes;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellTypes);
  const int start = mesh->getCellOffset(cell);
  const int count = (cell + 1 < numCells ? mesh->getCellOffset(cell + 1) : mesh->getCellIndexLength()) - start;
  return !gridlux::cellOrdering(count, cellIndex + start, gridlux::ArrayCoord{x, y, z});
}

void PoMeshSkin::indexed3DSkinFilter(const PbIndexedMesh3D* mesh, const PoCellFilter* filter)
{
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellTypes;
  mesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellTypes);
  m_filtered.clear(numCells);
  for (int c = 0; c < numCells; ++c) {
    const int start = mesh->getCellOffset(c);
    const int count = (c + 1 < numCells ? mesh->getCellOffset(c + 1) : mesh->getCellIndexLength()) - start;
    const int* n = cellIndex + start;
    const PbIndexedMesh3D::CellFaceTable* table = PbIndexedMesh3D::getCellFaceTable(count);
    if (!table || !filter->acceptCell(c, filterValue(mesh, c, n, count)))
      continue;
    for (int f = 0; f < table->numFaces; ++f) {
      int face[4];
      for (int q = 0; q < table->sizes[f]; ++q)
        face[q] = n[table->faces[f][q]];
      m_filtered.addFace(c, face, table->sizes[f]);
    }
  }
  // Quadrangles first, as the unfiltered skin draws them.
  for (int wanted : {4, 3}) {
    m_filtered.startGetting();
    while (const PiMeshSkin::Pface* face = m_filtered.next()) {
      const int num = face->nodes[3] < 0 ? 3 : 4;
      if (num == wanted)
        addFace(face->cell, face->nodes, num, isMirrored(mesh, face->cell));
    }
  }
  drawFaces(mesh);
}

void PoMeshSkin::drawFaces(const PbMesh3D* mesh)
{
  if (m_coordIndexArray.getNum() == 0)
    return;
  // Only the nodes the faces use, renumbered in order of use: a skin holds few of a volume's nodes.
  const int numNodes = mesh->getNumNodes();
  m_nodeSlot.assign(numNodes, -1);
  m_usedNodes.clear();
  const int numIndices = m_coordIndexArray.getNum();
  int* index = m_coordIndexArray.get();
  for (int i = 0; i < numIndices; ++i) {
    const int node = index[i];
    if (node < 0)
      continue;
    int& slot = m_nodeSlot[node];
    if (slot < 0) {
      slot = static_cast<int>(m_usedNodes.size());
      m_usedNodes.push_back(node);
    }
    index[i] = slot;
  }
  const int numUsed = static_cast<int>(m_usedNodes.size());
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setNum(numUsed);
  SbVec3f* points = coords->point.startEditing();
  for (int i = 0; i < numUsed; ++i)
    points[i] = mesh->getNodeCoord(m_usedNodes[i]);
  coords->point.finishEditing();
  m_levelSurfGroup->addChild(coords);

  const int set = valuesIndex.getValue();
  const float* values = set >= 0 ? mesh->getValuesSet(set) : nullptr;
  if (values && m_coloring != COLOR_INHERITED) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    const bool perCell = mesh->getValuesBinding(set) == PbMesh::PER_CELL;
    const std::vector<int>& owners = perCell ? m_faceCells : m_usedNodes;
    std::vector<float> picked(owners.size());
    for (size_t f = 0; f < owners.size(); ++f)
      picked[f] = values[owners[f]];
    mapColor(static_cast<int>(picked.size()), picked.data());
    binding->value = perCell ? SoMaterialBinding::PER_FACE : SoMaterialBinding::PER_VERTEX_INDEXED;
    m_levelSurfMaterialBinding = binding;
    m_levelSurfGroup->addChild(binding);
  }

  SoIndexedFaceSet* faces = new SoIndexedFaceSet;
  faces->coordIndex.setValues(0, m_coordIndexArray.getNum(), m_coordIndexArray.get());
  m_levelSurfGroup->addChild(faces);
}
