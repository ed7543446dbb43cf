// Isovalue lists: regular and irregular forms, neighbour lookups, the node and its element.
#include "AttributeTestSupport.h"
#include "ReaderKit.h"

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/actions/SoCallbackAction.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

class Isovalues : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    PoGridlux::init();
    ReaderKit::initClass();
  }
};

std::vector<float> valuesOf(const PbIsovaluesList& list)
{
  int num, regular;
  float min, max, step;
  const float* values = list.getIsoList(num, min, max, step, regular);
  return values ? std::vector<float>(values, values + num) : std::vector<float>();
}

TEST_F(Isovalues, RegularFormsAreAscendingAndEndExactly)
{
  PbIsovaluesList list;
  EXPECT_EQ(valuesOf(list), (std::vector<float>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

  list.setRegularIsoList(5, 10.0f, -2.0f);
  EXPECT_EQ(valuesOf(list), (std::vector<float>{2, 4, 6, 8, 10}));
  int num, regular;
  float min, max, step;
  list.getIsoList(num, min, max, step, regular);
  EXPECT_EQ(step, -2.0f);
  EXPECT_EQ(min, 2.0f);
  EXPECT_EQ(max, 10.0f);
  EXPECT_EQ(regular, 1);

  list.setRegularIsoList(1.0f, 0.0f, 5);
  EXPECT_EQ(valuesOf(list), (std::vector<float>{0, 0.25f, 0.5f, 0.75f, 1}));

  // Many steps of a step that binary floats cannot hold: no drift, exact last value.
  list.setRegularIsoList(0.0f, 1.0f, 1001);
  const std::vector<float> fine = valuesOf(list);
  ASSERT_EQ(fine.size(), 1001u);
  EXPECT_EQ(fine.back(), 1.0f);
  for (size_t i = 0; i < fine.size(); ++i)
    EXPECT_NEAR(fine[i], double(i) / 1000.0, 1e-6) << i;

  // The bounds of given values, with the current count, or with a new one.
  const float scattered[] = {4.0f, -2.0f, 7.0f};
  list.setRegularIsoList(4);
  list.setRegularIsoList(3, scattered);
  EXPECT_EQ(valuesOf(list), (std::vector<float>{-2, 1, 4, 7}));
  list.setRegularIsoList(3, scattered, 2);
  EXPECT_EQ(valuesOf(list), (std::vector<float>{-2, 7}));
  list.setRegularIsoList(0.0f, 3.0f);
  EXPECT_EQ(valuesOf(list), (std::vector<float>{0, 3}));
  list.setRegularIsoList(5, 0.0f, 1.0f);
  EXPECT_TRUE(list == PbIsovaluesList(0.0f, 4.0f, 5));
  EXPECT_TRUE(list != PbIsovaluesList(0.0f, 4.0f, 4));
}

TEST_F(Isovalues, IrregularListsAreSortedAndClassified)
{
  PbIsovaluesList list;
  const float shuffled[] = {3, 1, 2};
  list.setIrregularIsoList(3, shuffled);
  EXPECT_EQ(valuesOf(list), (std::vector<float>{1, 2, 3}));
  int num, regular;
  float min, max, step;
  list.getIsoList(num, min, max, step, regular);
  EXPECT_EQ(regular, 1);
  EXPECT_EQ(step, 1.0f);

  const float uneven[] = {4, 1, 2};
  list.setIrregularIsoList(3, uneven);
  list.getIsoList(num, min, max, step, regular);
  EXPECT_EQ(regular, 0);
  EXPECT_EQ(list.getMinDelta(), 1.0f);
  EXPECT_EQ(min, 1.0f);
  EXPECT_EQ(max, 4.0f);

  list.setIrregularIsoList(0, nullptr);
  EXPECT_EQ(list.getIsoList(num, min, max, step, regular), nullptr);
  EXPECT_EQ(list.getIndex(5.0f), 0);
  EXPECT_EQ(list.getLowerIsovalue(5.0f), -1e20f);
  EXPECT_EQ(list.getUpperIsovalue(5.0f), 1e20f);
}

TEST_F(Isovalues, LookupsAgreeWithABruteForceCount)
{
  const float small[] = {1, 2, 3};
  PbIsovaluesList list;
  list.setIrregularIsoList(3, small);
  EXPECT_EQ(list.getIndex(2.0f), 1);
  EXPECT_EQ(list.getIndex(2.5f), 2);
  EXPECT_EQ(list.getIndex(0.0f), 0);
  EXPECT_EQ(list.getIndex(9.0f), 3);
  EXPECT_EQ(list.getLowerIsovalue(0.5f), -1e20f);
  EXPECT_EQ(list.getUpperIsovalue(3.0f), 3.0f);
  EXPECT_EQ(list.getLowerIsovalue(2.5f), 2.0f);
  EXPECT_EQ(list.getUpperIsovalue(2.5f), 3.0f);

  // Regular (direct index) and irregular (binary search) lists against a plain count.
  std::mt19937 random(7);
  std::uniform_real_distribution<float> uniform(-5.0f, 5.0f);
  std::vector<float> irregular(37);
  for (float& v : irregular)
    v = uniform(random);
  PbIsovaluesList lists[2];
  lists[0].setRegularIsoList(-3.0f, 4.1f, 72);
  lists[1].setIrregularIsoList(int(irregular.size()), irregular.data());
  for (const PbIsovaluesList& l : lists) {
    const std::vector<float> values = valuesOf(l);
    std::vector<float> probes(values);
    for (int i = 0; i < 500; ++i)
      probes.push_back(uniform(random));
    for (float v : probes) {
      const int below = int(std::count_if(values.begin(), values.end(),
                                          [v](float x) { return x < v; }));
      EXPECT_EQ(l.getIndex(v), below) << "v = " << v;
      const auto upper = std::lower_bound(values.begin(), values.end(), v);
      EXPECT_EQ(l.getUpperIsovalue(v), upper == values.end() ? 1e20f : *upper);
      const auto lower = std::upper_bound(values.begin(), values.end(), v);
      EXPECT_EQ(l.getLowerIsovalue(v), lower == values.begin() ? -1e20f : *(lower - 1));
    }
  }
}

TEST_F(Isovalues, BadInputIsReportedAndTheListKept)
{
  PbIsovaluesList list(0.0f, 1.0f, 3);
  ErrorCatcher errors;
  const float withNaN[] = {1.0f, std::numeric_limits<float>::quiet_NaN()};
  EXPECT_EQ(list.setIrregularIsoList(2, withNaN), 0);
  EXPECT_EQ(list.setRegularIsoList(0.0f, 1.0f, 1), 0);
  EXPECT_EQ(list.setRegularIsoList(2.0f, 2.0f, 4), 0);
  EXPECT_EQ(list.setRegularIsoList(3, 0.0f, 0.0f), 0);
  EXPECT_EQ(list.setRegularIsoList(0, 0.0f, 1.0f), 0);
  EXPECT_EQ(list.setIrregularIsoList(-1, withNaN), 0);
  EXPECT_EQ(errors.count(), 6);
  EXPECT_EQ(errors.messages()[0],
            "Arvanta error in PbIsovaluesList::setIrregularIsoList(): value 1 is NaN");
  EXPECT_EQ(valuesOf(list), (std::vector<float>{0, 0.5f, 1}));
}

TEST_F(Isovalues, NodeFeedsTheStateAndKeepsRegularLists)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoIsovaluesList* node = new PoIsovaluesList;
  ReaderKit* kit = new ReaderKit;
  std::vector<float> seen;
  int seenRegular = -1;
  kit->stacks.push_back(PoIsovaluesListElement::getClassStackIndex());
  kit->onRebuild = [&](SoState* state) {
    const PbIsovaluesList* list = PoIsovaluesListElement::get(state);
    seen = list ? valuesOf(*list) : std::vector<float>();
    int num;
    float min, max, step;
    if (list)
      list->getIsoList(num, min, max, step, seenRegular);
  };
  root->addChild(node);
  root->addChild(kit);

  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(seen, std::vector<float>{0.0f});

  const float levels[] = {5, -1, 2};
  node->isovaluesList.setValues(0, 3, levels);
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 2);
  EXPECT_EQ(seen, (std::vector<float>{-1, 2, 5}));
  EXPECT_EQ(seenRegular, 1);

  // A regular list that floats cannot space evenly stays marked regular.
  ASSERT_EQ(node->setRegularIsoList(0.0f, 1.0f, 11), 1);
  EXPECT_EQ(node->isovaluesList.getNum(), 11);
  EXPECT_EQ(node->isovaluesList[10], 1.0f);
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, 3);
  EXPECT_EQ(seen.size(), 11u);
  EXPECT_EQ(seenRegular, 1);

  ErrorCatcher errors;
  EXPECT_EQ(node->setRegularIsoList(0, 1.0f, 1.0f), 0);
  EXPECT_EQ(node->isovaluesList.getNum(), 11) << "a refused list leaves the field alone";
  EXPECT_EQ(errors.count(), 1);
}

TEST_F(Isovalues, NodeSurvivesAFileRoundTrip)
{
  Ref<PoIsovaluesList> node(new PoIsovaluesList);
  node->setRegularIsoList(4, -1.5f, 0.5f);
  Ref<PoIsovaluesList> back(roundTrip(node.get()));
  ASSERT_NE(back.get(), nullptr);
  ASSERT_EQ(back->isovaluesList.getNum(), 4);
  EXPECT_EQ(back->isovaluesList[3], 0.0f);
  int num, regular;
  float min, max, step;
  const float* values = back->getIsoList(num, min, max, step, regular);
  ASSERT_EQ(num, 4);
  EXPECT_EQ(values[0], -1.5f);
  EXPECT_EQ(step, 0.5f);
}

} // namespace
