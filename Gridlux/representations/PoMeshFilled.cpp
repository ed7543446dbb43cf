// Filled cells of a 2D mesh, coloured by the inherited material, by values or by contour bands.
#include <Gridlux/representations/PoMeshFilled.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/representations/algorithms/PiContouringFilled.h>
#include <Gridlux/representations/algorithms/PiTextureContouring.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoNormal.h>
#include <Inventor/nodes/SoNormalBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoShapeHints.h>
#include <Inventor/nodes/SoTexture2.h>
#include <Inventor/nodes/SoTextureCoordinate2.h>
#include <Inventor/nodes/SoTextureCoordinateBinding.h>

PO_KIT_SOURCE(PoMeshFilled);

void PoMeshFilled::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshFilled, PoMesh2D, "PoMesh2D");
}

PoMeshFilled::PoMeshFilled()
{
  SO_KIT_CONSTRUCTOR(PoMeshFilled);
  SO_KIT_ADD_CATALOG_ENTRY(groupFilled, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshFilled::~PoMeshFilled() = default;

void PoMeshFilled::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
  addIsovaluesListInCache(0);
}

void PoMeshFilled::rebuild()
{
  preRebuild();
  const PbMesh2D* mesh = m_mesh2DInForce;
  m_material = nullptr;
  m_materialBinding = nullptr;
  m_texture = nullptr;
  if (!mesh || mesh->isEmpty()) {
    setAnyPart("appearance.texture2", nullptr);
    if (m_ownsMaterialPart)
      setAnyPart("appearance.material", nullptr);
    m_ownsMaterialPart = 0;
    setAnyPart("groupFilled", nullptr);
    postRebuild();
    return;
  }

  m_group = new SoGroup;
  m_group->ref();
  if (mesh->hasSidesNormals() && zValuesIndex.getValue() == -1) {
    SoNormalBinding* normalBinding = new SoNormalBinding;
    normalBinding->value = SoNormalBinding::OVERALL;
    SoNormal* normal = new SoNormal;
    normal->vector.setValue(SbVec3f(0, 0, -1));
    m_group->addChild(normalBinding);
    m_group->addChild(normal);
  }
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::CLOCKWISE;
  hints->creaseAngle = 0.8f;
  m_group->addChild(hints);

  // Per-cell values have no node values to interpolate or cut.
  const int index = valuesIndex.getValue();
  if (index >= 0 && m_coloring != COLOR_INHERITED && mesh->getValuesBinding(index) == PbMesh::PER_CELL)
    m_coloring = COLOR_INHERITED;

  mesh->meshFilled(this);

  setAnyPart("appearance.texture2", m_texture);
  // The user's own material part stays unless a generated one replaced it.
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart("groupFilled", m_group);
  // Only mapped transparency deletes faces: a fresh material's one default transparency of 0
  // would otherwise turn a one-cell mesh into strips for nothing.
  if (m_dataMappingInForce && m_dataMappingInForce->isTransparencyEnabled())
    deleteTransparencyParts(m_dataMappingInForce, m_material, m_materialBinding, m_group);
  m_group->unref();
  m_group = nullptr;
  postRebuild();
}

// ---------------------------------------------------------------------------------------------
// Mesh kinds

void PoMeshFilled::beginBuild()
{
  const PbMesh2D* mesh = m_mesh2DInForce;
  const int index = valuesIndex.getValue();
  m_values = nullptr;
  if (mesh && index >= 0 && mesh->getValuesBinding(index) == PbMesh::PER_NODE)
    m_values = mesh->getValuesSet(index);
  m_z = getZValues();
  m_indexedMesh = nullptr;
  m_numX = m_numY = 0;
}

template <class Grid> void PoMeshFilled::typedGridFilled(const Grid* mesh)
{
  // Only the bands need the cutter, which reads each kind's coordinates its own way.
  beginBuild();
  if (cutsBands())
    getContouringFilled()->setMesh(mesh, m_z);
  gridFilled(mesh);
}

void PoMeshFilled::cartGridFilled(const PbCartesianGrid2D* mesh)
{
  typedGridFilled(mesh);
}

void PoMeshFilled::paralCartGridFilled(const PbParalCartesianGrid2D* mesh)
{
  typedGridFilled(mesh);
}

void PoMeshFilled::regularCartGridFilled(const PbRegularCartesianGrid2D* mesh)
{
  typedGridFilled(mesh);
}

void PoMeshFilled::polarGridFilled(const PbPolarGrid2D* mesh)
{
  typedGridFilled(mesh);
}

void PoMeshFilled::triangleMeshFilled(const PbTriangleMesh2D* mesh)
{
  indexedMeshFilled(mesh);
}

void PoMeshFilled::quadrangleMeshFilled(const PbQuadrangleMesh2D* mesh)
{
  indexedMeshFilled(mesh);
}

bool PoMeshFilled::cutsBands() const
{
  return m_values && m_coloring == COLOR_CONTOURING;
}

void PoMeshFilled::gridFilled(const PbGrid2D* mesh)
{
  if (!m_group || !mesh || mesh->getNumNodes() <= 0)
    return;
  m_numX = mesh->getNumX();
  m_numY = mesh->getNumY();
  switch (m_values ? m_coloring : COLOR_INHERITED) {
  case COLOR_AVERAGE:
    cartGridFilledAvergColr();
    break;
  case COLOR_MAPPING:
    cartGridFilledMapColr();
    break;
  case COLOR_CONTOURING:
    cartGridFilledContColr();
    break;
  case COLOR_TEXTURE_CONTOURING:
    cartGridFilledTexContColr();
    break;
  default:
    cartGridFilledInhColr();
    break;
  }
}

void PoMeshFilled::indexedMeshFilled(const PbIndexedMesh2D* mesh)
{
  beginBuild();
  if (!m_group || !mesh)
    return;
  if (mesh->getNumNodes() <= 0)
    return;
  if (cutsBands())
    getContouringFilled()->setMesh(mesh, m_z);
  m_indexedMesh = mesh;
  switch (m_values ? m_coloring : COLOR_INHERITED) {
  case COLOR_AVERAGE:
    indexedMeshFilledAvergColr();
    break;
  case COLOR_MAPPING:
    indexedMeshFilledMapColr();
    break;
  case COLOR_CONTOURING:
    indexedMeshFilledContColr();
    break;
  case COLOR_TEXTURE_CONTOURING:
    indexedMeshFilledTexContColr();
    break;
  default:
    indexedMeshFilledInhColr();
    break;
  }
}

// ---------------------------------------------------------------------------------------------
// Shared pieces

SoNode* PoMeshFilled::makeQuadMesh() const
{
  // Nodes run along y fastest: a row of the quad mesh is one x index.
  SoQuadMesh* quads = new SoQuadMesh;
  quads->verticesPerRow = m_numY;
  quads->verticesPerColumn = m_numX;
  return quads;
}

SoNode* PoMeshFilled::makeFaceSet() const
{
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  m_indexedMesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  SoIndexedFaceSet* faces = new SoIndexedFaceSet;
  const int length = m_indexedMesh->getCellIndexLength();
  faces->coordIndex.setNum(length + numCells);
  int32_t* out = faces->coordIndex.startEditing();
  int k = 0;
  for (int c = 0; c < numCells; ++c) {
    const int offset = m_indexedMesh->getCellOffset(c);
    const int end = c + 1 < numCells ? m_indexedMesh->getCellOffset(c + 1) : length;
    for (int i = offset; i < end; ++i)
      out[k++] = cellIndex[i];
    out[k++] = -1;
  }
  faces->coordIndex.finishEditing();
  faces->coordIndex.setNum(k);
  return faces;
}

void PoMeshFilled::addMaterialBinding(int binding)
{
  m_materialBinding = new SoMaterialBinding;
  m_materialBinding->value = binding;
  m_group->addChild(m_materialBinding);
}

void PoMeshFilled::addTextureCoordinates()
{
  PiTextureContouring* texture = getTextureContouring();
  if (!texture || !texture->getTexture())
    return;
  m_texture = texture->getTexture();
  const int num = m_mesh2DInForce->getNumNodes();
  SoTextureCoordinateBinding* binding = new SoTextureCoordinateBinding;
  binding->value = SoTextureCoordinateBinding::PER_VERTEX_INDEXED;
  SoTextureCoordinate2* coords = new SoTextureCoordinate2;
  coords->point.setNum(num);
  texture->getTextureCoords(num, m_values, coords->point.startEditing());
  coords->point.finishEditing();
  m_group->addChild(binding);
  m_group->addChild(coords);
}

// ---------------------------------------------------------------------------------------------
// Structured grids

void PoMeshFilled::cartGridFilledInhColr()
{
  m_group->addChild(makeSoCoordinate3(m_z));
  m_group->addChild(makeQuadMesh());
}

void PoMeshFilled::cartGridFilledAvergColr()
{
  const int numCells = (m_numX - 1) * (m_numY - 1);
  float* means = allocPointValues(numCells);
  for (int i = 0; i + 1 < m_numX; ++i) {
    for (int j = 0; j + 1 < m_numY; ++j) {
      const int n = i * m_numY + j;
      means[i * (m_numY - 1) + j] =
        0.25f * (m_values[n] + m_values[n + m_numY] + m_values[n + m_numY + 1] + m_values[n + 1]);
    }
  }
  m_numValues = numCells;
  mapColor(numCells, means);
  addMaterialBinding(SoMaterialBinding::PER_FACE);
  cartGridFilledInhColr();
}

void PoMeshFilled::cartGridFilledMapColr()
{
  mapColor(m_numX * m_numY, m_values);
  addMaterialBinding(SoMaterialBinding::PER_VERTEX_INDEXED);
  cartGridFilledInhColr();
}

void PoMeshFilled::cartGridFilledContColr()
{
  fillBands();
}

void PoMeshFilled::cartGridFilledTexContColr()
{
  addTextureCoordinates();
  cartGridFilledInhColr();
}

// ---------------------------------------------------------------------------------------------
// Unstructured meshes

void PoMeshFilled::indexedMeshFilledInhColr()
{
  m_group->addChild(makeSoCoordinate3(m_z));
  m_group->addChild(makeFaceSet());
}

void PoMeshFilled::indexedMeshFilledAvergColr()
{
  int numNodes, numCells;
  const float *x, *y, *z;
  const int *cellIndex, *cellType;
  m_indexedMesh->getGeometry(numNodes, x, y, z, numCells, cellIndex, cellType);
  const int length = m_indexedMesh->getCellIndexLength();
  float* means = allocPointValues(numCells);
  for (int c = 0; c < numCells; ++c) {
    const int offset = m_indexedMesh->getCellOffset(c);
    const int end = c + 1 < numCells ? m_indexedMesh->getCellOffset(c + 1) : length;
    double sum = 0;
    for (int i = offset; i < end; ++i)
      sum += m_values[cellIndex[i]];
    means[c] = end > offset ? static_cast<float>(sum / (end - offset)) : 0.0f;
  }
  m_numValues = numCells;
  mapColor(numCells, means);
  addMaterialBinding(SoMaterialBinding::PER_FACE);
  indexedMeshFilledInhColr();
}

void PoMeshFilled::indexedMeshFilledMapColr()
{
  mapColor(m_indexedMesh->getNumNodes(), m_values);
  addMaterialBinding(SoMaterialBinding::PER_VERTEX_INDEXED);
  indexedMeshFilledInhColr();
}

void PoMeshFilled::indexedMeshFilledContColr()
{
  fillBands();
}

void PoMeshFilled::fillBands()
{
  PiContouringFilled* cutter = getContouringFilled();
  cutter->setDataMapping(m_dataMappingInForce);
  cutter->setIsovaluesList(m_isovaluesListInForce);
  SoMaterial* material = new SoMaterial;
  SoMaterialBinding* binding = new SoMaterialBinding;
  material->ref();
  binding->ref();
  cutter->fillSurf(m_values, nullptr, m_group, material, binding);
  if (cutter->getNumFaces() > 0) {
    m_material = material;
    m_materialBinding = binding;
    material->unrefNoDelete();
    binding->unref();
    return;
  }
  // No isovalue to cut along: the plain geometry in the inherited colour.
  material->unref();
  binding->unref();
  if (m_indexedMesh)
    indexedMeshFilledInhColr();
  else
    cartGridFilledInhColr();
}

void PoMeshFilled::indexedMeshFilledTexContColr()
{
  addTextureCoordinates();
  indexedMeshFilledInhColr();
}
