// Histograms through what they build: bar corners after the bar frame's transform, widths and
// centres in their slots, stacks and shares, colours, texts, bad input and scene files.
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/charts/PoMultipleHistogram.h>
#include <Gridlux/charts/PoSingleHistogram.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoPath.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// A bar as its corners after the `transform` part: data units along both axes.
struct Rect {
  float x0, y0, x1, y1;
  float cx() const { return 0.5f * (x0 + x1); }
  float cy() const { return 0.5f * (y0 + y1); }
};

struct Label {
  std::string string;
  SbBox3f box; // in the bar frame
};

class Histogram : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    m_root = new SoSeparator;
    m_root->ref();
  }
  void TearDown() override { m_root->unref(); }

  PoDomain* addDomain(float xmax, float ymax)
  {
    PoDomain* domain = new PoDomain;
    domain->min.setValue(0, 0, 0);
    domain->max.setValue(xmax, ymax, 1);
    m_root->addChild(domain);
    m_domain = domain;
    return domain;
  }

  template <class H> H* add(H* histogram)
  {
    m_root->addChild(histogram);
    return histogram;
  }

  void traverse()
  {
    SoCallbackAction action;
    action.apply(m_root);
  }

  // The quads of the `bar` part, mapped by the `transform` part's matrix.
  std::vector<Rect> bars(PoHistogram* h)
  {
    traverse();
    std::vector<Rect> out;
    auto* group = static_cast<SoGroup*>(h->getPart("bar", FALSE));
    auto* transform = static_cast<SoMatrixTransform*>(h->getPart("transform", FALSE));
    if (!group || !transform)
      return out;
    const SbMatrix m = transform->matrix.getValue();
    for (int c = 0; c < group->getNumChildren(); ++c) {
      auto* coords = dynamic_cast<SoCoordinate3*>(group->getChild(c));
      if (!coords)
        continue;
      for (int q = 0; q + 3 < coords->point.getNum(); q += 4) {
        Rect r{1e30f, 1e30f, -1e30f, -1e30f};
        for (int k = 0; k < 4; ++k) {
          SbVec3f p;
          m.multVecMatrix(coords->point[q + k], p);
          r.x0 = std::min(r.x0, p[0]), r.y0 = std::min(r.y0, p[1]);
          r.x1 = std::max(r.x1, p[0]), r.y1 = std::max(r.y1, p[1]);
        }
        out.push_back(r);
      }
    }
    return out;
  }

  // The texts of a part with their boxes in the bar frame, in drawing order.
  std::vector<Label> labels(PoHistogram* h, const char* part)
  {
    traverse();
    std::vector<Label> out;
    SoNode* node = h->getPart(part, FALSE);
    if (!node)
      return out;
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.setSearchingAll(TRUE);
    search.apply(node);
    for (int i = 0; i < search.getPaths().getLength(); ++i) {
      SoPath* path = search.getPaths()[i];
      const auto* text = static_cast<const SoText3*>(path->getTail());
      SoGetBoundingBoxAction box(SbViewportRegion(400, 400));
      box.apply(path);
      out.push_back(Label{text->string[0].getString(), box.getBoundingBox()});
    }
    return out;
  }

  static std::vector<std::string> strings(const std::vector<Label>& labels)
  {
    std::vector<std::string> out;
    for (const Label& l : labels)
      out.push_back(l.string);
    return out;
  }

  SoSeparator* m_root = nullptr;
  PoDomain* m_domain = nullptr;
};

TEST_F(Histogram, BarsUnderADomainEndAtTheirValuesInEqualSlots)
{
  addDomain(10, 1000);
  auto* h = add(new PoSingleHistogram);
  h->start.setValue(1, 50);
  h->end = 9;
  const std::vector<float> values{100, 250, 900, 40, 1000};
  h->value.setValues(0, int(values.size()), values.data());
  const std::vector<Rect> r = bars(h);
  ASSERT_EQ(r.size(), values.size());
  const float slot = 8.0f / 5, tol = 1e-5f * 1000;
  for (size_t i = 0; i < r.size(); ++i) {
    SCOPED_TRACE(i);
    // The bar of value 40 hangs below the baseline 50.
    EXPECT_NEAR(r[i].y1, std::max(values[i], 50.0f), tol);
    EXPECT_NEAR(r[i].y0, std::min(values[i], 50.0f), tol);
    EXPECT_NEAR(r[i].cx(), 1 + (i + 0.5f) * slot, 1e-5f);
    EXPECT_NEAR(r[i].x1 - r[i].x0, 0.75f * slot, 1e-5f);
  }
  // The frame keeps the domain's proportions in the texts: the transform scales y by dy/dx.
  auto* transform = static_cast<SoMatrixTransform*>(h->getPart("transform", FALSE));
  SbVec3f unit;
  transform->matrix.getValue().multDirMatrix(SbVec3f(0, 1, 0), unit);
  EXPECT_NEAR(unit[1], 100.0f, 1e-3f);
  EXPECT_NEAR(h->getHistogAttr().valueFontSize, 0.04f * 10, 1e-6f);

  // A changed domain rebuilds the frame: ends stay on the values, sizes follow dx.
  m_domain->max.setValue(20, 2000, 1);
  const std::vector<Rect> again = bars(h);
  ASSERT_EQ(again.size(), values.size());
  EXPECT_NEAR(again[2].y1, 900.0f, tol);
  EXPECT_NEAR(h->getHistogAttr().valueFontSize, 0.04f * 20, 1e-6f);
}

TEST_F(Histogram, SpacingRulesAndDirection)
{
  auto* h = add(new PoSingleHistogram);
  const float values[] = {1, 2, 3, 4};
  h->value.setValues(0, 4, values);
  h->end = 4;
  std::vector<Rect> r = bars(h);
  ASSERT_EQ(r.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(r[i].cx(), 0.5f + i, 1e-6f);
    EXPECT_NEAR(r[i].x1 - r[i].x0, 0.75f, 1e-6f);
    EXPECT_NEAR(r[i].y0, 0.0f, 1e-6f);
    EXPECT_NEAR(r[i].y1, values[i], 1e-5f);
  }
  h->barSpaceType = PoHistogram::FIXED_SPACE;
  h->barSpaceValue = 0.4f;
  r = bars(h);
  EXPECT_NEAR(r[2].x1 - r[2].x0, 0.6f, 1e-6f);
  h->barSpaceValue = 1.5f; // larger than the slot
  r = bars(h);
  EXPECT_NEAR(r[0].x1 - r[0].x0, 0.0f, 1e-6f);
  h->barSpaceValue = 0.0f; // no space: the whole slot
  r = bars(h);
  EXPECT_NEAR(r[0].x1 - r[0].x0, 1.0f, 1e-6f);

  // An end before the start lays the bars in decreasing x.
  h->barSpaceType = PoHistogram::REL_SPACE;
  h->barSpaceValue = 0.25f;
  h->start.setValue(4, 0);
  h->end = 0;
  r = bars(h);
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(r[i].cx(), 3.5f - i, 1e-6f);

  // Type Y: bars laid along y from start.y, growing in x from start.x.
  h->type = PoHistogram::Y;
  h->start.setValue(1, 0);
  h->end = 8;
  r = bars(h);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(r[i].cy(), 1.0f + 2 * i, 1e-5f);
    EXPECT_NEAR(r[i].y1 - r[i].y0, 1.5f, 1e-5f);
    EXPECT_NEAR(r[i].x0, std::min(1.0f, values[i]), 1e-5f);
    EXPECT_NEAR(r[i].x1, std::max(1.0f, values[i]), 1e-5f);
  }
}

TEST_F(Histogram, GroupsSideBySideStackedAndAsShares)
{
  addDomain(10, 1000);
  auto* h = add(new PoMultipleHistogram);
  // Two rows (groups) of three columns.
  const float values[] = {100, 200, 300, 50, 0, 450};
  h->numRows = 2;
  h->numColumns = 3;
  h->value.setValues(0, 6, values);
  h->end = 10;
  std::vector<Rect> r = bars(h);
  ASSERT_EQ(r.size(), 6u);
  // Slot 5, group 3.75 wide starting 0.625 into its slot, bars 1.25 wide side by side.
  for (int g = 0; g < 2; ++g)
    for (int k = 0; k < 3; ++k) {
      const Rect& b = r[g * 3 + k];
      EXPECT_NEAR(b.x0, 5 * g + 0.625f + 1.25f * k, 1e-5f);
      EXPECT_NEAR(b.x1 - b.x0, 1.25f, 1e-5f);
      EXPECT_NEAR(b.y1, values[g * 3 + k], 1e-2f);
    }

  h->representation = PoMultipleHistogram::ACCUMULATED;
  r = bars(h);
  for (int g = 0; g < 2; ++g) {
    float sum = 0;
    for (int k = 0; k < 3; ++k) {
      const Rect& b = r[g * 3 + k];
      EXPECT_NEAR(b.x1 - b.x0, 3.75f, 1e-5f);
      EXPECT_NEAR(b.y0, sum, 1e-2f);
      sum += values[g * 3 + k];
      EXPECT_NEAR(b.y1, sum, 1e-2f);
    }
  }
  EXPECT_EQ(strings(labels(h, "sumText")), (std::vector<std::string>{"600", "500"}));

  // Columns as groups: group k holds the values of column k, row after row.
  h->histogPath = PoMultipleHistogram::COLUMN_ROW;
  r = bars(h);
  ASSERT_EQ(r.size(), 6u);
  EXPECT_NEAR(r[5].y1, 300 + 450, 1e-2f);
  EXPECT_NEAR(r[4].y1, 300, 1e-2f);

  h->representation = PoMultipleHistogram::PERCENTAGE;
  h->histogPath = PoMultipleHistogram::ROW_COLUMN;
  r = bars(h);
  EXPECT_NEAR(r[2].y1, 100, 1e-2f);
  EXPECT_NEAR(r[5].y1, 100, 1e-2f);
  EXPECT_NEAR(r[3].y1 - r[3].y0, 10, 1e-2f);
  EXPECT_EQ(strings(labels(h, "valueText")),
            (std::vector<std::string>{"17%", "33%", "50%", "10%", "0%", "90%"}));
}

TEST_F(Histogram, EqualSharesReadAThirdEach)
{
  auto* h = add(new PoMultipleHistogram);
  const float ones[] = {1, 1, 1};
  h->numColumns = 3;
  h->value.setValues(0, 3, ones);
  h->representation = PoMultipleHistogram::PERCENTAGE;
  EXPECT_EQ(strings(labels(h, "valueText")), (std::vector<std::string>{"33%", "33%", "33%"}));
  const std::vector<Rect> r = bars(h);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_NEAR(r[2].y1, 100, 1e-4f);
  EXPECT_NEAR(r[1].y1, 200.0f / 3, 1e-4f);
}

TEST_F(Histogram, ColoursFromTheListOnlyWhenItFitsElseFromTheMapping)
{
  auto* h = add(new PoSingleHistogram);
  const float values[] = {1, 5, 9};
  h->value.setValues(0, 3, values);
  const SbColor colors[] = {SbColor(1, 0, 0), SbColor(0, 1, 0), SbColor(0, 0, 1)};
  h->color.setValues(0, 3, colors);
  traverse();
  auto binding = [&]() -> SoMaterialBinding* {
    auto* group = static_cast<SoGroup*>(h->getPart("bar", FALSE));
    for (int i = 0; group && i < group->getNumChildren(); ++i)
      if (auto* b = dynamic_cast<SoMaterialBinding*>(group->getChild(i)))
        return b;
    return nullptr;
  };
  auto* material = static_cast<SoMaterial*>(h->getPart("barApp.material", FALSE));
  ASSERT_NE(material, nullptr);
  ASSERT_EQ(material->diffuseColor.getNum(), 3);
  EXPECT_EQ(material->diffuseColor[1], colors[1]);
  ASSERT_NE(binding(), nullptr);
  EXPECT_EQ(binding()->value.getValue(), SoMaterialBinding::PER_FACE);

  // Fewer or more colours than values: the bars keep barApp's material, as the user set it.
  material->diffuseColor.setValue(SbColor(0.5f, 0.5f, 0.5f));
  h->color.setValues(0, 2, colors);
  h->color.setNum(2);
  traverse();
  EXPECT_EQ(binding(), nullptr);
  EXPECT_EQ(material->diffuseColor.getNum(), 1);
  EXPECT_EQ(material->diffuseColor[0], SbColor(0.5f, 0.5f, 0.5f));
  const float four[] = {1, 2, 3, 4};
  h->value.setValues(0, 4, four);
  h->color.setValues(0, 3, colors);
  traverse();
  EXPECT_EQ(binding(), nullptr);

  // Through the mapping in the state: each bar the colour of its value.
  auto* mapping = new PoLinearDataMapping;
  mapping->value1 = 0;
  mapping->color1.setValue(0, 0, 0);
  mapping->value2 = 10;
  mapping->color2.setValue(1, 1, 1);
  m_root->insertChild(mapping, 0);
  h->coloring = PoHistogram::CLASS_DATA_MAPPING;
  traverse();
  ASSERT_NE(binding(), nullptr);
  ASSERT_EQ(material->diffuseColor.getNum(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(material->diffuseColor[i][0], four[i] / 10, 1e-5f);
}

TEST_F(Histogram, ValueAndNameTextsStandBeyondTheBars)
{
  addDomain(10, 1000);
  auto* h = add(new PoSingleHistogram);
  const float values[] = {120, 480};
  const char* names[] = {"north", "south"};
  h->value.setValues(0, 2, values);
  h->name.setValues(0, 2, names);
  h->end = 10;
  h->valueAddStringVisibility = TRUE;
  h->valueAddString = " t";
  const std::vector<Label> v = labels(h, "valueText");
  const std::vector<Label> n = labels(h, "nameText");
  EXPECT_EQ(strings(v), (std::vector<std::string>{"120 t", "480 t"}));
  EXPECT_EQ(strings(n), (std::vector<std::string>{"north", "south"}));
  // In the bar frame a value of 480 ends at 480 x dx/dy = 4.8; texts are centred on their bars.
  ASSERT_EQ(v.size(), 2u);
  EXPECT_GT(v[1].box.getMin()[1], 4.8f);
  EXPECT_NEAR(0.5f * (v[1].box.getMin()[0] + v[1].box.getMax()[0]), 7.5f, 0.05f);
  EXPECT_LT(n[0].box.getMax()[1], 0.0f);
  h->valueVisibility = PoHistogram::VISIBILITY_OFF;
  h->nameVisibility = PoHistogram::VISIBILITY_OFF;
  traverse();
  EXPECT_EQ(h->getPart("valueText", FALSE), nullptr);
  EXPECT_EQ(h->getPart("nameText", FALSE), nullptr);
}

TEST_F(Histogram, TextPlacesAndAlignments)
{
  const SbVec2f box[2] = {SbVec2f(1, 2), SbVec2f(3, 6)};
  SbVec2f p;
  PoHistogram::computeTextPos(box, PoHistogram::POS_TOP_OUT, 0.5f, p);
  EXPECT_EQ(p, SbVec2f(2, 6.5f));
  PoHistogram::computeTextPos(box, PoHistogram::POS_BOTTOM_IN, 0.5f, p);
  EXPECT_EQ(p, SbVec2f(2, 2.5f));
  PoHistogram::computeTextPos(box, PoHistogram::POS_LEFT_OUT, 0.5f, p);
  EXPECT_EQ(p, SbVec2f(0.5f, 4));
  PoHistogram::computeTextPos(box, PoHistogram::POS_CENTER, 0.5f, p);
  EXPECT_EQ(p, SbVec2f(2, 4));
}

TEST_F(Histogram, BadInputIsReportedAndDrawsNothingOrZero)
{
  auto* single = add(new PoSingleHistogram);
  traverse();
  EXPECT_EQ(single->getPart("bar", FALSE), nullptr);
  EXPECT_EQ(single->getPart("valueText", FALSE), nullptr);
  EXPECT_EQ(single->getPart("nameText", FALSE), nullptr);

  ErrorCatcher errors;
  const float withNaN[] = {1, NAN, 3};
  single->value.setValues(0, 3, withNaN);
  std::vector<Rect> r = bars(single);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_NEAR(r[1].y1 - r[1].y0, 0.0f, 1e-6f);
  EXPECT_TRUE(errors.contains("not finite"));

  auto* multiple = add(new PoMultipleHistogram);
  multiple->numRows = 2;
  multiple->numColumns = 2;
  const float three[] = {1, 2, 3};
  multiple->value.setValues(0, 3, three);
  errors.clear();
  traverse();
  EXPECT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("3 values for 2 rows of 2 columns"));
  EXPECT_EQ(multiple->getPart("bar", FALSE), nullptr);
  EXPECT_EQ(multiple->getPart("sumText", FALSE), nullptr);

  // Shares of negative values count as 0; a group summing to 0 stands flat and unlabelled.
  const float signs[] = {-2, 2, 0, 0};
  multiple->value.setValues(0, 4, signs);
  multiple->representation = PoMultipleHistogram::PERCENTAGE;
  errors.clear();
  r = bars(multiple);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_TRUE(errors.contains("negative"));
  EXPECT_NEAR(r[1].y1, 100, 1e-4f);
  EXPECT_NEAR(r[3].y1, 0, 1e-6f);
  EXPECT_EQ(strings(labels(multiple, "valueText")), (std::vector<std::string>{"0%", "100%"}));
}

TEST_F(Histogram, ScenesWriteAndReadBack)
{
  auto* h = add(new PoMultipleHistogram);
  const float values[] = {3, 4, 5, 6};
  const char* rows[] = {"a", "b"};
  h->numRows = 2;
  h->numColumns = 2;
  h->value.setValues(0, 4, values);
  h->rowName.setValues(0, 2, rows);
  h->representation = PoMultipleHistogram::ACCUMULATED;
  h->type = PoHistogram::Y;
  h->barSpaceValue = 0.5f;
  auto* s = add(new PoSingleHistogram(SbVec2f(1, 2), 5, PoHistogram::X, 4, values, nullptr));
  s->valuePosition = PoHistogram::POS_TOP_IN;
  traverse();
  SoSeparator* copy = readFromString(writeToString(m_root));
  ASSERT_NE(copy, nullptr);
  copy->ref();
  SoSearchAction search;
  search.setType(PoMultipleHistogram::getClassTypeId());
  search.apply(copy);
  ASSERT_NE(search.getPath(), nullptr);
  auto* m = static_cast<PoMultipleHistogram*>(search.getPath()->getTail());
  EXPECT_EQ(m->value.getNum(), 4);
  EXPECT_EQ(m->value[3], 6.0f);
  EXPECT_EQ(std::string(m->rowName[1].getString()), "b");
  EXPECT_EQ(m->representation.getValue(), PoMultipleHistogram::ACCUMULATED);
  EXPECT_EQ(m->type.getValue(), PoHistogram::Y);
  EXPECT_EQ(m->barSpaceValue.getValue(), 0.5f);
  search.setType(PoSingleHistogram::getClassTypeId());
  search.apply(copy);
  ASSERT_NE(search.getPath(), nullptr);
  auto* r = static_cast<PoSingleHistogram*>(search.getPath()->getTail());
  EXPECT_EQ(r->start.getValue(), SbVec2f(1, 2));
  EXPECT_EQ(r->end.getValue(), 5.0f);
  EXPECT_EQ(r->valuePosition.getValue(), PoHistogram::POS_TOP_IN);
  EXPECT_EQ(r->name.getNum(), 0);
  copy->unref();
}

} // namespace
