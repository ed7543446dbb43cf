// Change notification of data objects to the nodes that follow them.
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/base/PoGridlux.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Records every notification it receives, with the change type current at that moment.
class FollowerKit : public PoChartwork {
  PO_KIT_HEADER(FollowerKit);

public:
  FollowerKit()
  {
    SO_KIT_CONSTRUCTOR(FollowerKit);
    SO_KIT_INIT_INSTANCE();
    setUpConnections(TRUE, TRUE);
  }
  static void initClass()
  {
    if (getClassTypeId() == SoType::badType())
      PO_KIT_INIT_CLASS(FollowerKit, PoChartwork, "PoChartwork");
  }
  void basicObjectChange(PbBase* object) override
  {
    heard.emplace_back(object, object->getChangeType());
    log().push_back(this);
    if (object == followed)
      manageBasicObjectChange(object, &followed);
  }
  void follow(PbBase* object)
  {
    changeConnection(followed, object);
    followed = object;
  }

  static std::vector<FollowerKit*>& log()
  {
    static std::vector<FollowerKit*> order;
    return order;
  }
  std::vector<std::pair<PbBase*, PbBase::ChangeType>> heard;
  PbBase* followed = nullptr;

protected:
  ~FollowerKit() override { changeConnection(followed, nullptr); }
};

PO_KIT_SOURCE(FollowerKit);

class DataObject : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    PoGridlux::init();
    FollowerKit::initClass();
  }
  void SetUp() override
  {
    a = new FollowerKit;
    b = new FollowerKit;
    a->ref();
    b->ref();
  }
  void TearDown() override
  {
    a->unref();
    b->unref();
  }
  FollowerKit* a = nullptr;
  FollowerKit* b = nullptr;
};

TEST_F(DataObject, TouchReachesFollowersNewestFirstUnlessDisabled)
{
  PbMiscTextAttr attr;
  a->follow(&attr);
  b->follow(&attr);
  attr.touch();
  ASSERT_EQ(a->heard.size(), 1u);
  ASSERT_EQ(b->heard.size(), 1u);
  EXPECT_EQ(a->heard[0].second, PbBase::CHANGE_GENERAL);

  attr.enableConnection(0);
  attr.touch();
  attr.setFontName("Serif");
  EXPECT_EQ(a->heard.size(), 1u);
  attr.enableConnection(1);
  attr.touch();
  EXPECT_EQ(a->heard.size(), 2u);
  EXPECT_EQ(a->isModified(), 1) << "a followed object's change is a rebuild request";
}

TEST_F(DataObject, NewestFollowerIsToldFirst)
{
  PbDomain domain;
  a->follow(&domain);
  b->follow(&domain);
  FollowerKit::log().clear();
  domain.setTransformType(PbDomain::TRANSFORM_01);
  ASSERT_EQ(FollowerKit::log().size(), 2u);
  EXPECT_EQ(FollowerKit::log()[0], b);
  EXPECT_EQ(FollowerKit::log()[1], a);
  EXPECT_EQ(a->heard[0].second, PbBase::CHANGE_TRANSFORM_TYPE);
  // Removing the newest record leaves the older follower connected.
  EXPECT_EQ(domain.removeConnection(b), 1);
  domain.touch();
  EXPECT_EQ(a->heard.size(), 2u);
  EXPECT_EQ(b->heard.size(), 1u);
  b->followed = nullptr;
}

TEST_F(DataObject, DestructionIsAlwaysToldAndFollowersForgetTheObject)
{
  PbMiscTextAttr* attr = new PbMiscTextAttr;
  a->follow(attr);
  b->follow(attr);
  attr->enableConnection(0);
  delete attr;
  ASSERT_EQ(a->heard.size(), 1u);
  ASSERT_EQ(b->heard.size(), 1u);
  EXPECT_EQ(a->heard[0].second, PbBase::CHANGE_DESTROY);
  EXPECT_EQ(a->followed, nullptr);
  EXPECT_EQ(b->followed, nullptr);
  EXPECT_EQ(a->isModified(), 1);
}

TEST_F(DataObject, DoubleConnectionsAreRemovedOneAtATime)
{
  PbDomain domain;
  domain.addConnection(a);
  domain.addConnection(a);
  domain.touch();
  EXPECT_EQ(a->heard.size(), 2u);
  EXPECT_EQ(domain.removeConnection(a), 1);
  EXPECT_EQ(domain.removeConnection(a), 1);
  EXPECT_EQ(domain.removeConnection(a), 0);
  domain.touch();
  EXPECT_EQ(a->heard.size(), 2u);
}

TEST_F(DataObject, CopiesStartUnfollowedAndAssignmentTellsFollowers)
{
  PbDomain source(0, 0, 5, 5);
  a->follow(&source);
  PbDomain copy(source);
  copy.touch();
  EXPECT_TRUE(a->heard.empty());
  EXPECT_TRUE(copy == source);

  PbDomain target;
  b->follow(&target);
  target = source;
  ASSERT_EQ(b->heard.size(), 1u);
  EXPECT_EQ(b->heard[0].second, PbBase::CHANGE_GENERAL);
  EXPECT_TRUE(target == source);
  target = target; // self-assignment is not a change
  EXPECT_EQ(b->heard.size(), 1u);
  a->follow(nullptr);
  b->follow(nullptr);
}

} // namespace
