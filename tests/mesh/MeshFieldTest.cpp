// Mesh fields: scene-file round trips of every kind, the ASCII layout, older files and bad files.
#include "MeshFieldSupport.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/nodes/PoCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoIndexedMesh3D.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

#include <support/ErrorCatcher.h>

#include <Inventor/fields/SoSFFloat.h>

#include <cstring>

#include <gtest/gtest.h>

using namespace meshfield;

namespace {

class MeshField : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

struct RoundTripCase {
  size_t kind;
  bool binary;
};

class MeshFieldRoundTrip : public MeshField, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(MeshFieldRoundTrip, ReadsBackTheSameMeshWithSetsRenumbered)
{
  const MeshKind& kind = meshKinds()[GetParam().kind];
  Ref<SoSeparator> root(new SoSeparator);
  PoMeshProperty* written = kind.make();
  root->addChild(written);
  const std::string file = writeScene(root.get(), GetParam().binary);

  ErrorCatcher errors(ErrorCatcher::ALL);
  Ref<SoSeparator> read(readScene(file.data(), file.size()));
  ASSERT_NE(read.get(), nullptr) << file;
  EXPECT_EQ(errors.count(), 0) << (errors.count() ? errors.messages()[0] : "");
  auto* node = static_cast<PoMeshProperty*>(findNode(read.get(), SoType::fromName(kind.name)));
  ASSERT_NE(node, nullptr);
  expectSameMesh(*written->getMesh(), *node->getMesh());

  // Written again, the read mesh gives the very same file.
  Ref<SoSeparator> again(new SoSeparator);
  again->addChild(node);
  EXPECT_EQ(writeScene(again.get(), GetParam().binary), file);
}

std::vector<RoundTripCase> allCases()
{
  std::vector<RoundTripCase> cases;
  for (size_t k = 0; k < meshKinds().size(); k++)
    for (bool binary : {false, true})
      cases.push_back({k, binary});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, MeshFieldRoundTrip, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<RoundTripCase>& info) {
                           return std::string(meshKinds()[info.param.kind].name) +
                                  (info.param.binary ? "Binary" : "Ascii");
                         });

TEST_F(MeshField, AsciiLayoutCarriesCountsAndBindingsInComments)
{
  Ref<PoCartesianGrid2D> node(new PoCartesianGrid2D);
  const float x[] = {0, 0, 1, 1}, y[] = {0, 1, 0, 1};
  node->mesh.setGeometry(2, 2, x, y);
  const float cellValue = 2.5f;
  node->addValuesSet(4, &cellValue, PoMeshProperty::PER_CELL, "flux");
  const std::string text = writeScene(node.get(), false);

  const char* inOrder[] = {"2 2   # num_x, num_y", "# x coordinates of mesh nodes", "# y coordinates of mesh nodes",
                           "0   # 2D mesh", "0   # number of string data-set", "1   # number of scalar data-set",
                           "0   # number of vector data-set", "# set of scalars, index 0, binding per cell",
                           "\"flux\" # set name", "2.5"};
  size_t at = 0;
  for (const char* piece : inOrder) {
    const size_t found = text.find(piece, at);
    ASSERT_NE(found, std::string::npos) << piece << " after offset " << at << " in\n" << text;
    at = found + std::strlen(piece);
  }
  EXPECT_EQ(text.find("# z coordinates"), std::string::npos);
}

TEST_F(MeshField, LongListsWrapAndBinaryHasNoComments)
{
  Ref<PoParalCartesianGrid3D> node(new PoParalCartesianGrid3D);
  std::vector<float> x(40);
  for (int i = 0; i < 40; i++)
    x[i] = float(i);
  const float yz[] = {0, 1};
  node->mesh.setGeometry(40, 2, 2, x.data(), yz, yz);
  const std::string text = writeScene(node.get(), false);
  // 40 x values: lines of 15, 15 and 10, each on its own indented line.
  EXPECT_NE(text.find("# x coordinates of mesh\n"), std::string::npos);
  EXPECT_NE(text.find(" 14\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" 29\n"), std::string::npos) << text;
  EXPECT_EQ(writeScene(node.get(), true).find("# "), std::string::npos);
}

TEST_F(MeshField, FileWithoutStringSetsReads)
{
  Ref<PoRegularCartesianGrid2D> node(new PoRegularCartesianGrid2D);
  ErrorCatcher errors(ErrorCatcher::ALL);
  ASSERT_TRUE(node->mesh.set("2 3   # num_x, num_y\n0 0 # x_min, y_min\n1 2 # x_max, y_max\n0 # 2D mesh\n"
                             "1 # number of scalar data-set\n1 # number of vector data-set\n"
                             "# set of scalars, index 0, binding per cell\n\"s\" # set name\n7 8\n"
                             "# set of vectors, index 0\n\"v\" # set name\n"
                             "1 0 0 0 1 0 0 0 1 1 1 1 2 2 2 3 3 3\n"));
  EXPECT_EQ(errors.count(), 0);
  const PbMesh& mesh = node->mesh.getValue();
  EXPECT_EQ(mesh.getNumNodes(), 6);
  EXPECT_EQ(mesh.getNumStringsSet(), 0);
  ASSERT_EQ(mesh.getNumValuesSet(), 1);
  EXPECT_EQ(mesh.getValuesBinding(0), PbMesh::PER_CELL);
  EXPECT_EQ(mesh.getValuesSet(0)[1], 8.0f);
  ASSERT_EQ(mesh.getNumVecsSet(), 1);
  EXPECT_EQ(mesh.getVecsSet(0)[5], SbVec3f(3, 3, 3));
}

// A bad value makes the read fail, with a message when the data itself is wrong, and keeps the mesh.
TEST_F(MeshField, BadValuesFailAndLeaveTheFieldUnchanged)
{
  Ref<PoRegularCartesianGrid2D> node(new PoRegularCartesianGrid2D);
  node->mesh.setGeometry(2, 2, 0, 0, 1, 1);
  const struct {
    const char* text;
    const char* message; // expected in a posted message, or null when only the toolkit complains
  } rows[] = {
    // Without comments, the counts of sets are read as in files without string sets.
    {"-2 3 0 0 1 1 0 0 0", "negative num_x"},
    {"2 3 0 0 1 1 2 0 0", "3D mesh flag is 2"},
    {"2 3 0 0 1 1 1 0.5", nullptr},                 // fewer z values than nodes
    {"2 3 0 0 1 1 0 -1 0", "negative"},             // negative set count
    {"2 3 0 0 1 1 0 1 0 \"s\" 1 2", nullptr},    // fewer scalar values than nodes
    {"2 3 0 0 1 1 0 0 5", nullptr},                 // vector sets announced, none given
    {"2000000000 2000000000 0 0 1 1 0 0 0", "too many nodes"},
    {"0 3 0 0 1 1 0 0 0", "PbRegularCartesianGrid2D"}, // refused by the grid itself
  };
  for (const auto& row : rows) {
    ErrorCatcher errors(ErrorCatcher::ALL);
    EXPECT_FALSE(node->mesh.set(row.text)) << row.text;
    if (row.message)
      EXPECT_TRUE(errors.contains(row.message)) << row.text << ": " << (errors.count() ? errors.messages()[0] : "");
    EXPECT_EQ(node->mesh.getValue().getNumNodes(), 4) << row.text;
  }
}

// Cells that point outside the nodes or have no kind are refused, or kept with a warning, never read blindly.
TEST_F(MeshField, BadCellsAreRefusedWithAMessage)
{
  Ref<PoIndexedMesh3D> node(new PoIndexedMesh3D);
  const char* nodes = "4 0 1 0 0 0 0 1 0 0 0 0 1 ";
  const struct {
    const char* cells;
    const char* message;
    bool reads;
  } rows[] = {
    {"1 4 0 1 2 3 0 0", nullptr, true},
    {"1 4 0 1 2 4 0 0", "out of the node range", false},   // node 4 of 4
    {"1 4 0 1 -1 3 0 0", "out of the node range", false},
    {"1 9 0 1 2 3 0 1 2 3 0 0 0", "9 nodes", false},
    {"1 0 0 0", "0 nodes", false},
    {"1 7 0 1 2 3 0 1 2 0 0", "no cell kind", true},      // kept, with a warning, as the mesh does
    {"2 4 4 0 1 2 3 0 0", nullptr, false},        // the second cell's indices are missing
    {"-1 0 0", "negative number of cells", false},
  };
  for (const auto& row : rows) {
    ErrorCatcher errors(ErrorCatcher::ALL);
    const std::string text = std::string(nodes) + row.cells;
    EXPECT_EQ(bool(node->mesh.set(text.c_str())), row.reads) << text;
    if (row.message)
      EXPECT_TRUE(errors.contains(row.message)) << text << ": " << (errors.count() ? errors.messages()[0] : "");
  }
}

// Truncated files: every prefix of a written file must fail cleanly (run it under the sanitizers).
TEST_F(MeshField, EveryTruncationFailsWithoutHarm)
{
  ErrorCatcher errors(ErrorCatcher::ALL);
  for (const MeshKind& kind : meshKinds()) {
    for (bool binary : {false, true}) {
      Ref<SoSeparator> scene(new SoSeparator);
      scene->addChild(kind.make());
      const std::string file = writeScene(scene.get(), binary);
      // Cuts before the node leave a valid empty scene; every later cut breaks the node.
      const size_t begin = file.find(kind.name) + 1;
      const size_t end = binary ? file.size() : file.rfind('}');
      for (size_t size = begin; size < end; size++) {
        std::vector<char> copy(file.begin(), file.begin() + size); // exact size: overreads are caught
        SoSeparator* root = readScene(copy.data(), size);
        EXPECT_EQ(root, nullptr) << kind.name << (binary ? " binary" : " ascii") << " cut at " << size;
        if (root) {
          root->ref();
          root->unref();
        }
      }
    }
  }
}

TEST_F(MeshField, ValueIsAlwaysADeepCopyAndComparesByContent)
{
  float x[] = {0, 1}, y[] = {0, 1, 2};
  PbParalCartesianGrid2D shared(2, 3, x, y, 0); // keeps the caller's arrays
  float values[] = {1, 2, 3, 4, 5, 6};
  shared.addValuesSet(0, values);

  Ref<PoParalCartesianGrid2D> a(new PoParalCartesianGrid2D), b(new PoParalCartesianGrid2D);
  a->mesh.setValue(shared);
  b->mesh = a->mesh;
  EXPECT_TRUE(a->mesh.isSame(b->mesh));
  EXPECT_TRUE(a->mesh.getValue().isDataDuplicated());
  x[1] = 10;
  values[0] = 100;
  EXPECT_EQ(a->mesh.getValue().getNodeCoord(3)[0], 1.0f);
  EXPECT_EQ(a->mesh.getValue().getValuesSet(0)[0], 1.0f);

  // Each difference is seen: a value, a name, the geometry.
  b->addValuesSet(0, values);
  EXPECT_FALSE(a->mesh.isSame(b->mesh));
  b->mesh = a->mesh;
  b->addValuesSet(0, a->mesh.getValue().getValuesSet(0), "renamed");
  EXPECT_FALSE(a->mesh.isSame(b->mesh));
  b->mesh = a->mesh;
  b->mesh.setGeometry(2, 3, x, y);
  EXPECT_FALSE(a->mesh.isSame(b->mesh));
  EXPECT_FALSE(a->mesh.isSame(SoSFFloat()));
}

// The example scenes are what the gallery and the fuzz corpus start from: each must read cleanly.
TEST_F(MeshField, ExampleScenesReadCleanlyAndRoundTrip)
{
  const char* files[] = {"cartesian_grid_2d", "paral_cartesian_grid_2d", "regular_cartesian_grid_2d", "polar_grid_2d",
                         "indexed_2d", "triangle_2d", "quadrangle_2d", "cartesian_grid_3d", "paral_cartesian_grid_3d",
                         "regular_cartesian_grid_3d", "indexed_3d", "hexahedron_3d", "tetrahedron_3d"};
  for (const char* file : files) {
    const std::string path = std::string(GRIDLUX_TEST_BASELINES) + "/../../examples/scenes/mesh_" + file + ".iv";
    ErrorCatcher errors(ErrorCatcher::ALL);
    SoInput in;
    ASSERT_TRUE(in.openFile(path.c_str())) << path;
    Ref<SoSeparator> scene(SoDB::readAll(&in));
    ASSERT_NE(scene.get(), nullptr) << path;
    EXPECT_EQ(errors.count(), 0) << path;
    auto* node = static_cast<PoMeshProperty*>(findNode(scene.get(), PoMeshProperty::getClassTypeId()));
    ASSERT_NE(node, nullptr) << path;
    EXPECT_GT(node->getMesh()->getNumCells(), 0) << path;
    EXPECT_GT(node->getMesh()->getNumValuesSet(), 0) << path;
    for (bool binary : {false, true}) {
      const std::string text = writeScene(scene.get(), binary);
      Ref<SoSeparator> again(readScene(text.data(), text.size()));
      ASSERT_NE(again.get(), nullptr) << path;
      auto* back = static_cast<PoMeshProperty*>(findNode(again.get(), PoMeshProperty::getClassTypeId()));
      expectSameMesh(*node->getMesh(), *back->getMesh());
    }
  }
}

TEST_F(MeshField, EmptyMeshRoundTrips)
{
  for (bool binary : {false, true}) {
    Ref<PoCartesianGrid2D> node(new PoCartesianGrid2D);
    node->mesh.setValue(PbCartesianGrid2D()); // not default any more, so it is written
    const std::string file = writeScene(node.get(), binary);
    Ref<SoSeparator> read(readScene(file.data(), file.size()));
    ASSERT_NE(read.get(), nullptr);
    auto* back = static_cast<PoCartesianGrid2D*>(findNode(read.get(), PoCartesianGrid2D::getClassTypeId()));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->mesh.getValue().getNumNodes(), 0);
  }
}

} // namespace
