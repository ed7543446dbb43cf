// Plane sections measured through what they draw: the unit cube cut through its centre on every
// mesh kind by both methods (closed-form areas, facing), exact interpolated colours, planes that
// miss, touch or lie along faces, the kept distances, the colourings and the file.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/representations/PoMeshCrossSection.h>

#include <Inventor/SoPath.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoIndexedTriangleStripSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoTexture2.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kPreference = "OIV_FIELDWORK_CROSS_SECTION_METHOD";

// Sets the method preference for the life of the object, and clears it after. The preference
// is read at each rebuild: the node is touched so that the next traversal rebuilds it.
struct MethodPreference {
  MethodPreference(const char* value, PoBase* node) : m_node(node)
  {
    setenv(kPreference, value, 1);
    m_node->touchKit();
  }
  ~MethodPreference()
  {
    unsetenv(kPreference);
    m_node->touchKit();
  }
  PoBase* m_node;
};

class CrossSection : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    unsetenv(kPreference);
    root = new SoSeparator;
    root->ref();
    node = new PoMeshCrossSection;
    root->addChild(node);
    node->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
    mapping.setValues(0.0f, SbColor(0, 0, 0), 1.0f, SbColor(1, 1, 1));
  }
  void TearDown() override { root->unref(); }

  void cut(const SbVec3f& normal, float distance)
  {
    SbVec3f n = normal;
    n.normalize();
    node->plane = SbPlane(n, distance);
  }
  // The plane of normal @p normal through the cube's centre.
  void cutCentre(const SbVec3f& normal)
  {
    SbVec3f n = normal;
    n.normalize();
    node->plane = SbPlane(n, SbVec3f(0.5f, 0.5f, 0.5f));
  }

  SoGroup* group() const { return static_cast<SoGroup*>(node->getPart("groupCrossSection", FALSE)); }
  template <class T> T* find() const
  {
    for (int i = 0; group() && i < group()->getNumChildren(); ++i)
      if (group()->getChild(i)->isOfType(T::getClassTypeId()))
        return static_cast<T*>(group()->getChild(i));
    return nullptr;
  }
  SoMaterial* material() const { return static_cast<SoMaterial*>(node->getPart("appearance.material", FALSE)); }

  // Triangles whose turn does not face the plane's normal.
  int wrongFacing(const GeometryProbe& probe) const
  {
    const SbVec3f n = node->plane.getValue().getNormal();
    int wrong = 0;
    for (const GeometryProbe::Triangle& t : probe.triangles())
      wrong += (t.v[1] - t.v[0]).cross(t.v[2] - t.v[0]).dot(n) <= 0;
    return wrong;
  }
  // Largest distance of a drawn vertex from the plane.
  double offPlane(const GeometryProbe& probe) const
  {
    const SbPlane p = node->plane.getValue();
    double worst = 0;
    for (const GeometryProbe::Triangle& t : probe.triangles())
      for (const SbVec3f& v : t.v)
        worst = std::max(worst, std::fabs(double(p.getDistance(v))));
    return worst;
  }

  SoSeparator* root = nullptr;
  PoMeshCrossSection* node = nullptr;
  PbLinearDataMapping mapping;
  int rebuilds = 0;
};

// Area of the unit cube's section by the plane n.P = d, for the three normals used here, in
// closed form: the density of n.P for a point spread evenly over the cube.
double cubeSectionArea(const SbVec3f& normal, double d)
{
  if (normal[0] == 0 && normal[1] == 0)
    return d >= 0 && d <= 1 ? 1.0 : 0.0;
  if (normal[2] == 0) { // x + y = c, c = sqrt(2) d: a rectangle of height 1
    const double c = std::sqrt(2.0) * d;
    return std::sqrt(2.0) * (c <= 1 ? std::max(c, 0.0) : std::max(2 - c, 0.0));
  }
  // x + y + z = s, s = sqrt(3) d: sqrt(3) times the density of a sum of three uniforms.
  const double t = std::sqrt(3.0) * d;
  const double f = t < 0 ? 0 : t <= 1 ? t * t / 2 : t <= 2 ? (-2 * t * t + 6 * t - 3) / 2 : t <= 3 ? (3 - t) * (3 - t) / 2 : 0;
  return std::sqrt(3.0) * f;
}

TEST_F(CrossSection, UnitCubeThroughItsCentreOnEveryMeshKindByBothMethods)
{
  // Through the centre, a node of the lattice: the intersection cuts there; the level surface
  // moves its level off the node values by a hundredth of the gap to the next one, and its area
  // is that of the plane it then draws. Off the nodes both draw the same plane.
  const SbVec3f normals[] = {SbVec3f(0, 0, 1), SbVec3f(1, 1, 1), SbVec3f(1, 1, 0)};
  const double centre[] = {1.0, 3 * std::sqrt(3.0) / 4, std::sqrt(2.0)};
  double tiltedArea[2] = {0, 0};
  for (const MeshCase& c : unitCubes(11)) {
    node->setMesh(c.mesh.get());
    for (int p = 0; p < 3; ++p) {
      SbVec3f normal = normals[p];
      normal.normalize();
      for (double offset : {0.0, 0.013}) {
        const double d = normal.dot(SbVec3f(0.5f, 0.5f, 0.5f)) + offset;
        node->plane = SbPlane(normal, float(d));
        double areas[2];
        for (int m = 0; m < 2; ++m) {
          MethodPreference method(m == 0 ? "intersection" : "ISOSURFACE", node);
          GeometryProbe probe(root);
          SCOPED_TRACE(c.name + (m == 0 ? ", intersection" : ", isosurface") + ", normal " + std::to_string(p) +
                       ", offset " + std::to_string(offset));
          EXPECT_EQ(node->getMethod(), m == 0 ? PoMeshCrossSection::INTERSECTION : PoMeshCrossSection::ISOSURFACE);
          areas[m] = probe.area();
          const double level = m == 0 ? d : node->getLevelSurfLevel();
          EXPECT_NEAR(areas[m], cubeSectionArea(normal, level), p == 0 ? 1e-5 : 1e-4);
          if (m == 0 && offset == 0)
            EXPECT_NEAR(areas[m], centre[p], p == 0 ? 1e-5 : 1e-4);
          EXPECT_EQ(wrongFacing(probe), 0);
          const SbPlane drawn(normal, float(level));
          double worst = 0;
          for (const GeometryProbe::Triangle& t : probe.triangles())
            for (const SbVec3f& v : t.v)
              worst = std::max(worst, std::fabs(double(drawn.getDistance(v))));
          EXPECT_LT(worst, 1e-5);
        }
        if (offset != 0)
          EXPECT_NEAR(areas[0], areas[1], 1e-4) << c.name;
      }
    }
    // Planes of no particular direction, rising and falling in z: the same area by both
    // methods, and by every mesh kind.
    const SbVec3f tilted[] = {SbVec3f(-0.3f, 0.5f, 0.8f), SbVec3f(0.2f, 0.4f, -0.9f)};
    for (int t = 0; t < 2; ++t) {
      cutCentre(tilted[t]);
      double areas[2];
      for (int m = 0; m < 2; ++m) {
        MethodPreference method(m == 0 ? "INTERSECTION" : "isosurface", node);
        GeometryProbe probe(root);
        areas[m] = probe.area();
        EXPECT_EQ(wrongFacing(probe), 0) << c.name;
      }
      EXPECT_GT(areas[0], 1.0);
      EXPECT_NEAR(areas[0], areas[1], 1e-4) << c.name;
      if (tiltedArea[t] == 0)
        tiltedArea[t] = areas[0];
      EXPECT_NEAR(areas[0], tiltedArea[t], 1e-4) << c.name;
    }
  }
}

TEST_F(CrossSection, EachMeshTellsItsMethodAndThePreferenceOverridesIt)
{
  std::vector<MeshCase> cases = unitCubes(11);
  for (const MeshCase& c : cases) {
    node->setMesh(c.mesh.get());
    node->touchKit();
    GeometryProbe probe(root);
    const bool grid = c.name == "regular grid" || c.name.rfind("rectilinear grid", 0) == 0;
    EXPECT_EQ(node->getMethod(), grid ? PoMeshCrossSection::INTERSECTION : PoMeshCrossSection::ISOSURFACE) << c.name;
    {
      MethodPreference unknown("SLICES", node);
      node->touchKit();
      probe.apply(root);
      EXPECT_EQ(node->getMethod(), grid ? PoMeshCrossSection::INTERSECTION : PoMeshCrossSection::ISOSURFACE)
        << c.name;
    }
  }
}

TEST_F(CrossSection, AxisPlanesOfGridsAreOneQuadMeshOtherNormalsCutTheCells)
{
  std::vector<MeshCase> cases = unitCubes(11);
  node->setMesh(meshNamed(cases, "regular grid"));
  for (const SbVec3f& axis : {SbVec3f(1, 0, 0), SbVec3f(0, 1, 0), SbVec3f(0, 0, 1)}) {
    cut(axis, 0.37f);
    GeometryProbe probe(root);
    const SoQuadMesh* quads = find<SoQuadMesh>();
    ASSERT_TRUE(quads);
    EXPECT_EQ(quads->verticesPerRow.getValue() * quads->verticesPerColumn.getValue(), 121);
    EXPECT_FALSE(find<SoIndexedFaceSet>());
    EXPECT_NEAR(probe.area(), 1.0, 1e-5);
    EXPECT_EQ(wrongFacing(probe), 0);
    EXPECT_LT(offPlane(probe), 1e-6);
  }
  // The opposite direction is not an axis slice: the cells are cut one by one.
  cut(SbVec3f(-1, 0, 0), -0.37f);
  GeometryProbe probe(root);
  EXPECT_FALSE(find<SoQuadMesh>());
  EXPECT_TRUE(find<SoIndexedFaceSet>());
  EXPECT_NEAR(probe.area(), 1.0, 1e-5);
  EXPECT_EQ(wrongFacing(probe), 0);

  // The last node layer is still inside; beyond it nothing is drawn.
  cut(SbVec3f(1, 0, 0), 1.0f);
  probe.apply(root);
  EXPECT_NEAR(probe.area(), 1.0, 1e-5);
  cut(SbVec3f(1, 0, 0), 1.01f);
  probe.apply(root);
  EXPECT_TRUE(probe.triangles().empty());
}

TEST_F(CrossSection, ColoursOfALinearSetAreExactAtThePoints)
{
  // f = x, mapped black at 0 to white at 1: each point's colour is its own x.
  node->setDataMapping(&mapping);
  node->valuesIndex = 0;
  node->coloringType = PoMesh::COLOR_MAPPING;
  std::vector<MeshCase> cases = unitCubes(11);
  for (const MeshCase& c : cases) {
    node->setMesh(c.mesh.get());
    for (const SbVec3f& normal : {SbVec3f(1, 1, 1), SbVec3f(0, 0, 1), SbVec3f(1, 0, 0)}) {
      cutCentre(normal);
      for (const char* method : {"INTERSECTION", "ISOSURFACE"}) {
        MethodPreference preference(method, node);
        GeometryProbe probe(root);
        SCOPED_TRACE(c.name + ", " + method);
        const SoCoordinate3* coords = find<SoCoordinate3>();
        const SoMaterialBinding* binding = find<SoMaterialBinding>();
        ASSERT_TRUE(coords && material() && binding);
        EXPECT_EQ(binding->value.getValue(), SoMaterialBinding::PER_VERTEX_INDEXED);
        ASSERT_EQ(material()->diffuseColor.getNum(), coords->point.getNum());
        double worst = 0;
        for (int p = 0; p < coords->point.getNum(); ++p)
          worst = std::max(worst, std::fabs(double(material()->diffuseColor[p][0] - coords->point[p][0])));
        EXPECT_LT(worst, 1e-5);
      }
    }
  }
}

TEST_F(CrossSection, PlanesThatMissTouchAtANodeOrLieAlongFaces)
{
  std::vector<MeshCase> cases = unitCubes(11);
  for (const MeshCase& c : cases) {
    node->setMesh(c.mesh.get());
    SCOPED_TRACE(c.name);
    for (const char* method : {"INTERSECTION", "ISOSURFACE"}) {
      MethodPreference preference(method, node);
      ErrorCatcher errors;
      cut(SbVec3f(0, 0, 1), 1.5f);
      GeometryProbe probe(root);
      EXPECT_TRUE(probe.triangles().empty()) << method;
      // Through the corner (0, 0, 0) only: nothing is cut there; the level surface, moved off
      // the corner's value into the cube, draws the small triangle it then meets.
      cut(SbVec3f(1, 1, 1), 0.0f);
      probe.apply(root);
      if (std::string(method) == "INTERSECTION") {
        EXPECT_TRUE(probe.triangles().empty());
      } else {
        EXPECT_GT(node->getLevelSurfLevel(), 0.0f);
        EXPECT_NEAR(probe.area(), cubeSectionArea(SbVec3f(1, 1, 1) / std::sqrt(3.0f), node->getLevelSurfLevel()),
                    1e-8);
      }
      EXPECT_EQ(errors.count(), 0) << method;
    }
    // Along a node layer, the faces between two cell layers are drawn once (area 1, not 2);
    // along the cube's own face, once too.
    MethodPreference intersection("INTERSECTION", node);
    for (float z : {0.5f, 0.0f, 1.0f}) {
      cut(SbVec3f(0, 0, 1), z);
      GeometryProbe probe(root);
      EXPECT_NEAR(probe.area(), 1.0, 1e-5) << "z = " << z;
      EXPECT_EQ(wrongFacing(probe), 0);
    }
  }
}

TEST_F(CrossSection, DistancesAreKeptForAMoveAlongTheNormalOrATinyTurn)
{
  std::vector<MeshCase> cases = unitCubes(11);
  PbMesh3D* mesh = meshNamed(cases, "tetrahedron mesh");
  node->setMesh(mesh);
  const int far = mesh->getNumNodes() - 1; // the node at (1, 1, 1)
  cut(SbVec3f(0, 0, 1), 0.25f);
  GeometryProbe probe(root);
  ASSERT_TRUE(node->getIsosurfDataSet());
  EXPECT_FLOAT_EQ(node->getIsosurfDataSet()[far], 1.0f);
  EXPECT_FLOAT_EQ(node->getIsosurfValue(), 0.25f);

  cut(SbVec3f(0, 0, 1), 0.75f);
  probe.apply(root);
  EXPECT_FLOAT_EQ(node->getIsosurfDataSet()[far], 1.0f);
  EXPECT_FLOAT_EQ(node->getIsosurfValue(), 0.75f);

  // Half a degree: cosine 0.99996, the distances stay those of the first normal.
  const float small = 0.5f * 3.14159265f / 180;
  cut(SbVec3f(std::sin(small), 0, std::cos(small)), 0.5f);
  probe.apply(root);
  EXPECT_FLOAT_EQ(node->getIsosurfDataSet()[far], 1.0f);
  // Two degrees: recomputed along the new normal.
  const float turn = 2.0f * 3.14159265f / 180;
  cut(SbVec3f(std::sin(turn), 0, std::cos(turn)), 0.5f);
  probe.apply(root);
  EXPECT_NEAR(node->getIsosurfDataSet()[far], std::sin(turn) + std::cos(turn), 1e-6);

  // Another mesh, even of the same node count, is measured again.
  node->setMesh(meshNamed(cases, "hexahedron mesh"));
  cut(SbVec3f(0, 1, 0), 0.5f);
  probe.apply(root);
  EXPECT_FLOAT_EQ(node->getIsosurfDataSet()[0], 0.0f);
  EXPECT_FLOAT_EQ(node->getIsosurfDataSet()[far], 1.0f);
}

TEST_F(CrossSection, ColouringsPerCellBandsAndTexture)
{
  std::vector<MeshCase> cases = unitCubes(11);
  const int n = 11;
  // Per cell: the first x index of the cell's cube (every kind keeps the cube order per cell).
  std::vector<float> perCube;
  for (int i = 0; i + 1 < n; ++i)
    for (int c = 0; c < (n - 1) * (n - 1); ++c)
      perCube.push_back(float(i) / (n - 1));
  PbMesh3D* grid = meshNamed(cases, "regular grid");
  grid->addValuesSet(1, perCube.data(), PbMesh::PER_CELL);
  node->setMesh(grid);
  node->setDataMapping(&mapping);
  node->coloringType = PoMesh::COLOR_MAPPING;
  node->valuesIndex = 1;
  for (const SbVec3f& normal : {SbVec3f(1, 1, 0), SbVec3f(0, 0, 1)}) {
    cutCentre(normal);
    GeometryProbe probe(root);
    const SoMaterialBinding* binding = find<SoMaterialBinding>();
    ASSERT_TRUE(binding && material());
    const bool quads = find<SoQuadMesh>() != nullptr;
    EXPECT_EQ(quads, normal[0] == 0);
    EXPECT_EQ(binding->value.getValue(), quads ? SoMaterialBinding::PER_FACE : SoMaterialBinding::PER_PART);
    // Each face, found by its corners, is coloured as the cube it lies in: its x index.
    const SoCoordinate3* coords = find<SoCoordinate3>();
    ASSERT_TRUE(coords);
    std::vector<std::vector<int>> faces;
    if (quads) {
      const int columns = find<SoQuadMesh>()->verticesPerRow.getValue();
      const int rows = find<SoQuadMesh>()->verticesPerColumn.getValue();
      for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c + 1 < columns; ++c)
          faces.push_back({r * columns + c, r * columns + c + 1, (r + 1) * columns + c + 1, (r + 1) * columns + c});
    } else {
      const SoIndexedFaceSet* set = find<SoIndexedFaceSet>();
      ASSERT_TRUE(set);
      faces.emplace_back();
      for (int i = 0; i < set->coordIndex.getNum(); ++i) {
        if (set->coordIndex[i] < 0)
          faces.emplace_back();
        else
          faces.back().push_back(set->coordIndex[i]);
      }
      faces.pop_back();
    }
    ASSERT_EQ(material()->diffuseColor.getNum(), int(faces.size()));
    for (size_t f = 0; f < faces.size(); ++f) {
      SbVec3f centre(0, 0, 0);
      for (int p : faces[f])
        centre += coords->point[p];
      centre /= float(faces[f].size());
      const float expected = std::floor(centre[0] * (n - 1)) / (n - 1);
      EXPECT_NEAR(material()->diffuseColor[int(f)][0], expected, 1e-5) << "face " << f;
    }
  }

  // Bands along x over the (1, 1, 1) section, by both methods.
  PbIsovaluesList isovalues(0.2f, 0.8f, 4);
  node->setIsovaluesList(&isovalues);
  node->valuesIndex = 0;
  node->coloringType = PoMesh::COLOR_CONTOURING;
  cutCentre(SbVec3f(1, 1, 1));
  for (const char* method : {"INTERSECTION", "ISOSURFACE"}) {
    MethodPreference preference(method, node);
    GeometryProbe probe(root);
    EXPECT_NEAR(probe.area(), 3 * std::sqrt(3.0) / 4, 1e-4) << method;
    ASSERT_TRUE(material()) << method;
    EXPECT_GT(material()->diffuseColor.getNum(), 5) << method;
  }
  node->coloringType = PoMesh::COLOR_TEXTURE_CONTOURING;
  GeometryProbe probe(root);
  EXPECT_TRUE(node->getPart("appearance.texture2", FALSE));
  EXPECT_NEAR(probe.area(), 3 * std::sqrt(3.0) / 4, 1e-4);
}

TEST_F(CrossSection, RebuildsOnceAChangeAndNothingWithoutAMesh)
{
  GeometryProbe probe(root);
  EXPECT_FALSE(group());
  std::vector<MeshCase> cases = unitCubes(11);
  node->setMesh(meshNamed(cases, "rectilinear grid"));
  probe.apply(root);
  const int before = rebuilds;
  probe.apply(root);
  EXPECT_EQ(rebuilds, before);
  cut(SbVec3f(0, 1, 0), 0.3f);
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, before + 1);
}

TEST(CrossSectionFile, ThePlaneReadsBackAsWritten)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoMeshCrossSection* node = new PoMeshCrossSection;
  node->plane = SbPlane(SbVec3f(0, 0.6f, 0.8f), 1.5f);
  root->addChild(node);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 1);
  ASSERT_TRUE(read->getChild(0)->isOfType(PoMeshCrossSection::getClassTypeId()));
  const SbPlane plane = static_cast<PoMeshCrossSection*>(read->getChild(0))->plane.getValue();
  EXPECT_NEAR(plane.getNormal()[1], 0.6f, 1e-6);
  EXPECT_NEAR(plane.getNormal()[2], 0.8f, 1e-6);
  EXPECT_NEAR(plane.getDistanceFromOrigin(), 1.5f, 1e-6);
  read->unref();
  root->unref();
}

} // namespace
