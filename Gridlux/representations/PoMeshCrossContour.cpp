// Outline of a plane's section of the current 3D mesh: the plane cut with the grid's sides or the
// unstructured mesh's skin.
#include <Gridlux/representations/PoMeshCrossContour.h>

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

PO_KIT_SOURCE(PoMeshCrossContour);

void PoMeshCrossContour::initClass()
{
  PO_KIT_INIT_CLASS(PoMeshCrossContour, PoMesh3D, "PoMesh3D");
}

PoMeshCrossContour::PoMeshCrossContour()
{
  SO_KIT_CONSTRUCTOR(PoMeshCrossContour);
  SO_KIT_ADD_CATALOG_ENTRY(groupCrossContour, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(plane, (SbPlane(SbVec3f(0, 0, 1), 0.0f)));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoMeshCrossContour::~PoMeshCrossContour()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoMeshCrossContour::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&plane);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoMeshCrossContour::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
}

void PoMeshCrossContour::rebuild()
{
  preRebuild();
  const PbMesh3D* mesh = m_mesh3DInForce;
  m_material = nullptr;
  m_numPoints = m_numValues = 0;
  if (!mesh || mesh->isEmpty()) {
    if (m_ownsMaterialPart)
      setAnyPart("appearance.material", nullptr);
    m_ownsMaterialPart = 0;
    setAnyPart("groupCrossContour", nullptr);
    postRebuild();
    return;
  }

  // Distances of the nodes along the normal; the plane is where they equal its own.
  const SbVec3f normal = plane.getValue().getNormal();
  m_level = plane.getValue().getDistanceFromOrigin();
  const int numNodes = mesh->getNumNodes();
  m_distances.resize(numNodes);
  for (int i = 0; i < numNodes; ++i)
    m_distances[i] = normal.dot(mesh->getNodeCoord(i));

  m_coordIndexArray.empty();
  beginFaceCuts(m_distances.data(), m_level);
  initSurfPointList();
  mesh->meshCrossContour(this);

  SoGroup* group = new SoGroup;
  group->ref();
  if (m_coordIndexArray.getNum() > 0) {
    const int colorIndex = valuesIndex.getValue();
    const float* colorValues = colorIndex >= 0 ? mesh->getValuesSet(colorIndex) : nullptr;
    const bool mapped = colorValues && mesh->getValuesBinding(colorIndex) == PbMesh::PER_NODE &&
                        m_coloring != COLOR_INHERITED;
    SoCoordinate3* coords = new SoCoordinate3;
    if (mapped) {
      SoMaterialBinding* binding = new SoMaterialBinding;
      binding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
      group->addChild(binding);
      computeLevelSurfPointCoordAndMaterial(mesh, m_distances.data(), m_level, coords->point, colorValues);
    } else {
      computeLevelSurfPointCoord(mesh, m_distances.data(), m_level, coords->point);
    }
    SoIndexedLineSet* lines = new SoIndexedLineSet;
    lines->coordIndex.setValues(0, m_coordIndexArray.getNum(), m_coordIndexArray.get());
    group->addChild(coords);
    group->addChild(lines);
  }
  if (m_material || m_ownsMaterialPart)
    setAnyPart("appearance.material", m_material);
  m_ownsMaterialPart = m_material != nullptr;
  setAnyPart("groupCrossContour", group);
  group->unref();
  postRebuild();
}

void PoMeshCrossContour::indexedMeshCrossContour(const PbIndexedMesh3D* mesh)
{
  getSkinCrossContour(mesh);
}

void PoMeshCrossContour::hexahedronMeshCrossContour(const PbHexahedronMesh3D* mesh)
{
  getSkinCrossContour(mesh);
}

void PoMeshCrossContour::tetrahedronMeshCrossContour(const PbTetrahedronMesh3D* mesh)
{
  getSkinCrossContour(mesh);
}

void PoMeshCrossContour::cartGrid3DCrossContour(const PbCartesianGrid3D* mesh)
{
  getGrid3DCrossContour(mesh);
}

void PoMeshCrossContour::paralCartGrid3DCrossContour(const PbParalCartesianGrid3D* mesh)
{
  getGrid3DCrossContour(mesh);
}

void PoMeshCrossContour::regularGrid3DCrossContour(const PbRegularCartesianGrid3D* mesh)
{
  getGrid3DCrossContour(mesh);
}
