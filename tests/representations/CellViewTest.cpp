// One-cell views checked against the cells they were given: the edges and facets of a hexahedron,
// a tetrahedron and a triangle against their corners, the index labels and where they sit, the
// colour bindings, and the indices that draw nothing.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "VolumeMeshes.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/representations/PoCellEdges.h>
#include <Gridlux/representations/PoCellFacets.h>
#include <Gridlux/representations/PoCellIndices.h>

#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText2.h>
#include <Inventor/nodes/SoTranslation.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Point = std::array<long, 3>;
Point key(const SbVec3f& v)
{
  return {std::lround(v[0] * 1e4), std::lround(v[1] * 1e4), std::lround(v[2] * 1e4)};
}
std::pair<Point, Point> edgeKey(const SbVec3f& a, const SbVec3f& b)
{
  Point p = key(a), q = key(b);
  if (q < p)
    std::swap(p, q);
  return {p, q};
}

// The first node of @p type under @p root, or null.
template <class T> T* find(SoNode* root)
{
  if (!root)
    return nullptr;
  SoSearchAction search;
  search.setType(T::getClassTypeId());
  search.apply(root);
  return search.getPath() ? static_cast<T*>(search.getPath()->getTail()) : nullptr;
}

// A 3 x 3 x 3 lattice over [0, 1]^3 as 8 hexahedra, and the same as 48 tetrahedra.
struct Meshes {
  Lattice lattice{3, 0, 1};
  std::vector<int> hexes, tets;
  std::unique_ptr<PbHexahedronMesh3D> hexMesh;
  std::unique_ptr<PbTetrahedronMesh3D> tetMesh;
  Meshes()
  {
    lattice.forEachCube([&](const int* c) {
      hexahedron(c, hexes);
      tetrahedra(lattice, c, tets);
    });
    hexMesh.reset(new PbHexahedronMesh3D(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                                         int(hexes.size() / 8), hexes.data()));
    tetMesh.reset(new PbTetrahedronMesh3D(lattice.numNodes(), lattice.x.data(), lattice.y.data(),
                                          lattice.z.data(), int(tets.size() / 4), tets.data()));
  }
};

class CellView : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
  }
  void TearDown() override { root->unref(); }
  template <class T> T* add()
  {
    T* node = new T;
    root->addChild(node);
    return node;
  }
  SoSeparator* root = nullptr;
  Meshes meshes;
};

TEST_F(CellView, EdgesAreTheCellsOwnEdges)
{
  PoCellEdges* edges = add<PoCellEdges>();
  edges->setMesh(meshes.hexMesh.get());
  const int cell = 5;
  edges->cellIndex = cell;
  GeometryProbe probe(root);
  // The cube's 12 edges: corner pairs differing along one axis, each half a unit long.
  const int* corners = meshes.hexes.data() + 8 * cell;
  std::set<std::pair<Point, Point>> expected;
  for (int a = 0; a < 8; ++a)
    for (int b = a + 1; b < 8; ++b) {
      const SbVec3f d = meshes.lattice.at(corners[b]) - meshes.lattice.at(corners[a]);
      if (std::fabs(d.length() - 0.5f) < 1e-6f)
        expected.insert(edgeKey(meshes.lattice.at(corners[a]), meshes.lattice.at(corners[b])));
    }
  ASSERT_EQ(expected.size(), 12u);
  std::set<std::pair<Point, Point>> drawn;
  for (const GeometryProbe::Segment& s : probe.segments())
    drawn.insert(edgeKey(s.a, s.b));
  EXPECT_EQ(probe.segments().size(), 12u);
  EXPECT_EQ(drawn, expected);

  // A tetrahedron's 6 edges; a triangle's 3.
  edges->setMesh(meshes.tetMesh.get());
  edges->cellIndex = 7;
  probe.apply(root);
  EXPECT_EQ(probe.segments().size(), 6u);
  std::set<Point> ends;
  for (const GeometryProbe::Segment& s : probe.segments()) {
    ends.insert(key(s.a));
    ends.insert(key(s.b));
  }
  std::set<Point> tetCorners;
  for (int q = 0; q < 4; ++q)
    tetCorners.insert(key(meshes.lattice.at(meshes.tets[4 * 7 + q])));
  EXPECT_EQ(ends, tetCorners);

  const float x[] = {0, 2, 0, 2}, y[] = {0, 0, 1, 1};
  const int triangles[] = {0, 1, 2, 1, 3, 2};
  PbTriangleMesh2D flat(4, x, y, 2, triangles);
  edges->setMesh(&flat);
  edges->cellIndex = 1;
  probe.apply(root);
  EXPECT_EQ(probe.segments().size(), 3u);
  EXPECT_NEAR(probe.length(), 2 + 1 + std::sqrt(5.0), 1e-5);
}

TEST_F(CellView, FacetsCoverTheCellsBoundary)
{
  PoCellFacets* facets = add<PoCellFacets>();
  facets->setMesh(meshes.hexMesh.get());
  facets->cellIndex = 3;
  GeometryProbe probe(root);
  const SoIndexedFaceSet* faces = find<SoIndexedFaceSet>(facets->getPart("groupCellFacets", FALSE));
  ASSERT_TRUE(faces);
  int numFaces = 0;
  for (int i = 0; i < faces->coordIndex.getNum(); ++i)
    numFaces += faces->coordIndex[i] < 0;
  EXPECT_EQ(numFaces, 6);
  EXPECT_NEAR(probe.area(), 6 * 0.25, 1e-5);
  // Every triangle on one of the cell's six sides.
  const SbVec3f lo = meshes.lattice.at(meshes.hexes[8 * 3]);
  for (const GeometryProbe::Triangle& t : probe.triangles()) {
    bool onSide = false;
    for (int a = 0; a < 3 && !onSide; ++a)
      for (float side : {lo[a], lo[a] + 0.5f})
        onSide = onSide || (std::fabs(t.v[0][a] - side) < 1e-6f && std::fabs(t.v[1][a] - side) < 1e-6f &&
                            std::fabs(t.v[2][a] - side) < 1e-6f);
    EXPECT_TRUE(onSide);
  }
  // A tetrahedron: 4 triangles, its surface area.
  facets->setMesh(meshes.tetMesh.get());
  facets->cellIndex = 0;
  probe.apply(root);
  ASSERT_EQ(probe.triangles().size(), 4u);
  double area = 0;
  const int* t = meshes.tets.data();
  for (const auto& f : {std::array<int, 3>{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}}) {
    const SbVec3f a = meshes.lattice.at(t[f[0]]), b = meshes.lattice.at(t[f[1]]), c = meshes.lattice.at(t[f[2]]);
    area += 0.5 * (b - a).cross(c - a).length();
  }
  EXPECT_NEAR(probe.area(), area, 1e-5);
}

TEST_F(CellView, IndicesLabelEachNodeOffTheCentreAndTheCellAtIt)
{
  PoCellIndices* indices = add<PoCellIndices>();
  indices->setMesh(meshes.hexMesh.get());
  const int cell = 6;
  indices->cellIndex = cell;
  indices->offset = 0.5f;
  GeometryProbe probe(root);
  SoGroup* nodes = static_cast<SoGroup*>(indices->getPart("nodesIndexGroup", FALSE));
  SoGroup* centre = static_cast<SoGroup*>(indices->getPart("cellIndexGroup", FALSE));
  ASSERT_TRUE(nodes && centre);
  ASSERT_EQ(nodes->getNumChildren(), 8);
  const int* corners = meshes.hexes.data() + 8 * cell;
  SbVec3f mid(0, 0, 0);
  for (int q = 0; q < 8; ++q)
    mid += meshes.lattice.at(corners[q]) / 8;
  for (int q = 0; q < 8; ++q) {
    const SoText2* text = find<SoText2>(nodes->getChild(q));
    const SoTranslation* move = find<SoTranslation>(nodes->getChild(q));
    ASSERT_TRUE(text && move);
    EXPECT_EQ(std::string(text->string[0].getString()), "n" + std::to_string(q) + " = " + std::to_string(corners[q]));
    const SbVec3f p = meshes.lattice.at(corners[q]);
    EXPECT_LT((move->translation.getValue() - (p + (p - mid) * 0.5f)).length(), 1e-6f);
  }
  const SoText2* text = find<SoText2>(centre);
  const SoTranslation* move = find<SoTranslation>(centre);
  ASSERT_TRUE(text && move);
  EXPECT_EQ(std::string(text->string[0].getString()), "6");
  EXPECT_LT((move->translation.getValue() - mid).length(), 1e-6f);

  ErrorCatcher errors;
  indices->offset = NAN;
  probe.apply(root);
  EXPECT_TRUE(errors.contains("PoCellIndices::drawNodesIndex(): offset nan is not finite"));
  const SoTranslation* first = find<SoTranslation>(
    static_cast<SoGroup*>(indices->getPart("nodesIndexGroup", FALSE))->getChild(0));
  EXPECT_LT((first->translation.getValue() - meshes.lattice.at(corners[0])).length(), 1e-6f);
}

TEST_F(CellView, ColoursPerNodeAndPerCell)
{
  PbLinearDataMapping mapping;
  mapping.setValues(0.0f, SbColor(0, 0, 1), 1.0f, SbColor(1, 0, 0));
  PbHexahedronMesh3D& mesh = *meshes.hexMesh;
  std::vector<float> perNode(meshes.lattice.numNodes()), perCell(mesh.getNumCells());
  for (int p = 0; p < int(perNode.size()); ++p)
    perNode[p] = meshes.lattice.x[p];
  for (int c = 0; c < int(perCell.size()); ++c)
    perCell[c] = 0.1f * c;
  mesh.addValuesSet(0, perNode.data(), PbMesh::PER_NODE);
  mesh.addValuesSet(1, perCell.data(), PbMesh::PER_CELL);
  for (bool edges : {true, false}) {
    SCOPED_TRACE(edges ? "edges" : "facets");
    root->removeAllChildren();
    PoCellShape* view = edges ? static_cast<PoCellShape*>(add<PoCellEdges>()) : add<PoCellFacets>();
    const char* group = edges ? "groupCellEdges" : "groupCellFacets";
    view->setMesh(&mesh);
    view->setDataMapping(&mapping);
    view->cellIndex = 4;
    view->coloringType = PoMesh::COLOR_MAPPING;
    view->valuesIndex = 0;
    GeometryProbe probe(root);
    const SoMaterialBinding* binding = find<SoMaterialBinding>(view->getPart(group, FALSE));
    const SoMaterial* material = static_cast<SoMaterial*>(view->getPart("appearance.material", FALSE));
    ASSERT_TRUE(binding && material);
    EXPECT_EQ(binding->value.getValue(), SoMaterialBinding::PER_VERTEX_INDEXED);
    ASSERT_EQ(material->diffuseColor.getNum(), 8);
    for (int q = 0; q < 8; ++q) {
      const SbColor expected = *mapping.getRGBColor(meshes.lattice.x[meshes.hexes[8 * 4 + q]]);
      EXPECT_LT((material->diffuseColor[q] - expected).length(), 1e-5f);
    }
    view->valuesIndex = 1;
    probe.apply(root);
    binding = find<SoMaterialBinding>(view->getPart(group, FALSE));
    material = static_cast<SoMaterial*>(view->getPart("appearance.material", FALSE));
    ASSERT_TRUE(binding && material);
    EXPECT_EQ(binding->value.getValue(), SoMaterialBinding::OVERALL);
    ASSERT_EQ(material->diffuseColor.getNum(), 1);
    EXPECT_LT((material->diffuseColor[0] - *mapping.getRGBColor(0.4f)).length(), 1e-5f);
    // Inherited: neither binding nor generated material.
    view->coloringType = PoMesh::COLOR_INHERITED;
    probe.apply(root);
    EXPECT_FALSE(find<SoMaterialBinding>(view->getPart(group, FALSE)));
    EXPECT_FALSE(view->getPart("appearance.material", FALSE));
    EXPECT_FALSE(probe.empty());
  }
}

TEST_F(CellView, NoCellNoMeshOrBadIndexDrawsNothing)
{
  PoCellEdges* edges = add<PoCellEdges>();
  PoCellFacets* facets = add<PoCellFacets>();
  PoCellIndices* indices = add<PoCellIndices>();
  PoCellShape* views[] = {edges, facets, indices};
  const char* parts[] = {"groupCellEdges", "groupCellFacets", "nodesIndexGroup"};
  ErrorCatcher errors;
  // No mesh anywhere, then a cell drawn and unset again, then an index past the end.
  for (PoCellShape* view : views)
    view->cellIndex = 0;
  GeometryProbe probe(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_EQ(errors.count(), 0);
  for (PoCellShape* view : views) {
    view->setMesh(meshes.hexMesh.get());
    view->cellIndex = 2;
  }
  probe.apply(root);
  EXPECT_FALSE(probe.empty());
  for (PoCellShape* view : views)
    view->cellIndex = -1;
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  for (int i = 0; i < 3; ++i)
    EXPECT_FALSE(views[i]->getPart(parts[i], FALSE)) << parts[i];
  EXPECT_FALSE(indices->getPart("cellIndexGroup", FALSE));
  EXPECT_EQ(errors.count(), 0);
  for (PoCellShape* view : views)
    view->cellIndex = 8;
  probe.apply(root);
  EXPECT_TRUE(probe.empty());
  EXPECT_EQ(errors.count(), 3);
  EXPECT_TRUE(errors.contains("PoCellShape::rebuild(): cellIndex 8 is beyond the mesh's 8 cells: nothing drawn"));
}

TEST_F(CellView, FieldsWriteAndReadBack)
{
  PoCellIndices* indices = add<PoCellIndices>();
  indices->cellIndex = 12;
  indices->offset = 0.35f;
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  ASSERT_EQ(read->getNumChildren(), 1);
  ASSERT_TRUE(read->getChild(0)->isOfType(PoCellIndices::getClassTypeId()));
  const PoCellIndices* back = static_cast<PoCellIndices*>(read->getChild(0));
  EXPECT_EQ(back->cellIndex.getValue(), 12);
  EXPECT_FLOAT_EQ(back->offset.getValue(), 0.35f);
  read->unref();
}

} // namespace
