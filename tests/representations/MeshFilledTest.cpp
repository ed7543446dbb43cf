// Filled node through the scene it builds: the five colourings, their fallbacks, every mesh
// kind, elevation and rebuilds.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMeshFilled.h>

#include <Inventor/nodes/SoComplexity.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoTexture2.h>
#include <Inventor/nodes/SoTextureCoordinate2.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

class MeshFilled : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    gridNode = new PoRegularCartesianGrid2D;
    mapping = new PoLinearDataMapping; // black at 0 to white at 1
    isovalues = new PoIsovaluesList;
    filled = new PoMeshFilled;
    root->addChild(gridNode);
    root->addChild(mapping);
    root->addChild(isovalues);
    root->addChild(filled);
    filled->valuesIndex = 0;
    filled->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
  }
  void TearDown() override { root->unref(); }

  // f = x / size on an n x n grid over [0, size]^2, as value set 0, and y as set 1.
  void rampGrid(int n, float size)
  {
    PbRegularCartesianGrid2D grid(n, n, 0, 0, size, size);
    std::vector<float> f(n * n), g(n * n);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        f[i * n + j] = float(i) / (n - 1);
        g[i * n + j] = size * j / (n - 1);
      }
    grid.addValuesSet(0, f.data());
    grid.addValuesSet(1, g.data());
    gridNode->mesh.setValue(grid);
  }

  SoMaterial* material() const { return static_cast<SoMaterial*>(filled->getPart("appearance.material", FALSE)); }
  template <class T> T* find() const
  {
    SoGroup* group = static_cast<SoGroup*>(filled->getPart("groupFilled", FALSE));
    for (int i = 0; group && i < group->getNumChildren(); ++i)
      if (group->getChild(i)->isOfType(T::getClassTypeId()))
        return static_cast<T*>(group->getChild(i));
    return nullptr;
  }

  SoSeparator* root = nullptr;
  PoRegularCartesianGrid2D* gridNode = nullptr;
  PoLinearDataMapping* mapping = nullptr;
  PoIsovaluesList* isovalues = nullptr;
  PoMeshFilled* filled = nullptr;
  int rebuilds = 0;
};

TEST_F(MeshFilled, EachColouringBuildsItsOwnMaterial)
{
  rampGrid(2, 1); // one cell, values 0, 0, 1, 1
  GeometryProbe probe(root);
  EXPECT_NEAR(probe.area(), 1.0, 1e-6);
  EXPECT_TRUE(find<SoQuadMesh>());
  EXPECT_FALSE(material()); // inherited

  filled->coloringType = PoMesh::COLOR_AVERAGE;
  probe.apply(root);
  ASSERT_TRUE(material());
  ASSERT_EQ(material()->diffuseColor.getNum(), 1);
  EXPECT_LT((material()->diffuseColor[0] - SbColor(0.5f, 0.5f, 0.5f)).length(), 1e-6f);
  EXPECT_EQ(find<SoMaterialBinding>()->value.getValue(), int(SoMaterialBinding::PER_FACE));

  filled->coloringType = PoMesh::COLOR_MAPPING;
  probe.apply(root);
  ASSERT_EQ(material()->diffuseColor.getNum(), 4);
  EXPECT_EQ(find<SoMaterialBinding>()->value.getValue(), int(SoMaterialBinding::PER_VERTEX_INDEXED));
  EXPECT_LT((material()->diffuseColor[3] - SbColor(1, 1, 1)).length(), 1e-6f); // node (1, 1)

  filled->coloringType = PoMesh::COLOR_CONTOURING;
  const float levels[] = {0.25f, 0.5f};
  isovalues->isovaluesList.setValues(0, 2, levels);
  isovalues->isovaluesList.setNum(2);
  probe.apply(root);
  EXPECT_NEAR(probe.area(), 1.0, 1e-6);
  ASSERT_TRUE(find<SoIndexedFaceSet>());
  ASSERT_EQ(material()->diffuseColor.getNum(), 3); // below 0.25, 0.25 to 0.5, above 0.5
  EXPECT_LT((material()->diffuseColor[2] - SbColor(0.5f, 0.5f, 0.5f)).length(), 1e-6f);

  filled->coloringType = PoMesh::COLOR_TEXTURE_CONTOURING;
  probe.apply(root);
  SoTexture2* texture = static_cast<SoTexture2*>(filled->getPart("appearance.texture2", FALSE));
  ASSERT_TRUE(texture);
  SbVec2s size;
  int components;
  texture->image.getValue(size, components);
  EXPECT_EQ(size[0], 4); // two isovalues: three bands in a power-of-two row
  ASSERT_TRUE(find<SoTextureCoordinate2>());
  EXPECT_EQ(find<SoTextureCoordinate2>()->point.getNum(), 4);
  // White under the texture, and unfiltered texels.
  ASSERT_TRUE(material());
  EXPECT_LT((material()->diffuseColor[0] - SbColor(1, 1, 1)).length(), 1e-6f);
  SoComplexity* complexity = static_cast<SoComplexity*>(filled->getPart("appearance.complexity", FALSE));
  ASSERT_TRUE(complexity);
  EXPECT_FLOAT_EQ(complexity->textureQuality.getValue(), 0.1f);

  filled->coloringType = PoMesh::COLOR_INHERITED;
  probe.apply(root);
  EXPECT_FALSE(material());
  EXPECT_FALSE(filled->getPart("appearance.texture2", FALSE));
}

TEST_F(MeshFilled, MissingInputsFallBackSilently)
{
  ErrorCatcher errors;
  rampGrid(4, 3);
  filled->coloringType = PoMesh::COLOR_CONTOURING;
  root->removeChild(isovalues); // no list: colours per node instead of bands
  GeometryProbe probe(root);
  EXPECT_EQ(filled->getEffectiveColoring(), PoMesh::COLOR_MAPPING);
  ASSERT_TRUE(material());
  EXPECT_EQ(material()->diffuseColor.getNum(), 16);

  filled->valuesIndex = 5; // no such set
  probe.apply(root);
  EXPECT_EQ(filled->getEffectiveColoring(), PoMesh::COLOR_INHERITED);
  EXPECT_FALSE(material());
  EXPECT_NEAR(probe.area(), 9.0, 1e-5); // the mesh is still drawn

  PbRegularCartesianGrid2D grid(3, 3, 0, 0, 1, 1);
  const float perCell[4] = {0, 1, 2, 3};
  grid.addValuesSet(0, perCell, PbMesh::PER_CELL);
  gridNode->mesh.setValue(grid);
  filled->valuesIndex = 0;
  probe.apply(root);
  EXPECT_EQ(filled->getEffectiveColoring(), PoMesh::COLOR_INHERITED);
  EXPECT_FALSE(material());

  rampGrid(4, 3);
  root->removeChild(mapping); // no data mapping
  probe.apply(root);
  EXPECT_EQ(filled->getEffectiveColoring(), PoMesh::COLOR_INHERITED);
  EXPECT_FALSE(material());
  EXPECT_EQ(errors.count(), 0);
}

TEST_F(MeshFilled, ChangesAboveRebuildOnceAtTheNextTraversal)
{
  rampGrid(5, 1);
  filled->coloringType = PoMesh::COLOR_CONTOURING;
  GeometryProbe probe(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 1);

  const float levels[] = {0.3f};
  isovalues->isovaluesList.setValues(0, 1, levels);
  isovalues->isovaluesList.setNum(1);
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 2);
  // One level: two bands, two colours.
  std::vector<SbColor> distinct;
  for (int k = 0; k < material()->diffuseColor.getNum(); ++k)
    if (std::find(distinct.begin(), distinct.end(), material()->diffuseColor[k]) == distinct.end())
      distinct.push_back(material()->diffuseColor[k]);
  EXPECT_EQ(distinct.size(), 2u);
  EXPECT_NEAR(probe.area(), 1.0, 1e-6);

  mapping->color2.setValue(1, 0, 0);
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 3);

  rampGrid(9, 2);
  probe.apply(root);
  probe.apply(root);
  EXPECT_EQ(rebuilds, 4);
  EXPECT_NEAR(probe.area(), 4.0, 1e-5);
}

TEST_F(MeshFilled, UserMaterialStaysUnderTheTexture)
{
  rampGrid(3, 1);
  filled->set("appearance.material", "diffuseColor 0.2 0.4 0.6");
  filled->coloringType = PoMesh::COLOR_TEXTURE_CONTOURING;
  GeometryProbe probe(root);
  ASSERT_TRUE(material());
  EXPECT_LT((material()->diffuseColor[0] - SbColor(0.2f, 0.4f, 0.6f)).length(), 1e-6f);
}

// Every mesh kind draws its whole surface, cut into bands, at the elevation of a value set.
TEST(MeshFilledKinds, EveryKindIsDrawnWholeAtItsElevation)
{
  PoGridlux::init();
  std::vector<std::unique_ptr<PbMesh2D>> meshes;
  meshes.push_back(std::make_unique<PbRegularCartesianGrid2D>(6, 5, 0.f, 0.f, 2.f, 1.f));
  const float px[] = {0, 0.5f, 1.5f, 2}, py[] = {0, 0.4f, 1};
  meshes.push_back(std::make_unique<PbParalCartesianGrid2D>(4, 3, px, py));
  std::vector<float> cx, cy;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 3; ++j) {
      cx.push_back(px[i] + 0.1f * py[j]);
      cy.push_back(py[j]);
    }
  meshes.push_back(std::make_unique<PbCartesianGrid2D>(4, 3, cx.data(), cy.data()));
  const float radii[] = {1, 1.5f, 2}, angles[] = {0, 0.5f, 1, 1.5f};
  meshes.push_back(std::make_unique<PbPolarGrid2D>(3, 4, radii, angles));
  // A square and a triangle beside it; the same nodes as a quadrangle and a triangle mesh.
  const float ux[] = {0, 1, 1, 0, 2}, uy[] = {0, 0, 1, 1, 0.5f};
  const int mixed[] = {0, 1, 2, 3, 1, 4, 2}, counts[] = {4, 3};
  meshes.push_back(std::make_unique<PbIndexedMesh2D>(5, ux, uy, 2, mixed, counts));
  const int triangles[] = {0, 1, 2, 0, 2, 3, 1, 4, 2};
  meshes.push_back(std::make_unique<PbTriangleMesh2D>(5, ux, uy, 3, triangles));
  const float qx[] = {0, 1, 1, 0, 2, 2}, qy[] = {0, 0, 1, 1, 0, 1};
  const int quads[] = {0, 1, 2, 3, 1, 4, 5, 2};
  meshes.push_back(std::make_unique<PbQuadrangleMesh2D>(6, qx, qy, 2, quads));

  PbLinearDataMapping mapping;
  PbIsovaluesList list(0.2f, 0.8f, 4);
  for (size_t k = 0; k < meshes.size(); ++k) {
    PbMesh2D* mesh = meshes[k].get();
    const int num = mesh->getNumNodes();
    std::vector<float> f(num), z(num);
    double area = 0;
    for (int c = 0; c < mesh->getNumCells(); ++c)
      area += mesh->getCell(c)->getArea();
    for (int n = 0; n < num; ++n) {
      const SbVec3f p = mesh->getNodeCoord(n);
      f[n] = 0.4f * p[0] + 0.2f * p[1];
      z[n] = 5 + 0.1f * n;
    }
    mesh->addValuesSet(0, f.data());
    mesh->addValuesSet(1, z.data());
    SoSeparator* root = new SoSeparator;
    root->ref();
    PoMeshFilled* filled = new PoMeshFilled;
    filled->valuesIndex = 0;
    filled->zValuesIndex = 1;
    filled->coloringType = PoMesh::COLOR_CONTOURING;
    filled->setMesh(mesh);
    filled->setDataMapping(&mapping);
    filled->setIsovaluesList(&list);
    root->addChild(filled);
    GeometryProbe probe(root);
    SCOPED_TRACE(k);
    double flatArea = 0;
    for (const GeometryProbe::Triangle& t : probe.triangles())
      flatArea += std::fabs(t.signedAreaXY()) / 2;
    EXPECT_NEAR(flatArea, area, 1e-5 * area);
    const SbBox3f box = probe.bbox();
    EXPECT_NEAR(box.getMin()[2], 5.0f, 1e-5);
    EXPECT_NEAR(box.getMax()[2], 5 + 0.1f * (num - 1), 1e-5);
    EXPECT_GT(static_cast<SoMaterial*>(filled->getPart("appearance.material", FALSE))->diffuseColor.getNum(),
              mesh->getNumCells());
    root->unref();
  }
}

TEST(MeshFilledFile, ReadsBackAsWritten)
{
  PoGridlux::init();
  PoMeshFilled* filled = new PoMeshFilled;
  filled->ref();
  filled->coloringType = PoMesh::COLOR_TEXTURE_CONTOURING;
  filled->zValuesIndex = 2;
  filled->valuesIndex = 1;
  SoSeparator* back = readFromString(writeToString(filled));
  ASSERT_TRUE(back && back->getNumChildren() == 1);
  back->ref();
  SoNode* read = back->getChild(0);
  ASSERT_TRUE(read->isOfType(PoMeshFilled::getClassTypeId()));
  const PoMeshFilled* copy = static_cast<PoMeshFilled*>(read);
  EXPECT_EQ(copy->coloringType.getValue(), PoMesh::COLOR_TEXTURE_CONTOURING);
  EXPECT_EQ(copy->zValuesIndex.getValue(), 2);
  EXPECT_EQ(copy->valuesIndex.getValue(), 1);
  back->unref();
  filled->unref();
}

} // namespace
