// Cell edges of a 2D mesh: the grid lines of structured grids, the cell outlines of unstructured ones.
#include <Gridlux/representations/PoMeshLines.h>

#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

PO_KIT_SOURCE(PoMeshLines);

void PoMeshLines::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshLines, PoMesh2D, "PoMesh2D");
}

PoMeshLines::PoMeshLines()
{
  SO_KIT_CONSTRUCTOR(PoMeshLines);
  SO_KIT_ADD_CATALOG_ENTRY(groupLines, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshLines::~PoMeshLines() = default;

void PoMeshLines::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
}

void PoMeshLines::rebuild()
{
  preRebuild();
  const PbMesh2D* mesh = m_mesh2DInForce;
  m_material = nullptr;
  if (mesh && !mesh->isEmpty()) {
    m_group = new SoGroup;
    m_group->ref();
    mesh->meshLines(this);
  }
  // The user's own material part stays unless a generated one replaced it.
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart("groupLines", m_group);
  if (m_group)
    m_group->unref();
  m_group = nullptr;
  postRebuild();
}

// ---------------------------------------------------------------------------------------------
// Entry points of the mesh kinds

const float* PoMeshLines::nodeValues() const
{
  const int index = valuesIndex.getValue();
  if (m_coloring == COLOR_INHERITED || !m_mesh2DInForce || index < 0 ||
      m_mesh2DInForce->getValuesBinding(index) != PbMesh::PER_NODE)
    return nullptr;
  return m_mesh2DInForce->getValuesSet(index);
}

void PoMeshLines::gridLines(const PbGrid2D* mesh)
{
  if (!m_group || !mesh)
    return;
  if (const float* values = nodeValues())
    gridLinesMapColr(mesh, getZValues(), values);
  else
    gridLinesInhColr(mesh, getZValues());
}

void PoMeshLines::unstructuredLines(const PbIndexedMesh2D* mesh)
{
  if (!m_group || !mesh)
    return;
  if (const float* values = nodeValues())
    unstructuredLinesMapColr(mesh, getZValues(), values);
  else
    unstructuredLinesInhColr(mesh, getZValues());
}

void PoMeshLines::cartGridLines(const PbCartesianGrid2D* mesh)
{
  gridLines(mesh);
}

void PoMeshLines::paralCartGridLines(const PbParalCartesianGrid2D* mesh)
{
  gridLines(mesh);
}

void PoMeshLines::regularCartGridLines(const PbRegularCartesianGrid2D* mesh)
{
  gridLines(mesh);
}

void PoMeshLines::polarGridLines(const PbPolarGrid2D* mesh)
{
  gridLines(mesh);
}

void PoMeshLines::indexedLines(const PbIndexedMesh2D* mesh)
{
  unstructuredLines(mesh);
}

void PoMeshLines::triangleLines(const PbTriangleMesh2D* mesh)
{
  unstructuredLines(mesh);
}

void PoMeshLines::quadrangleLines(const PbQuadrangleMesh2D* mesh)
{
  unstructuredLines(mesh);
}

void PoMeshLines::cartGridLinesInhColr(const PbCartesianGrid2D* mesh, const float* z)
{
  gridLinesInhColr(mesh, z);
}

void PoMeshLines::cartGridLinesMapColr(const PbCartesianGrid2D* mesh, const float* z, const float* values)
{
  gridLinesMapColr(mesh, z, values);
}

void PoMeshLines::paralCartGridLinesInhColr(const PbParalCartesianGrid2D* mesh, const float* z)
{
  gridLinesInhColr(mesh, z);
}

void PoMeshLines::paralCartGridLinesMapColr(const PbParalCartesianGrid2D* mesh, const float* z,
                                            const float* values)
{
  gridLinesMapColr(mesh, z, values);
}

void PoMeshLines::regularCartGridLinesInhColr(const PbRegularCartesianGrid2D* mesh, const float* z)
{
  gridLinesInhColr(mesh, z);
}

void PoMeshLines::regularCartGridLinesMapColr(const PbRegularCartesianGrid2D* mesh, const float* z,
                                              const float* values)
{
  gridLinesMapColr(mesh, z, values);
}

void PoMeshLines::polarGridLinesInhColr(const PbPolarGrid2D* mesh, const float* z)
{
  gridLinesInhColr(mesh, z);
}

void PoMeshLines::polarGridLinesMapColr(const PbPolarGrid2D* mesh, const float* z, const float* values)
{
  gridLinesMapColr(mesh, z, values);
}

void PoMeshLines::indexedLinesInhColr(const PbIndexedMesh2D* mesh, const float* z)
{
  unstructuredLinesInhColr(mesh, z);
}

void PoMeshLines::indexedLinesMapColr(const PbIndexedMesh2D* mesh, const float* z, const float* values)
{
  unstructuredLinesMapColr(mesh, z, values);
}

void PoMeshLines::triangleLinesInhColr(const PbTriangleMesh2D* mesh, const float* z)
{
  unstructuredLinesInhColr(mesh, z);
}

void PoMeshLines::triangleLinesMapColr(const PbTriangleMesh2D* mesh, const float* z, const float* values)
{
  unstructuredLinesMapColr(mesh, z, values);
}

void PoMeshLines::quadrangleLinesInhColr(const PbQuadrangleMesh2D* mesh, const float* z)
{
  unstructuredLinesInhColr(mesh, z);
}

void PoMeshLines::quadrangleLinesMapColr(const PbQuadrangleMesh2D* mesh, const float* z, const float* values)
{
  unstructuredLinesMapColr(mesh, z, values);
}

// ---------------------------------------------------------------------------------------------
// Builders

void PoMeshLines::addNodeColors(int numNodes, const float* values)
{
  mapColor(numNodes, values);
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
  m_group->addChild(binding);
}

void PoMeshLines::gridLinesInhColr(const PbGrid2D* mesh, const float* z)
{
  if (!m_group || !mesh)
    return;
  const int numX = mesh->getNumX(), numY = mesh->getNumY();
  m_group->addChild(makeSoCoordinate3(z));
  SoIndexedLineSet* lines = new SoIndexedLineSet;
  // numX lines of numY nodes, then numY lines of numX nodes, each ended by -1.
  lines->coordIndex.setNum(numX * (numY + 1) + numY * (numX + 1));
  int32_t* out = lines->coordIndex.startEditing();
  int k = 0;
  for (int i = 0; i < numX; ++i) {
    for (int j = 0; j < numY; ++j)
      out[k++] = i * numY + j;
    out[k++] = -1;
  }
  for (int j = 0; j < numY; ++j) {
    for (int i = 0; i < numX; ++i)
      out[k++] = i * numY + j;
    out[k++] = -1;
  }
  lines->coordIndex.finishEditing();
  m_group->addChild(lines);
}

void PoMeshLines::gridLinesMapColr(const PbGrid2D* mesh, const float* z, const float* values)
{
  if (!m_group || !mesh)
    return;
  addNodeColors(mesh->getNumNodes(), values);
  gridLinesInhColr(mesh, z);
}

void PoMeshLines::unstructuredLinesInhColr(const PbIndexedMesh2D* mesh, const float* z)
{
  if (!m_group || !mesh)
    return;
  int numNodes, numCells;
  const float *x, *y, *ownZ;
  const int *cellIndex, *cellType;
  mesh->getGeometry(numNodes, x, y, ownZ, numCells, cellIndex, cellType);
  m_group->addChild(makeSoCoordinate3(z));
  SoIndexedLineSet* lines = new SoIndexedLineSet;
  const int length = mesh->getCellIndexLength();
  // Each cell's nodes, its first node again, then -1.
  lines->coordIndex.setNum(length + 2 * numCells);
  int32_t* out = lines->coordIndex.startEditing();
  int k = 0;
  int offset = 0;
  for (int c = 0; c < numCells; ++c) {
    const int count = cellType[c];
    if ((count == 3 || count == 4) && offset + count <= length) {
      for (int i = 0; i < count; ++i)
        out[k++] = cellIndex[offset + i];
      out[k++] = cellIndex[offset];
      out[k++] = -1;
    }
    offset += count > 0 ? count : 0;
  }
  lines->coordIndex.finishEditing();
  lines->coordIndex.setNum(k);
  m_group->addChild(lines);
}

void PoMeshLines::unstructuredLinesMapColr(const PbIndexedMesh2D* mesh, const float* z, const float* values)
{
  if (!m_group || !mesh)
    return;
  addNodeColors(mesh->getNumNodes(), values);
  unstructuredLinesInhColr(mesh, z);
}
