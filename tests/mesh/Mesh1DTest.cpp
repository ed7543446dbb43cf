// One-dimensional meshes: abscissas, boxes, value sets across geometry changes, bad input, file round trips.
#include "MeshFieldSupport.h"

#include "support/ErrorCatcher.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbIrregularMesh1D.h>
#include <Gridlux/mesh/PbRegularMesh1D.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>
#include <Gridlux/mesh/nodes/PoRegularMesh1D.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCallback.h>

#include <gtest/gtest.h>

#include <cmath>

using namespace meshfield;

TEST(Mesh1D, RegularAbscissasBoxAndSetsKeptOnlyWhileTheCountHolds)
{
  PbRegularMesh1D mesh(5, 0, 4);
  ASSERT_EQ(mesh.getNumNodes(), 5);
  EXPECT_EQ(mesh.getNumCells(), 0);
  for (int i = 0; i < 5; i++)
    EXPECT_EQ(mesh.getNodeCoord(i), SbVec3f(float(i), 0, 0));
  EXPECT_EQ(mesh.getBoundingBox().getMin(), SbVec3f(0, 0, 0));
  EXPECT_EQ(mesh.getBoundingBox().getMax(), SbVec3f(4, 0, 0));
  EXPECT_EQ(mesh.getCell(0), nullptr);
  SbVec3f pcoord;
  EXPECT_EQ(mesh.findContainingCell(SbVec3f(1, 0, 0), 0.1f, pcoord), nullptr);

  const float y[6] = {1, 2, 3, 4, 5, 6};
  mesh.addValuesSet(0, y);
  mesh.setGeometry(5, 10, 20);
  EXPECT_EQ(mesh.getNumValuesSet(), 1);
  EXPECT_FLOAT_EQ(mesh.getNodeCoord(2)[0], 15);
  mesh.setGeometry(6, 10, 20);
  EXPECT_EQ(mesh.getNumValuesSet(), 0);

  // A reversed range keeps its node order and still boxes from min to max.
  mesh.setGeometry(3, 2, 0);
  EXPECT_EQ(mesh.getNodeCoord(0)[0], 2);
  EXPECT_EQ(mesh.getBoundingBox().getMin()[0], 0);
  EXPECT_EQ(mesh.getBoundingBox().getMax()[0], 2);
}

TEST(Mesh1D, IrregularCopiesItsAbscissasAndRefusesBadInput)
{
  float x[3] = {3, -1, 2};
  PbIrregularMesh1D mesh(3, x);
  x[0] = 100;
  EXPECT_EQ(mesh.getNodeCoord(0)[0], 3);
  EXPECT_EQ(mesh.getBoundingBox().getMin()[0], -1);
  EXPECT_EQ(mesh.getBoundingBox().getMax()[0], 3);
  EXPECT_EQ(mesh.getNodeCoord(7), SbVec3f(0, 0, 0)); // out of range, no read past the array

  ErrorCatcher errors;
  const float bad[2] = {0, NAN};
  EXPECT_EQ(mesh.setGeometry(2, bad), 0);
  EXPECT_EQ(mesh.setGeometry(-1, x), 0);
  EXPECT_EQ(mesh.setGeometry(2, nullptr), 0);
  EXPECT_EQ(errors.count(), 3);
  EXPECT_EQ(mesh.getNumNodes(), 3);
  EXPECT_EQ(mesh.getNodeCoord(1)[0], -1);

  PbRegularMesh1D regular;
  EXPECT_EQ(regular.setGeometry(3, 0, INFINITY), 0);
  EXPECT_EQ(regular.getNumNodes(), 0);
  EXPECT_TRUE(regular.isEmpty());

  // Copies are deep: changing the copy leaves the source alone.
  PbIrregularMesh1D copy(mesh);
  const float other[4] = {0, 1, 2, 3};
  copy.setGeometry(4, other);
  EXPECT_EQ(mesh.getNumNodes(), 3);
  EXPECT_EQ(mesh.getNodeCoord(0)[0], 3);
}

namespace {

template <class Node> void roundTrip(Node* node, bool binary)
{
  Ref<SoSeparator> root(new SoSeparator);
  root->addChild(node);
  const std::string text = writeScene(root.get(), binary);
  if (!binary && !node->mesh.isDefault()) {
    EXPECT_NE(text.find("# size"), std::string::npos);
    EXPECT_NE(text.find("# number of scalar data-set"), std::string::npos);
  }
  Ref<SoSeparator> back(readScene(text.data(), text.size()));
  ASSERT_NE(back.get(), nullptr) << text;
  SoNode* read = findNode(back.get(), Node::getClassTypeId());
  ASSERT_NE(read, nullptr);
  expectSameMesh(node->mesh.getValue(), static_cast<Node*>(read)->mesh.getValue());
}

} // namespace

TEST(Mesh1D, PropertyNodesRoundTripThroughSceneFilesAndSetTheCurrentMesh)
{
  PoGridlux::init();
  const float x[4] = {0, 0.5f, 2, 7.25f};
  const float y[4] = {1, -2, 3.5f, 4};
  const SbString names[4] = {"a", "b c", "d\"e", ""};

  for (bool binary : {false, true}) {
    Ref<PoIrregularMesh1D> irregular(new PoIrregularMesh1D);
    irregular->mesh.setGeometry(4, x);
    irregular->addValuesSet(3, y, "heights");
    irregular->addStringsSet(0, names, "names");
    roundTrip(irregular.get(), binary);

    Ref<PoRegularMesh1D> regular(new PoRegularMesh1D);
    regular->mesh.setGeometry(4, -1, 2);
    regular->addValuesSet(0, y, "y");
    roundTrip(regular.get(), binary);

    Ref<PoRegularMesh1D> empty(new PoRegularMesh1D);
    roundTrip(empty.get(), binary);
  }

  // A one-dimensional mesh is current as such, and only as such.
  Ref<SoSeparator> root(new SoSeparator);
  PoRegularMesh1D* node = new PoRegularMesh1D;
  node->mesh.setGeometry(3, 0, 1);
  root->addChild(node);
  struct Seen {
    const PbMesh* any = nullptr;
    const PbMesh1D* mesh1D = nullptr;
    const PbMesh2D* mesh2D = nullptr;
  } seen;
  SoCallback* probe = new SoCallback;
  probe->setCallback(
    [](void* data, SoAction* action) {
      Seen* s = static_cast<Seen*>(data);
      s->any = PoMeshElement::getMesh(action->getState());
      s->mesh1D = PoMeshElement::getMesh1D(action->getState());
      s->mesh2D = PoMeshElement::getMesh2D(action->getState());
    },
    &seen);
  root->addChild(probe);
  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(seen.mesh1D, &node->mesh.getValue());
  EXPECT_EQ(seen.any, seen.mesh1D);
  EXPECT_EQ(seen.mesh2D, nullptr);
}

TEST(Mesh1D, TruncatedOrInvalidFilesFailToRead)
{
  PoGridlux::init();
  ErrorCatcher errors(ErrorCatcher::ALL);
  const char* files[] = {
    "#Inventor V2.1 ascii\nPoIrregularMesh1D { mesh 3 0 1 }",
    "#Inventor V2.1 ascii\nPoIrregularMesh1D { mesh -2 0 0 0 0 }",
    "#Inventor V2.1 ascii\nPoRegularMesh1D { mesh 3 0 nan 0 0 0 }",
  };
  for (const char* file : files) {
    Ref<SoSeparator> back(readScene(file, std::strlen(file)));
    EXPECT_EQ(back.get(), nullptr) << file;
  }
  EXPECT_GE(errors.count(), 3);
}
