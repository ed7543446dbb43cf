// Rebuild protocol of the node base, driven through a small test kit and real actions.
#include "TestKit.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/SbRotation.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/sensors/SoFieldSensor.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Sets the text-attribute element from an object owned by the node.
class TestTextAttrNode : public PoNode {
  PO_NODE_HEADER(TestTextAttrNode);

public:
  TestTextAttrNode() { SO_NODE_CONSTRUCTOR(TestTextAttrNode); }
  static void initClass()
  {
    if (getClassTypeId() == SoType::badType())
      PO_NODE_INIT_CLASS(TestTextAttrNode, PoNode, "PoNode");
  }
  void doAction(SoAction* action) override
  {
    PoMiscTextAttrElement::set(action->getState(), this, &attr);
  }
  PbMiscTextAttr attr;

protected:
  ~TestTextAttrNode() override = default;
};

PO_NODE_SOURCE(TestTextAttrNode);

// Sets the domain element.
class TestDomainNode : public PoNode {
  PO_NODE_HEADER(TestDomainNode);

public:
  TestDomainNode() { SO_NODE_CONSTRUCTOR(TestDomainNode); }
  static void initClass()
  {
    if (getClassTypeId() == SoType::badType())
      PO_NODE_INIT_CLASS(TestDomainNode, PoNode, "PoNode");
  }
  void doAction(SoAction* action) override { PoDomainElement::set(action->getState(), this, &domain); }
  PbDomain domain;

protected:
  ~TestDomainNode() override = default;
};

PO_NODE_SOURCE(TestDomainNode);

// Holds a ref on a node for the test's duration.
template <class T> struct Ref {
  explicit Ref(T* n) : node(n) { if (node) node->ref(); }
  ~Ref() { if (node) node->unref(); }
  T* operator->() const { return node; }
  T* node;
};

class NodeBase : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    PoGridlux::init();
    TestKit::initClass();
    TestTextAttrNode::initClass();
    TestDomainNode::initClass();
  }
  void TearDown() override
  {
    PoBase::blockRebuild(0);
    PoBase::setNodeWriteFormat(PoBase::WRITE_FORMAT_COMPACT);
  }

  static void traverse(SoNode* root)
  {
    SoGetBoundingBoxAction action(SbViewportRegion(100, 100));
    action.apply(root);
  }

};

TEST_F(NodeBase, UpdateAtTraversalRebuildsOnceAfterSeveralChanges)
{
  Ref<TestKit> kit(new TestKit);
  EXPECT_EQ(kit->isBuilt(), 0);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, 1);
  EXPECT_EQ(kit->isBuilt(), 1);

  kit->size = 2;
  kit->size = 3;
  kit->size = 4;
  EXPECT_EQ(kit->rebuilds, 1);
  EXPECT_EQ(kit->isModified(), 1);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, 2);
  EXPECT_EQ(kit->isModified(), 0);

  // The new part was traversed in the same pass: the box has the new size.
  SoGetBoundingBoxAction box(SbViewportRegion(100, 100));
  box.apply(kit.node);
  SbVec3f extent;
  box.getBoundingBox().getSize(extent[0], extent[1], extent[2]);
  EXPECT_FLOAT_EQ(extent[0], 4.0f);
  EXPECT_EQ(kit->rebuilds, 2) << "an unchanged traversal must not rebuild";
}

TEST_F(NodeBase, UpdateAtChangeRebuildsAtEachChangeAndNotAtTraversal)
{
  Ref<TestKit> kit(new TestKit);
  traverse(kit.node);
  kit->setUpdateMethod(PoBase::UPDATE_AT_CHANGE);
  kit->size = 2;
  kit->size = 3;
  kit->size = 4;
  EXPECT_EQ(kit->rebuilds, 4);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, 4);

  kit->touchKit();
  EXPECT_EQ(kit->rebuilds, 5);
}

TEST_F(NodeBase, ChangedElementRebuildsAndUnchangedDoesNot)
{
  Ref<SoSeparator> root(new SoSeparator);
  TestTextAttrNode* attrNode = new TestTextAttrNode;
  TestKit* kit = new TestKit;
  root->addChild(attrNode);
  root->addChild(kit);

  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 1);
  EXPECT_EQ(kit->seenAttr, &attrNode->attr);
  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 1);

  attrNode->touch(); // a new node id: the element the kit recorded no longer matches
  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 2);

  // A kit outside the property node's scope sees the default and is not disturbed by it.
  root->removeChild(attrNode);
  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 3);
  EXPECT_EQ(kit->seenAttr, PoMiscTextAttrElement::getDefault());
}

TEST_F(NodeBase, DomainChangeOnlyReplacesTheTransformWhenNotUsedForRebuild)
{
  Ref<SoSeparator> root(new SoSeparator);
  TestDomainNode* domainNode = new TestDomainNode;
  TestKit* kit = new TestKit;
  kit->setDomainUsedForRebuild(0);
  root->addChild(domainNode);
  root->addChild(kit);

  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 1);
  EXPECT_EQ(kit->part("domainTransform"), nullptr) << "a unit cube needs no transform";

  domainNode->domain.setDomain(0, 0, 0, 10, 2, 1);
  domainNode->touch();
  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 1);
  SoMatrixTransform* transform = static_cast<SoMatrixTransform*>(kit->part("domainTransform"));
  ASSERT_NE(transform, nullptr);
  SbVec3f t, s;
  SbRotation r, so;
  transform->matrix.getValue().getTransform(t, r, s, so);
  EXPECT_NEAR(s[1], 5.0f, 1e-5); // SCALE_X_FIXED stretches y to the x extent
  EXPECT_NEAR(s[2], 10.0f, 1e-5);

  // With the domain used for rebuilds, the same change rebuilds the node.
  kit->setDomainUsedForRebuild(1);
  domainNode->domain.setDomain(0, 0, 0, 4, 2, 1);
  domainNode->touch();
  traverse(root.node);
  EXPECT_EQ(kit->rebuilds, 2);
}

TEST_F(NodeBase, BlockedRebuildWaitsForUnblock)
{
  Ref<TestKit> kit(new TestKit);
  PoBase::blockRebuild(1);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, 0);
  kit->size = 5;
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, 0);
  PoBase::blockRebuild(0);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, 1);
}

TEST_F(NodeBase, SearchForFirstRebuildsButSearchForAllDoesNot)
{
  Ref<SoSeparator> root(new SoSeparator);
  TestKit* kit = new TestKit;
  root->addChild(kit);

  SoSearchAction all;
  all.setType(TestKit::getClassTypeId());
  all.setSearchingAll(TRUE);
  all.apply(root.node);
  EXPECT_EQ(kit->rebuilds, 0);
  EXPECT_NE(all.getPath(), nullptr);

  SoSearchAction first;
  first.setType(TestKit::getClassTypeId());
  first.apply(root.node);
  EXPECT_EQ(kit->rebuilds, 1);
  EXPECT_NE(first.getPath(), nullptr);
}

TEST_F(NodeBase, CountingPassRebuildsWritingPassDoesNot)
{
  Ref<TestKit> kit(new TestKit);
  kit->size = 7;
  writeToString(kit.node);
  EXPECT_EQ(kit->rebuilds, 1) << "only the reference-counting pass of the root may rebuild";
}

TEST_F(NodeBase, CompactFormatWritesFieldsOnly)
{
  Ref<SoSeparator> root(new SoSeparator);
  TestKit* kit = new TestKit;
  kit->size = 2.5f;
  root->addChild(kit);
  traverse(root.node); // builds body and the callback parts
  ASSERT_NE(kit->part("body"), nullptr);

  Ref<SoSeparator> back(readFromString(writeToString(root.node)));
  ASSERT_NE(back.node, nullptr);
  ASSERT_EQ(back->getNumChildren(), 1);
  ASSERT_TRUE(back->getChild(0)->isOfType(TestKit::getClassTypeId()));
  TestKit* read = static_cast<TestKit*>(back->getChild(0));
  EXPECT_FLOAT_EQ(read->size.getValue(), 2.5f);
  EXPECT_EQ(read->part("body"), nullptr);
  EXPECT_EQ(read->part("alternateRep"), nullptr);
  EXPECT_EQ(read->part("appearance"), nullptr);
  // The reader set up connections: the node rebuilds at its first traversal.
  traverse(back.node);
  EXPECT_EQ(read->rebuilds, 1);
  EXPECT_NE(read->part("body"), nullptr);
}

TEST_F(NodeBase, ExpandedFormatWritesBuiltPartsAndLeavesPropertyNodesOut)
{
  Ref<SoSeparator> root(new SoSeparator);
  root->addChild(new TestTextAttrNode);
  TestKit* kit = new TestKit;
  kit->setPart("alternateRep", new SoSeparator);
  root->addChild(kit);
  traverse(root.node);

  PoBase::setNodeWriteFormat(PoBase::WRITE_FORMAT_EXPANDED);
  const std::string text = writeToString(root.node);
  Ref<SoSeparator> back(readFromString(text));
  ASSERT_NE(back.node, nullptr) << text;
  ASSERT_EQ(back->getNumChildren(), 1) << text;
  TestKit* read = static_cast<TestKit*>(back->getChild(0));
  EXPECT_NE(read->part("alternateRep"), nullptr);
  ASSERT_NE(read->part("body"), nullptr);
  EXPECT_EQ(static_cast<SoSeparator*>(read->part("body"))->getNumChildren(), 1);

  // What was read is what is drawn: the property nodes are not in the file, so rebuilding would
  // lose the picture. A change of the node's own fields rebuilds it as usual.
  SoNode* body = read->part("body");
  traverse(back.node);
  EXPECT_EQ(read->rebuilds, 0);
  EXPECT_EQ(read->part("body"), body);
  read->size = 7;
  traverse(back.node);
  EXPECT_EQ(read->rebuilds, 1);

  // A compact file that sets an appearance part is no snapshot: the node builds itself from it.
  PoBase::setNodeWriteFormat(PoBase::WRITE_FORMAT_COMPACT);
  Ref<SoSeparator> styled(readFromString("#Inventor V2.1 ascii\n TestKit { appearance AppearanceKit { } size 3 }"));
  ASSERT_NE(styled.node, nullptr);
  TestKit* styledKit = static_cast<TestKit*>(styled->getChild(0));
  traverse(styled.node);
  EXPECT_EQ(styledKit->rebuilds, 1);
  EXPECT_NE(styledKit->part("body"), nullptr);
}

TEST_F(NodeBase, CopyIsBuiltAndCallsItselfBack)
{
  Ref<TestKit> kit(new TestKit);
  kit->size = 3;
  Ref<TestKit> copy(static_cast<TestKit*>(kit->copy()));
  EXPECT_FLOAT_EQ(copy->size.getValue(), 3.0f);
  EXPECT_EQ(copy->rebuilds, 1) << "a copy under UPDATE_AT_TRAVERSAL is built at once";
  EXPECT_EQ(copy->getUpdateMethod(), PoBase::UPDATE_AT_TRAVERSAL);
  EXPECT_NE(copy->catchPart(), kit->catchPart());

  // Traversing the copy's callback part must check the copy, not the source.
  copy->size = 4;
  SoCallbackAction action;
  action.apply(copy->catchPart());
  EXPECT_EQ(copy->rebuilds, 2);
  EXPECT_EQ(kit->rebuilds, 0);

  // The copy's sensors watch the copy's own fields.
  kit->size = 9;
  EXPECT_EQ(copy->isModified(), 0);
}

TEST_F(NodeBase, DestroyedDomainFallsBackToDefaultAndRequestsRebuild)
{
  Ref<TestKit> kit(new TestKit);
  PbDomain* domain = new PbDomain(0, 0, 0, 2, 1, 1);
  kit->setDomain(domain);
  traverse(kit.node);
  EXPECT_EQ(kit->seenDomain, domain);
  EXPECT_NE(kit->part("domainTransform"), nullptr);
  const int before = kit->rebuilds;

  delete domain;
  EXPECT_EQ(kit->isModified(), 1);
  EXPECT_NE(kit->getDomain(), domain);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, before + 1);
  EXPECT_EQ(kit->part("domainTransform"), nullptr);

  // Changing a followed domain requests a rebuild; a change of its transform type alone does not.
  PbDomain other;
  kit->setDomain(&other);
  traverse(kit.node);
  const int settled = kit->rebuilds;
  other.setTransformType(PbDomain::TRANSFORM_01);
  EXPECT_EQ(kit->isModified(), 0);
  EXPECT_NE(kit->part("domainTransform"), nullptr);
  other.setDomain(0, 0, 3, 3);
  EXPECT_EQ(kit->isModified(), 1);
  traverse(kit.node);
  EXPECT_EQ(kit->rebuilds, settled + 1);
  kit->setDomain(nullptr);
}

TEST_F(NodeBase, KitDoesNotLeakItsStateIntoSiblings)
{
  Ref<SoSeparator> root(new SoSeparator);
  TestKit* kit = new TestKit;
  PbDomain domain(0, 0, 0, 1, 10, 1);
  kit->setDomain(&domain);
  root->addChild(kit);
  root->addChild(new SoCube); // 2 x 2 x 2 at the origin

  SoGetBoundingBoxAction box(SbViewportRegion(100, 100));
  box.apply(root.node);
  ASSERT_NE(kit->part("domainTransform"), nullptr);
  // The kit's cube is squashed along y by 1/10; the sibling cube must keep its size.
  SbVec3f lo = box.getBoundingBox().getMin();
  EXPECT_FLOAT_EQ(lo[1], -1.0f);
  kit->setDomain(nullptr);
}

// Three triangles with per-face transparencies, under one group.
struct TransparentFaces {
  TransparentFaces(float t0, float t1, float t2)
  {
    group = new SoSeparator;
    group->ref();
    material = new SoMaterial;
    material->diffuseColor.setValues(0, 3, std::vector<SbColor>(3, SbColor(1, 0, 0)).data());
    const float transparencies[] = {t0, t1, t2};
    material->transparency.setValues(0, 3, transparencies);
    binding = new SoMaterialBinding;
    binding->value = SoMaterialBinding::PER_FACE;
    faces = new SoIndexedFaceSet;
    const int32_t indices[] = {0, 1, 2, -1, 1, 3, 2, -1, 2, 3, 4, -1};
    faces->coordIndex.setValues(0, 12, indices);
    group->addChild(material);
    group->addChild(binding);
    group->addChild(faces);
  }
  ~TransparentFaces() { group->unref(); }
  SoIndexedFaceSet* currentFaces() const { return static_cast<SoIndexedFaceSet*>(group->getChild(2)); }

  SoSeparator* group;
  SoMaterial* material;
  SoMaterialBinding* binding;
  SoIndexedFaceSet* faces;
};

TEST_F(NodeBase, TransparencyDeletionRemovesFacesAtOrAboveTheThreshold)
{
  Ref<TestKit> kit(new TestKit);
  PbLinearDataMapping mapping;

  mapping.setTransparencyValueDeletedParts(1.5f);
  TransparentFaces untouched(0.2f, 0.7f, 0.5f);
  kit->deleteTransparencyParts(&mapping, untouched.material, untouched.binding, untouched.group);
  EXPECT_EQ(untouched.currentFaces(), untouched.faces);
  EXPECT_EQ(untouched.material->transparency.getNum(), 3);

  mapping.setTransparencyValueDeletedParts(0.5f);
  TransparentFaces cut(0.2f, 0.7f, 0.5f);
  kit->deleteTransparencyParts(&mapping, cut.material, cut.binding, cut.group);
  SoIndexedFaceSet* kept = cut.currentFaces();
  ASSERT_NE(kept, cut.faces) << "the face set is replaced in its parent";
  ASSERT_EQ(kept->coordIndex.getNum(), 4);
  EXPECT_EQ(kept->coordIndex[0], 0);
  EXPECT_EQ(kept->coordIndex[3], -1);
  ASSERT_EQ(kept->materialIndex.getNum(), 1);
  EXPECT_EQ(kept->materialIndex[0], 0);
  EXPECT_EQ(cut.binding->value.getValue(), int(SoMaterialBinding::PER_FACE_INDEXED));
  EXPECT_EQ(cut.material->transparency.getNum(), 3) << "0.2 is still see-through: keep the values";

  // When what remains is opaque, the transparencies are dropped altogether.
  TransparentFaces opaque(0.0f, 0.9f, 0.0f);
  kit->deleteTransparencyParts(&mapping, opaque.material, opaque.binding, opaque.group);
  EXPECT_EQ(opaque.currentFaces()->coordIndex.getNum(), 8);
  EXPECT_EQ(opaque.material->transparency.getNum(), 0);

  // Missing inputs change nothing.
  TransparentFaces none(0.2f, 0.7f, 0.5f);
  kit->deleteTransparencyParts(nullptr, none.material, none.binding, none.group);
  kit->deleteTransparencyParts(&mapping, nullptr, none.binding, none.group);
  EXPECT_EQ(none.currentFaces(), none.faces);
}

} // namespace
