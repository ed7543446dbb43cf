// Mesh property nodes in traversals: the current mesh in every action, per separator, and changes.
#include "MeshFieldSupport.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/nodes/PoCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoHexahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include "support/OffscreenFixture.h"

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetMatrixAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoHandleEventAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/elements/SoElement.h>
#include <Inventor/misc/SoState.h>
#include <Inventor/SoPath.h>
#include <Inventor/nodes/SoCone.h>
#include <Inventor/nodes/SoSubNode.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

using namespace meshfield;

namespace {

// Records, in every action that reaches it, the current mesh and a copy of the element's match data.
class MeshProbe : public SoNode {
  SO_NODE_HEADER(MeshProbe);

public:
  static void initClass() { SO_NODE_INIT_CLASS(MeshProbe, SoNode, "Node"); }
  MeshProbe() { SO_NODE_CONSTRUCTOR(MeshProbe); }

  void doAction(SoAction* action) override
  {
    SoState* state = action->getState();
    actions.insert(action->getTypeId().getName().getString());
    mesh = PoMeshElement::getMesh(state);
    mesh2D = PoMeshElement::getMesh2D(state);
    mesh3D = PoMeshElement::getMesh3D(state);
    const SoElement* elem = state->getConstElement(PoMeshElement::getClassStackIndex());
    if (matchInfo)
      sameAsBefore = elem->matches(matchInfo.get());
    matchInfo.reset(elem->copyMatchInfo(), [](SoElement* e) { delete e; });
  }
  void GLRender(SoGLRenderAction* a) override { doAction(a); }
  void callback(SoCallbackAction* a) override { doAction(a); }
  void getBoundingBox(SoGetBoundingBoxAction* a) override { doAction(a); }
  void getMatrix(SoGetMatrixAction* a) override { doAction(a); }
  void handleEvent(SoHandleEventAction* a) override { doAction(a); }
  void pick(SoPickAction* a) override { doAction(a); }
  void getPrimitiveCount(SoGetPrimitiveCountAction* a) override { doAction(a); }
  void search(SoSearchAction* a) override
  {
    doAction(a);
    SoNode::search(a);
  }
  void write(SoWriteAction* a) override
  {
    doAction(a);
    SoNode::write(a);
  }

  std::set<std::string> actions;
  const PbMesh* mesh = nullptr;
  const PbMesh2D* mesh2D = nullptr;
  const PbMesh3D* mesh3D = nullptr;
  std::shared_ptr<SoElement> matchInfo;
  bool sameAsBefore = false;

protected:
  ~MeshProbe() override = default;
};

SO_NODE_SOURCE(MeshProbe);

class MeshNode : public gridlux::test::OffscreenFixture {
protected:
  static void SetUpTestSuite()
  {
    OffscreenFixture::SetUpTestSuite();
    PoGridlux::init();
    if (MeshProbe::getClassTypeId().isBad())
      MeshProbe::initClass();
  }

  static PoCartesianGrid2D* grid()
  {
    auto* node = new PoCartesianGrid2D;
    const float x[] = {0, 1, 0, 1}, y[] = {0, 0, 1, 1};
    node->mesh.setGeometry(2, 2, x, y);
    return node;
  }
};

TEST_F(MeshNode, SetsTheCurrentMeshInEveryAction)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoCartesianGrid2D* node = grid();
  MeshProbe* probe = new MeshProbe;
  root->addChild(node);
  root->addChild(probe);

  const SbViewportRegion viewport(10, 10);
  SoCallbackAction callback;
  SoGetBoundingBoxAction box(viewport);
  SoGetMatrixAction matrix(viewport);
  SoSearchAction search;
  search.setType(SoCone::getClassTypeId()); // not there: the search visits everything
  SoHandleEventAction event(viewport);
  SoRayPickAction pick(viewport);
  SoGetPrimitiveCountAction count;
  SoAction* actions[] = {&callback, &box, &search, &event, &pick, &count};
  for (SoAction* action : actions) {
    probe->mesh = nullptr;
    action->apply(root.get());
    EXPECT_EQ(probe->mesh, node->getMesh()) << action->getTypeId().getName().getString();
  }
  // A matrix action goes down its path only.
  probe->mesh = nullptr;
  Ref<SoPath> path(new SoPath(root.get()));
  path->append(probe);
  matrix.apply(path.get());
  EXPECT_EQ(probe->mesh, node->getMesh()) << "SoGetMatrixAction";
  probe->mesh = nullptr;
  writeScene(root.get(), false);
  EXPECT_EQ(probe->mesh, node->getMesh()) << "write";
  probe->mesh = nullptr;
  render(root.get(), 16, 16);
  EXPECT_EQ(probe->mesh, node->getMesh()) << "render";
  EXPECT_EQ(probe->actions.size(), 9u);
}

TEST_F(MeshNode, SiblingSeparatorsKeepTheirOwnMesh)
{
  Ref<SoSeparator> root(new SoSeparator);
  SoSeparator* left = new SoSeparator;
  SoSeparator* right = new SoSeparator;
  PoCartesianGrid2D* surface = grid();
  PoHexahedronMesh3D* volume = new PoHexahedronMesh3D;
  MeshProbe *inLeft = new MeshProbe, *inRight = new MeshProbe, *after = new MeshProbe;
  left->addChild(surface);
  left->addChild(inLeft);
  right->addChild(volume);
  right->addChild(inRight);
  root->addChild(left);
  root->addChild(right);
  root->addChild(after);

  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(inLeft->mesh, surface->getMesh());
  EXPECT_EQ(inLeft->mesh2D, &surface->mesh.getValue());
  EXPECT_EQ(inLeft->mesh3D, nullptr);
  // A surface representation under a volume mesh finds no surface mesh.
  EXPECT_EQ(inRight->mesh, volume->getMesh());
  EXPECT_EQ(inRight->mesh2D, nullptr);
  EXPECT_EQ(inRight->mesh3D, &volume->mesh.getValue());
  EXPECT_EQ(after->mesh, nullptr);
}

// What a representation's cache compares: the element stays matching until the node changes.
TEST_F(MeshNode, ChangesOfTheFieldChangeTheElement)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoCartesianGrid2D* node = grid();
  MeshProbe* probe = new MeshProbe;
  root->addChild(node);
  root->addChild(probe);
  SoCallbackAction action;
  action.apply(root.get());
  action.apply(root.get());
  EXPECT_TRUE(probe->sameAsBefore) << "nothing changed";

  const float x[] = {0, 2, 0, 2}, y[] = {0, 0, 1, 1};
  node->mesh.setGeometry(2, 2, x, y);
  action.apply(root.get());
  EXPECT_FALSE(probe->sameAsBefore) << "new geometry";

  const float values[] = {1, 2, 3, 4};
  node->addValuesSet(0, values, "t");
  action.apply(root.get());
  EXPECT_FALSE(probe->sameAsBefore) << "value set added through the node";
  EXPECT_EQ(probe->mesh->getNumValuesSet(), 1);

  action.apply(root.get());
  EXPECT_TRUE(probe->sameAsBefore);
}

TEST_F(MeshNode, IgnoredFieldKeepsTheOuterMeshAndConnectionsAreEvaluated)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoCartesianGrid2D* outer = grid();
  PoHexahedronMesh3D* ignored = new PoHexahedronMesh3D;
  ignored->mesh.setIgnored(TRUE);
  MeshProbe* probe = new MeshProbe;
  root->addChild(outer);
  root->addChild(ignored);
  root->addChild(probe);
  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(probe->mesh, outer->getMesh());

  // A node whose field follows another's shows the source's mesh.
  Ref<PoCartesianGrid2D> source(outer);
  PoCartesianGrid2D* follower = new PoCartesianGrid2D;
  follower->mesh.connectFrom(&outer->mesh);
  root->replaceChild(outer, follower);
  action.apply(root.get());
  ASSERT_NE(probe->mesh2D, nullptr);
  EXPECT_EQ(probe->mesh2D->getNumNodes(), 4);
  EXPECT_EQ(probe->mesh2D->getNodeCoord(1), SbVec3f(1, 0, 0));
}

} // namespace
