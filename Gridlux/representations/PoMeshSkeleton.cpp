// Skeleton of the current 3D mesh: the outlines of evenly spaced axis planes on its skin, cut by
// the face cutters of the section outlines.
#include <Gridlux/representations/PoMeshSkeleton.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cmath>

PO_KIT_SOURCE(PoMeshSkeleton);

namespace {
const char* const kGroupParts[3] = {"skeletonXContourGroup", "skeletonYContourGroup", "skeletonZContourGroup"};
const char* const kMaterialParts[3] = {"skeletonXContourApp.material", "skeletonYContourApp.material",
                                       "skeletonZContourApp.material"};
// Beyond this many planes on one axis the count is taken for a mistake.
const int kMaxPlanes = 100000;
}

void PoMeshSkeleton::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshSkeleton, PoMesh3D, "PoMesh3D");
}

PoMeshSkeleton::PoMeshSkeleton()
{
  SO_KIT_CONSTRUCTOR(PoMeshSkeleton);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonMaterialBinding, SoMaterialBinding, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonXContourSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonXContourApp, SoAppearanceKit, TRUE, skeletonXContourSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonXContourGroup, SoGroup, TRUE, skeletonXContourSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonYContourSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonYContourApp, SoAppearanceKit, TRUE, skeletonYContourSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonYContourGroup, SoGroup, TRUE, skeletonYContourSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonZContourSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonZContourApp, SoAppearanceKit, TRUE, skeletonZContourSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(skeletonZContourGroup, SoGroup, TRUE, skeletonZContourSep, "", TRUE);
  SO_KIT_ADD_FIELD(numXContour, (3));
  SO_KIT_ADD_FIELD(numYContour, (3));
  SO_KIT_ADD_FIELD(numZContour, (3));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshSkeleton::~PoMeshSkeleton()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMeshSkeleton::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&numXContour);
  fields.append(&numYContour);
  fields.append(&numZContour);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshSkeleton::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
}

void PoMeshSkeleton::clearAxes()
{
  for (int a = 0; a < 3; ++a) {
    setAnyPart(kGroupParts[a], nullptr);
    // The user's own axis material stays.
    if (m_ownsAxisMaterial[a])
      setAnyPart(kMaterialParts[a], nullptr);
    m_ownsAxisMaterial[a] = 0;
  }
}

void PoMeshSkeleton::rebuild()
{
  static const char* const method = "PoMeshSkeleton::rebuild";
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  m_material = nullptr;
  if (!mesh || mesh->isEmpty()) {
    setAnyPart("skeletonMaterialBinding", nullptr);
    clearAxes();
    postRebuild();
    return;
  }

  const int set = valuesIndex.getValue();
  const float* values = set >= 0 ? mesh->getValuesSet(set) : nullptr;
  if (values && mesh->getValuesBinding(set) != PbMesh::PER_NODE)
    values = nullptr;
  if (m_coloring == COLOR_INHERITED)
    values = nullptr;
  if (values) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    binding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
    setAnyPart("skeletonMaterialBinding", binding);
  } else {
    setAnyPart("skeletonMaterialBinding", nullptr);
  }

  // Planes at the middles of numXContour equal slices of the box, and so on.
  const SbBox3f& box = mesh->getBoundingBox();
  const SoSFInt32* counts[3] = {&numXContour, &numYContour, &numZContour};
  const char* const names[3] = {"numXContour", "numYContour", "numZContour"};
  float* planes[3];
  for (int a = 0; a < 3; ++a) {
    int num = counts[a]->getValue();
    const float lo = box.getMin()[a], hi = box.getMax()[a];
    if (num < 0 || num > kMaxPlanes) {
      PoDebugError::post(method, "%s = %d is not between 0 and %d: no planes across that axis", names[a], num,
                         kMaxPlanes);
      num = 0;
    } else if (num > 0 && !(std::isfinite(lo) && std::isfinite(hi))) {
      PoDebugError::post(method, "the mesh's bounding box is not finite: no planes");
      num = 0;
    }
    m_numPlanes[a] = num;
    m_planes[a].resize(num);
    for (int i = 0; i < num; ++i)
      m_planes[a][i] = float(lo + (i + 0.5) * (double(hi) - lo) / num);
    planes[a] = m_planes[a].data();
  }
  mesh->meshSkeleton(this, values, planes[0], planes[1], planes[2]);
  postRebuild();
}

void PoMeshSkeleton::buildAxes(const PbMesh3D* mesh, const PbGrid3D* grid, const PbIndexedMesh3D* skin,
                               const float* values, float* const planes[3])
{
  const int numNodes = mesh->getNumNodes();
  const float* xyz[3] = {nullptr, nullptr, nullptr};
  if (skin) {
    int n;
    skin->getNodes(n, xyz[0], xyz[1], xyz[2]);
  }
  std::vector<SbVec3f> points;
  std::vector<float> pointValues;
  std::vector<int> indices;
  for (int a = 0; a < 3; ++a) {
    // A node's distance along the axis is its coordinate.
    const float* distances = xyz[a];
    if (!distances) {
      m_distances.resize(numNodes);
      for (int i = 0; i < numNodes; ++i)
        m_distances[i] = mesh->getNodeCoord(i)[a];
      distances = m_distances.data();
    }
    points.clear();
    pointValues.clear();
    indices.clear();
    for (int p = 0; p < m_numPlanes[a]; ++p) {
      const float level = planes[a][p];
      m_coordIndexArray.empty();
      initSurfPointList();
      beginFaceCuts(distances, level);
      if (grid)
        getGrid3DCrossContour(grid);
      else
        getSkinCrossContour(skin);
      const int numIndices = m_coordIndexArray.getNum();
      if (numIndices == 0)
        continue;
      // Each plane numbers its points from 0: they follow those of the planes before.
      const int base = static_cast<int>(points.size());
      const int* index = m_coordIndexArray.get();
      for (int i = 0; i < numIndices; ++i)
        indices.push_back(index[i] < 0 ? -1 : index[i] + base);
      if (values) {
        computeLevelSurfPointCoordAndValues(mesh, distances, level, m_planePoints, values);
        pointValues.insert(pointValues.end(), m_pointValues, m_pointValues + m_numValues);
      } else {
        computeLevelSurfPointCoord(mesh, distances, level, m_planePoints);
      }
      const SbVec3f* at = m_planePoints.getValues(0);
      points.insert(points.end(), at, at + m_planePoints.getNum());
    }

    m_material = nullptr;
    SoGroup* group = nullptr;
    if (!indices.empty()) {
      group = new SoGroup;
      SoCoordinate3* coords = new SoCoordinate3;
      coords->point.setValues(0, static_cast<int>(points.size()), points.data());
      SoIndexedLineSet* lines = new SoIndexedLineSet;
      lines->coordIndex.setValues(0, static_cast<int>(indices.size()), indices.data());
      group->addChild(coords);
      group->addChild(lines);
      if (values)
        mapColor(static_cast<int>(pointValues.size()), pointValues.data());
    }
    if (m_material || m_ownsAxisMaterial[a])
      setAnyPart(kMaterialParts[a], m_material);
    m_ownsAxisMaterial[a] = m_material != nullptr;
    setAnyPart(kGroupParts[a], group);
  }
  m_material = nullptr;
}

void PoMeshSkeleton::cartGrid3DSkeleton(const PbCartesianGrid3D* mesh, const float* values, float* xPlanes,
                                        float* yPlanes, float* zPlanes)
{
  float* const planes[3] = {xPlanes, yPlanes, zPlanes};
  buildAxes(mesh, mesh, nullptr, values, planes);
}

void PoMeshSkeleton::paralCartGrid3DSkeleton(const PbParalCartesianGrid3D* mesh, const float* values,
                                             float* xPlanes, float* yPlanes, float* zPlanes)
{
  float* const planes[3] = {xPlanes, yPlanes, zPlanes};
  buildAxes(mesh, mesh, nullptr, values, planes);
}

void PoMeshSkeleton::regularGrid3DSkeleton(const PbRegularCartesianGrid3D* mesh, const float* values,
                                           float* xPlanes, float* yPlanes, float* zPlanes)
{
  float* const planes[3] = {xPlanes, yPlanes, zPlanes};
  buildAxes(mesh, mesh, nullptr, values, planes);
}

void PoMeshSkeleton::hexahedronMeshSkeleton(const PbHexahedronMesh3D* mesh, const float* values, float* xPlanes,
                                            float* yPlanes, float* zPlanes)
{
  indexedMeshSkeleton(mesh, values, xPlanes, yPlanes, zPlanes);
}

void PoMeshSkeleton::tetrahedronMeshSkeleton(const PbTetrahedronMesh3D* mesh, const float* values,
                                             float* xPlanes, float* yPlanes, float* zPlanes)
{
  indexedMeshSkeleton(mesh, values, xPlanes, yPlanes, zPlanes);
}

void PoMeshSkeleton::indexedMeshSkeleton(const PbIndexedMesh3D* mesh, const float* values, float* xPlanes,
                                         float* yPlanes, float* zPlanes)
{
  float* const planes[3] = {xPlanes, yPlanes, zPlanes};
  buildAxes(mesh, nullptr, mesh, values, planes);
}
