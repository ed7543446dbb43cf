// Domain, label-hint, bevel-edge and cell-filter nodes: what they put into the traversal state.
#include "AttributeTestSupport.h"
#include "ReaderKit.h"

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PoBevelEdge.h>
#include <Gridlux/attributes/PoBevelEdgeElement.h>
#include <Gridlux/attributes/PoCellFilterElement.h>
#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/attributes/PoIntervalCellFilter.h>
#include <Gridlux/attributes/PoLabelHints.h>
#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/base/PoGridlux.h>

#include <support/ErrorCatcher.h>

#include <Inventor/SbMatrix.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoMatrixTransform.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class StateNodes : public ::testing::Test {
protected:
  static void SetUpTestSuite()
  {
    PoGridlux::init();
    ReaderKit::initClass();
  }
};

// A callback node that hands the traversal state at its place to @p read.
template <class F> SoCallback* probe(F* read)
{
  SoCallback* callback = new SoCallback;
  callback->setCallback(
    [](void* data, SoAction* action) { (*static_cast<F*>(data))(action->getState()); }, read);
  return callback;
}

TEST_F(StateNodes, DomainNodeSetsItsBoxAndTransform)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoDomain* domain = new PoDomain;
  domain->min.setValue(0, 0, 0);
  domain->max.setValue(10, 2, 1);
  domain->transformType = PoDomain::SCALE_MAX_XYZ_FIXED;
  const PbDomain* seen = nullptr;
  auto read = [&seen](SoState* state) { seen = PoDomainElement::get(state); };
  root->addChild(domain);
  root->addChild(probe(&read));

  SoCallbackAction action;
  action.apply(root.get());
  ASSERT_EQ(seen, domain->getDomain());
  // The longest axis keeps its scale; the others stretch to its extent.
  SbVec3f mapped;
  seen->getMatrix().multVecMatrix(SbVec3f(1, 1, 1), mapped);
  EXPECT_NEAR(mapped[0], 1.0f, 1e-6f);
  EXPECT_NEAR(mapped[1], 5.0f, 1e-5f);
  EXPECT_NEAR(mapped[2], 10.0f, 1e-5f);
  SoMatrixTransform* transform = domain->getMatrixTransform();
  transform->ref();
  EXPECT_EQ(transform->matrix.getValue(), seen->getMatrix());
  transform->unref();

  // A flat box (equal z) stands for z from 0 to 1.
  domain->min.setValue(-1, -1, 3);
  domain->max.setValue(1, 1, 3);
  action.apply(root.get());
  float x0, y0, z0, x1, y1, z1;
  seen->getDomain(x0, y0, z0, x1, y1, z1);
  EXPECT_EQ(z0, 0.0f);
  EXPECT_EQ(z1, 1.0f);
  EXPECT_EQ(x0, -1.0f);

  // An inverted box is reported; the previous domain stays.
  ErrorCatcher errors;
  domain->max.setValue(-2, 1, 1);
  action.apply(root.get());
  EXPECT_EQ(errors.count(), 1);
  seen->getDomain(x0, y0, z0, x1, y1, z1);
  EXPECT_EQ(x1, 1.0f);

  // setValues fits the box and writes the result back into the fields.
  domain->setValues(SbVec2f(0, 0), SbVec2f(4, 2), PbDomain::MAX_BOUNDING_CUBE);
  EXPECT_EQ(domain->min.getValue(), SbVec3f(0, -1, 0));
  EXPECT_EQ(domain->max.getValue(), SbVec3f(4, 3, 1));
  EXPECT_EQ(errors.count(), 1);
}

TEST_F(StateNodes, ADomainChangeRebuildsTheReader)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoDomain* domain = new PoDomain;
  ReaderKit* kit = new ReaderKit;
  root->addChild(domain);
  root->addChild(kit);
  SoCallbackAction action;
  action.apply(root.get());
  const int first = kit->rebuilds;
  action.apply(root.get());
  EXPECT_EQ(kit->rebuilds, first);
  domain->max.setValue(2, 1, 1);
  action.apply(root.get());
  EXPECT_GT(kit->rebuilds, first) << "the node base follows the domain element";
}

TEST_F(StateNodes, LabelHintsNestAndAnIgnoredStringIsInherited)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoLabelHints* outer = new PoLabelHints;
  outer->labelPath = PoLabelHints::PATH_UP;
  outer->addString = " kg";
  outer->isLabelLineVisible = TRUE;
  SoSeparator* inner = new SoSeparator;
  PoLabelHints* innerHints = new PoLabelHints;
  innerHints->justification = PoLabelHints::RIGHT;
  innerHints->addString.setIgnored(TRUE);

  struct Hints {
    PoLabelHints::LabelPath path;
    PoLabelHints::Justification justification;
    const char* addString;
    int line;
  } before{}, inside{}, after{};
  auto readBefore = [&before](SoState* s) {
    PoLabelHintsElement::get(s, before.path, before.justification, before.addString, before.line);
  };
  auto readInside = [&inside](SoState* s) {
    PoLabelHintsElement::get(s, inside.path, inside.justification, inside.addString, inside.line);
  };
  auto readAfter = [&after](SoState* s) {
    PoLabelHintsElement::get(s, after.path, after.justification, after.addString, after.line);
  };
  root->addChild(probe(&readBefore));
  root->addChild(outer);
  inner->addChild(innerHints);
  inner->addChild(probe(&readInside));
  root->addChild(inner);
  root->addChild(probe(&readAfter));

  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(before.path, PoLabelHints::PATH_DEPEND);
  EXPECT_EQ(before.justification, PoLabelHints::DEPEND);
  EXPECT_EQ(before.addString, nullptr);
  EXPECT_EQ(before.line, 0);
  EXPECT_EQ(inside.path, PoLabelHints::PATH_DEPEND) << "the inner node's own path";
  EXPECT_EQ(inside.justification, PoLabelHints::RIGHT);
  ASSERT_NE(inside.addString, nullptr);
  EXPECT_STREQ(inside.addString, " kg");
  EXPECT_EQ(after.path, PoLabelHints::PATH_UP);
  EXPECT_EQ(after.justification, PoLabelHints::DEPEND);
  EXPECT_EQ(after.line, 1);
}

TEST_F(StateNodes, BevelEdgeSetsTheElementUnlessItsSizesAreIgnored)
{
  Ref<SoSeparator> root(new SoSeparator);
  PoBevelEdge* bevel = new PoBevelEdge;
  bevel->on = FALSE;
  bevel->radius = 0.2f;
  bevel->radiusFlag = PoBevelEdge::ABSOLUTE_RADIUS;
  bevel->bevelAngle = 0.75f;
  int on = -1;
  float radius = -1, angle = -1;
  PoBevelEdge::RadiusFlag flag = PoBevelEdge::PERCENTAGE_RADIUS;
  auto read = [&](SoState* s) { PoBevelEdgeElement::get(s, on, radius, flag, angle); };
  root->addChild(bevel);
  root->addChild(probe(&read));

  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(on, 0);
  EXPECT_EQ(radius, 0.2f);
  EXPECT_EQ(flag, PoBevelEdge::ABSOLUTE_RADIUS);
  EXPECT_EQ(angle, 0.75f);

  bevel->bevelAngle.setIgnored(TRUE);
  action.apply(root.get());
  EXPECT_EQ(on, 1);
  EXPECT_EQ(radius, 0.05f);
  EXPECT_EQ(flag, PoBevelEdge::PERCENTAGE_RADIUS);
  EXPECT_EQ(angle, 0.5f);
}

TEST_F(StateNodes, IntervalFilterKeepsTheOpenIntervalOrItsComplement)
{
  Ref<PoIntervalCellFilter> filter(new PoIntervalCellFilter);
  EXPECT_FALSE(filter->acceptCell(0, 0.0f));
  EXPECT_FALSE(filter->acceptCell(1, 1.0f));
  EXPECT_TRUE(filter->acceptCell(2, 0.5f));
  filter->in = FALSE;
  EXPECT_TRUE(filter->acceptCell(0, 0.0f));
  EXPECT_TRUE(filter->acceptCell(1, 1.0f));
  EXPECT_FALSE(filter->acceptCell(2, 0.5f));
  EXPECT_TRUE(filter->acceptCell(3, -7.0f));

  // The element carries the filter node itself, only below it.
  Ref<SoSeparator> root(new SoSeparator);
  SoSeparator* branch = new SoSeparator;
  const PoCellFilter* inside = nullptr;
  const PoCellFilter* outside = filter.get();
  auto readInside = [&inside](SoState* s) { inside = PoCellFilterElement::get(s); };
  auto readOutside = [&outside](SoState* s) { outside = PoCellFilterElement::get(s); };
  branch->addChild(filter.get());
  branch->addChild(probe(&readInside));
  root->addChild(branch);
  root->addChild(probe(&readOutside));
  SoCallbackAction action;
  action.apply(root.get());
  EXPECT_EQ(inside, filter.get());
  EXPECT_EQ(outside, nullptr);
}

TEST_F(StateNodes, NodesSurviveAFileRoundTrip)
{
  Ref<PoDomain> domain(new PoDomain);
  domain->min.setValue(-1, 2, -3);
  domain->max.setValue(4, 5, 6);
  domain->transformType = PoDomain::TRANSFORM_01;
  Ref<PoDomain> domainBack(roundTrip(domain.get()));
  ASSERT_NE(domainBack.get(), nullptr);
  EXPECT_EQ(domainBack->min.getValue(), SbVec3f(-1, 2, -3));
  EXPECT_EQ(domainBack->max.getValue(), SbVec3f(4, 5, 6));
  EXPECT_EQ(domainBack->transformType.getValue(), int(PoDomain::TRANSFORM_01));
  EXPECT_EQ(domainBack->getDomain()->getTransformType(), PbDomain::TRANSFORM_01);

  Ref<PoLabelHints> hints(new PoLabelHints);
  hints->labelPath = PoLabelHints::PATH_LEFT;
  hints->justification = PoLabelHints::CENTER;
  hints->addString = "%";
  hints->isLabelLineVisible = TRUE;
  Ref<PoLabelHints> hintsBack(roundTrip(hints.get()));
  ASSERT_NE(hintsBack.get(), nullptr);
  EXPECT_EQ(hintsBack->labelPath.getValue(), int(PoLabelHints::PATH_LEFT));
  EXPECT_EQ(hintsBack->justification.getValue(), int(PoLabelHints::CENTER));
  EXPECT_EQ(hintsBack->addString.getValue(), SbString("%"));
  EXPECT_TRUE(hintsBack->isLabelLineVisible.getValue());

  Ref<PoBevelEdge> bevel(new PoBevelEdge);
  bevel->on = FALSE;
  bevel->radius = 0.125f;
  bevel->radiusFlag = PoBevelEdge::ABSOLUTE_RADIUS;
  bevel->bevelAngle = 0.25f;
  Ref<PoBevelEdge> bevelBack(roundTrip(bevel.get()));
  ASSERT_NE(bevelBack.get(), nullptr);
  EXPECT_FALSE(bevelBack->on.getValue());
  EXPECT_EQ(bevelBack->radius.getValue(), 0.125f);
  EXPECT_EQ(bevelBack->radiusFlag.getValue(), int(PoBevelEdge::ABSOLUTE_RADIUS));
  EXPECT_EQ(bevelBack->bevelAngle.getValue(), 0.25f);

  Ref<PoIntervalCellFilter> filter(new PoIntervalCellFilter);
  filter->min = -2.5f;
  filter->max = 8.0f;
  filter->in = FALSE;
  Ref<PoIntervalCellFilter> filterBack(roundTrip(filter.get()));
  ASSERT_NE(filterBack.get(), nullptr);
  EXPECT_EQ(filterBack->min.getValue(), -2.5f);
  EXPECT_EQ(filterBack->max.getValue(), 8.0f);
  EXPECT_FALSE(filterBack->in.getValue());
}

} // namespace

namespace {

TEST_F(StateNodes, BrokenFilesAreRefusedWithoutACrash)
{
  ErrorCatcher errors(ErrorCatcher::ALL);
  EXPECT_EQ(readFromString("#Inventor V2.1 ascii\nPoNonLinearDataMapping2 { type BOGUS }\n"),
            nullptr);
  EXPECT_EQ(readFromString("#Inventor V2.1 ascii\nPoIsovaluesList { isovaluesList [ 1, 2,"),
            nullptr);
  EXPECT_GE(errors.count(), 2);

  // Well-formed but meaningless values read fine and are reported when used.
  errors.clear();
  SoSeparator* root = readFromString(
    "#Inventor V2.1 ascii\n"
    "Separator { PoDomain { min 1 1 1 max 0 0 0 }"
    " PoNonLinearDataMapping2 { type NON_LINEAR_PER_LEVEL value [ 0, 1 ] color [ 1 0 0 ] } }\n");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(errors.count(), 0);
  SoCallbackAction action;
  action.apply(root);
  EXPECT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("PoDomain::updateDomain(): empty or inverted domain"));
  EXPECT_TRUE(errors.contains("PoNonLinearDataMapping2(): The number of colours"));
  root->unref();
}

} // namespace
