// Value legends through what they draw: the colour, place and text of every box, the grid of
// columns, the bar's proportions, texts kept inside the rectangle, the factor, scene files,
// legends with nothing to show and rebuilds.
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/text/PoLinearValueLegend.h>
#include <Gridlux/text/PoNonLinearValueLegend1.h>
#include <Gridlux/text/PoNonLinearValueLegend2.h>
#include <Gridlux/text/PoNonLinearValueLegend3.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoPath.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>
#include <Inventor/SoPrimitiveVertex.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const SbViewportRegion kViewport(400, 400);

// A face drawn in a part: its box in world space and the diffuse colour it is drawn with.
struct Face {
  SbBox3f box;
  SbColor color;
};

// A text drawn in a part: its string and its box in world space.
struct Text {
  std::string string;
  SbBox3f box;
};

std::vector<Face> facesOf(SoNode* part)
{
  std::vector<Face> faces;
  if (!part)
    return faces;
  SoCallbackAction action;
  action.addPreCallback(
      SoFaceSet::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoNode*) {
        SbColor ambient, diffuse, specular, emission;
        float shininess, transparency;
        a->getMaterial(ambient, diffuse, specular, emission, shininess, transparency);
        static_cast<std::vector<Face>*>(data)->push_back(Face{SbBox3f(), diffuse});
        return SoCallbackAction::CONTINUE;
      },
      &faces);
  action.addTriangleCallback(
      SoFaceSet::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoPrimitiveVertex* v1, const SoPrimitiveVertex* v2,
         const SoPrimitiveVertex* v3) {
        SbBox3f& box = static_cast<std::vector<Face>*>(data)->back().box;
        for (const SoPrimitiveVertex* v : {v1, v2, v3}) {
          SbVec3f p;
          a->getModelMatrix().multVecMatrix(v->getPoint(), p);
          box.extendBy(p);
        }
      },
      &faces);
  action.apply(part);
  return faces;
}

float centreX(const SbBox3f& b) { return 0.5f * (b.getMin()[0] + b.getMax()[0]); }
float centreY(const SbBox3f& b) { return 0.5f * (b.getMin()[1] + b.getMax()[1]); }

bool inside(const SbBox3f& inner, const SbVec2f& lo, const SbVec2f& hi, float tol = 1e-4f)
{
  return inner.getMin()[0] >= lo[0] - tol && inner.getMin()[1] >= lo[1] - tol && inner.getMax()[0] <= hi[0] + tol &&
         inner.getMax()[1] <= hi[1] + tol;
}

class ValueLegend : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    m_root = new SoSeparator;
    m_root->ref();
    m_mapping = new PoLinearDataMapping;
    m_mapping->value1 = 0.0f;
    m_mapping->color1.setValue(0.0f, 0.0f, 1.0f);
    m_mapping->value2 = 30.0f;
    m_mapping->color2.setValue(1.0f, 0.5f, 0.0f);
    m_isovalues = new PoIsovaluesList;
    m_isovalues->isovaluesList.setValues(0, 4, std::vector<float>{0, 10, 20, 30}.data());
    m_root->addChild(m_mapping);
    m_root->addChild(m_isovalues);
  }
  void TearDown() override { m_root->unref(); }

  template <class L> L* add(L* legend)
  {
    m_root->addChild(legend);
    return legend;
  }

  // Traverses the scene, so the legends rebuild as for any action.
  void traverse()
  {
    SoCallbackAction action;
    action.apply(m_root);
  }

  // Every text drawn in a part of @p legend, in drawing order.
  std::vector<Text> textsOf(PoLegend* legend, const char* part)
  {
    traverse();
    std::vector<Text> texts;
    SoNode* node = legend->getPart(part, FALSE);
    if (!node)
      return texts;
    // Searched from the part, a group of plain nodes starting with the legend's frame: the
    // paths end at the texts, and their boxes come out in the scene's coordinates here (no
    // domain above the legends).
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.setSearchingAll(TRUE);
    search.apply(node);
    const SoPathList& paths = search.getPaths();
    for (int i = 0; i < paths.getLength(); ++i) {
      SoPath* path = paths[i];
      const SoText3* text = static_cast<const SoText3*>(path->getTail());
      std::string joined;
      for (int l = 0; l < text->string.getNum(); ++l)
        joined += (l ? "\n" : "") + std::string(text->string[l].getString());
      SoGetBoundingBoxAction box(kViewport);
      box.apply(path);
      texts.push_back(Text{joined, box.getBoundingBox()});
    }
    return texts;
  }

  std::vector<Face> boxesOf(PoLegend* legend)
  {
    traverse();
    return facesOf(legend->getPart("box", FALSE));
  }

  // The colour the mapping gives @p value, read from the mapping object, not the legend.
  SbColor mappingColor(float value)
  {
    PbLinearDataMapping mapping;
    mapping.setValues(m_mapping->value1.getValue(), m_mapping->color1.getValue(), m_mapping->value2.getValue(),
                      m_mapping->color2.getValue());
    return *mapping.getRGBColor(value);
  }

  // Texts beside boxes, matched by place: the text whose middle is level with the box and
  // nearest to its right.
  static const Text* textBeside(const Face& box, const std::vector<Text>& texts)
  {
    const Text* best = nullptr;
    for (const Text& t : texts) {
      const float y = centreY(t.box), x = t.box.getMin()[0];
      if (y < box.box.getMin()[1] || y > box.box.getMax()[1] || x < box.box.getMax()[0])
        continue;
      if (!best || x < best->box.getMin()[0])
        best = &t;
    }
    return best;
  }

  static std::vector<std::string> strings(const std::vector<Text>& texts)
  {
    std::vector<std::string> out;
    for (const Text& t : texts)
      out.push_back(t.string);
    return out;
  }

  void enableThresholds()
  {
    m_mapping->minThresholdEnabled = TRUE;
    m_mapping->minThreshold = -5.0f;
    m_mapping->minThresholdColor.setValue(0.2f, 0.2f, 0.2f);
    m_mapping->maxThresholdEnabled = TRUE;
    m_mapping->maxThreshold = 35.0f;
    m_mapping->maxThresholdColor.setValue(0.9f, 0.9f, 0.9f);
  }

  SoSeparator* m_root = nullptr;
  PoLinearDataMapping* m_mapping = nullptr;
  PoIsovaluesList* m_isovalues = nullptr;
};

// The lower value of an interval text: "<a" stands for [a - d, a], "a _ b" and ">a" start at a.
float lowerValueOf(const std::string& text, float spacing)
{
  if (text[0] == '<')
    return std::strtof(text.c_str() + 1, nullptr) - spacing;
  if (text[0] == '>')
    return std::strtof(text.c_str() + 1, nullptr);
  return std::strtof(text.c_str(), nullptr);
}

TEST_F(ValueLegend, IntervalBoxesReadAndAreColouredAsTheirIntervals)
{
  auto* legend = add(new PoNonLinearValueLegend1(SbVec2f(0, 0), SbVec2f(1, 2)));
  std::vector<Text> texts = textsOf(legend, "valueText");
  EXPECT_EQ(strings(texts), (std::vector<std::string>{"<0", "0 _ 10", "10 _ 20", "20 _ 30", ">30"}));

  // Each box, from its text: the mapping's colour of the interval's lower end (the spacing
  // below the first value is the mean one, 30 / 4).
  const std::vector<Face> boxes = boxesOf(legend);
  ASSERT_EQ(boxes.size(), 5u);
  for (const Face& box : boxes) {
    const Text* text = textBeside(box, texts);
    ASSERT_NE(text, nullptr);
    const SbColor expected = mappingColor(lowerValueOf(text->string, 7.5f));
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(box.color[c], expected[c], 1e-5) << text->string;
  }
  // One column, top to bottom in box order, boxes apart.
  for (size_t i = 1; i < boxes.size(); ++i) {
    EXPECT_LT(boxes[i].box.getMax()[1], boxes[i - 1].box.getMin()[1]);
    EXPECT_NEAR(centreX(boxes[i].box), centreX(boxes[0].box), 1e-5);
  }

  // Thresholds add their undefined boxes first and last, in their own colours.
  enableThresholds();
  texts = textsOf(legend, "valueText");
  EXPECT_EQ(strings(texts),
            (std::vector<std::string>{"UNDEF<", "<0", "0 _ 10", "10 _ 20", "20 _ 30", ">30", "UNDEF>"}));
  const std::vector<Face> withUndefined = boxesOf(legend);
  ASSERT_EQ(withUndefined.size(), 7u);
  EXPECT_NEAR(withUndefined.front().color[0], 0.2f, 1e-5);
  EXPECT_NEAR(withUndefined.back().color[0], 0.9f, 1e-5);

  // Every second interval.
  m_mapping->minThresholdEnabled = FALSE;
  m_mapping->maxThresholdEnabled = FALSE;
  legend->periodValue = 2;
  EXPECT_EQ(strings(textsOf(legend, "valueText")), (std::vector<std::string>{"<0", "0 _ 10", "20 _ 30", ">30"}));
  legend->periodValue = 1;
  legend->firstValue = 2;
  legend->lastValue = 3;
  EXPECT_EQ(strings(textsOf(legend, "valueText")), (std::vector<std::string>{"<0", "10 _ 20", ">20"}));
}

TEST_F(ValueLegend, GridOfColumnsFilledAsAsked)
{
  enableThresholds();
  auto* legend = add(new PoNonLinearValueLegend1(SbVec2f(0, 0), SbVec2f(3, 1)));
  legend->numColumns = 3;
  const std::vector<std::string> order = {"UNDEF<", "<0", "0 _ 10", "10 _ 20", "20 _ 30", ">30", "UNDEF>"};
  // Column and row of each box, from the boxes' places; which box it is, from its text.
  auto grid = [&](std::vector<int>& column, std::vector<int>& row) {
    const std::vector<Text> texts = textsOf(legend, "valueText");
    const std::vector<Face> boxes = boxesOf(legend);
    std::vector<float> colX, rowY;
    for (const Face& f : boxes) {
      colX.push_back(f.box.getMin()[0]);
      rowY.push_back(f.box.getMax()[1]);
    }
    auto distinct = [](std::vector<float>& v, bool descending) {
      std::sort(v.begin(), v.end());
      if (descending)
        std::reverse(v.begin(), v.end());
      v.erase(std::unique(v.begin(), v.end(), [](float a, float b) { return std::fabs(a - b) < 1e-4f; }), v.end());
    };
    distinct(colX, false);
    distinct(rowY, true);
    column.assign(order.size(), -1);
    row.assign(order.size(), -1);
    for (const Face& f : boxes) {
      const Text* text = textBeside(f, texts);
      if (!text)
        continue;
      const size_t k = std::find(order.begin(), order.end(), text->string) - order.begin();
      if (k >= order.size())
        continue;
      for (size_t c = 0; c < colX.size(); ++c)
        if (std::fabs(colX[c] - f.box.getMin()[0]) < 1e-4f)
          column[k] = int(c);
      for (size_t r = 0; r < rowY.size(); ++r)
        if (std::fabs(rowY[r] - f.box.getMax()[1]) < 1e-4f)
          row[k] = int(r);
    }
    return std::make_pair(colX.size(), rowY.size());
  };
  std::vector<int> column, row;
  EXPECT_EQ(grid(column, row), std::make_pair(size_t(3), size_t(3)));
  // Column by column: boxes 0, 1, 2 make the first column, top to bottom.
  EXPECT_EQ(column, (std::vector<int>{0, 0, 0, 1, 1, 1, 2}));
  EXPECT_EQ(row, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  legend->incrementType = PoLegend::HORIZONTAL_INCREMENT;
  EXPECT_EQ(grid(column, row), std::make_pair(size_t(3), size_t(3)));
  EXPECT_EQ(column, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(row, (std::vector<int>{0, 0, 0, 1, 1, 1, 2}));

  // No two boxes overlap.
  const std::vector<Face> boxes = boxesOf(legend);
  ASSERT_EQ(boxes.size(), 7u);
  for (size_t a = 0; a < boxes.size(); ++a)
    for (size_t b = a + 1; b < boxes.size(); ++b) {
      const bool apart = boxes[a].box.getMax()[0] <= boxes[b].box.getMin()[0] ||
                         boxes[b].box.getMax()[0] <= boxes[a].box.getMin()[0] ||
                         boxes[a].box.getMax()[1] <= boxes[b].box.getMin()[1] ||
                         boxes[b].box.getMax()[1] <= boxes[a].box.getMin()[1];
      EXPECT_TRUE(apart) << a << " and " << b;
    }
}

TEST_F(ValueLegend, OneBarTilesItsIntervalsInProportion)
{
  // Uneven values inside the mapping's range: the bar runs from the mapping's lower end 0 to
  // its upper end 30, boxes [0,4] [4,10] [10,18] [18,24] [24,30], gapless and upwards.
  m_isovalues->isovaluesList.setValues(0, 4, std::vector<float>{4, 10, 18, 24}.data());
  m_isovalues->isovaluesList.setNum(4);
  auto* legend = add(new PoLinearValueLegend(SbVec2f(0, 0), SbVec2f(1, 3)));
  const std::vector<Face> boxes = boxesOf(legend);
  const std::vector<float> ends = {0, 4, 10, 18, 24, 30};
  ASSERT_EQ(boxes.size(), ends.size() - 1);
  const float bottom = boxes.front().box.getMin()[1];
  const float length = boxes.back().box.getMax()[1] - bottom;
  ASSERT_GT(length, 0.0f);
  for (size_t i = 0; i < boxes.size(); ++i) {
    const SbBox3f& b = boxes[i].box;
    EXPECT_NEAR(b.getMin()[1], bottom + length * ends[i] / 30.0f, 1e-4) << i;
    EXPECT_NEAR(b.getMax()[1], bottom + length * ends[i + 1] / 30.0f, 1e-4) << i;
    EXPECT_NEAR(b.getMin()[0], boxes[0].box.getMin()[0], 1e-5);
    EXPECT_NEAR(b.getMax()[0], boxes[0].box.getMax()[0], 1e-5);
    const SbColor expected = mappingColor(ends[i]);
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(boxes[i].color[c], expected[c], 1e-5) << i;
  }
  // Every value's text level with its place on the bar.
  const std::vector<Text> texts = textsOf(legend, "valueText");
  ASSERT_EQ(texts.size(), 4u);
  for (size_t t = 0; t < texts.size(); ++t) {
    const float value = std::strtof(texts[t].string.c_str(), nullptr);
    EXPECT_FLOAT_EQ(value, ends[t + 1]);
    EXPECT_NEAR(centreY(texts[t].box), bottom + length * value / 30.0f, 0.02f * length) << texts[t].string;
    EXPECT_GT(texts[t].box.getMin()[0], boxes[0].box.getMax()[0]);
  }
  // Only the ends, when asked.
  legend->valueDistribution = PoLinearValueLegend::MIN_MAX_VALUES;
  EXPECT_EQ(strings(textsOf(legend, "valueText")), (std::vector<std::string>{"4", "24"}));

  // Equal boxes in the non-linear bar, whatever the intervals.
  legend->valueDistribution = PoLinearValueLegend::ALL_VALUES;
  auto* equal = add(new PoNonLinearValueLegend3(SbVec2f(2, 0), SbVec2f(3, 3)));
  const std::vector<Face> even = boxesOf(equal);
  ASSERT_GE(even.size(), 3u);
  for (const Face& f : even)
    EXPECT_NEAR(f.box.getMax()[1] - f.box.getMin()[1], even[0].box.getMax()[1] - even[0].box.getMin()[1], 1e-4);
}

TEST_F(ValueLegend, BarClippedToThresholdsShowsTheMappedColoursInside)
{
  // Thresholds inside the mapping's span clip the bar: its lower box runs from the minimum
  // threshold 2 to the first value 4 and stands for mapped values, so it must not take the
  // threshold's colour, which belongs to the undefined box alone.
  m_isovalues->isovaluesList.setValues(0, 4, std::vector<float>{4, 10, 18, 24}.data());
  m_isovalues->isovaluesList.setNum(4);
  m_mapping->minThresholdEnabled = TRUE;
  m_mapping->minThreshold = 2.0f;
  m_mapping->minThresholdColor.setValue(0.2f, 0.2f, 0.2f);
  m_mapping->maxThresholdEnabled = TRUE;
  m_mapping->maxThreshold = 28.0f;
  m_mapping->maxThresholdColor.setValue(0.9f, 0.9f, 0.9f);
  auto* legend = add(new PoLinearValueLegend(SbVec2f(0, 0), SbVec2f(1, 3)));
  const std::vector<Face> boxes = boxesOf(legend);
  ASSERT_EQ(boxes.size(), 7u); // two undefined boxes and the bar's five
  const auto same = [](const SbColor& a, const SbColor& b) {
    return std::fabs(a[0] - b[0]) < 1e-5f && std::fabs(a[1] - b[1]) < 1e-5f && std::fabs(a[2] - b[2]) < 1e-5f;
  };
  int lowThreshold = 0, highThreshold = 0, lowerBox = 0, upperBox = 0;
  for (const Face& f : boxes) {
    lowThreshold += same(f.color, SbColor(0.2f, 0.2f, 0.2f));
    highThreshold += same(f.color, SbColor(0.9f, 0.9f, 0.9f));
    lowerBox += same(f.color, mappingColor(2.0f));
    upperBox += same(f.color, mappingColor(24.0f));
  }
  EXPECT_EQ(lowThreshold, 1);
  EXPECT_EQ(highThreshold, 1);
  EXPECT_EQ(lowerBox, 1);
  EXPECT_EQ(upperBox, 1);
}

TEST_F(ValueLegend, TextsStayInsideTheRectangle)
{
  // Values sharing a power of ten: the factor is shown once and the texts scaled by it.
  m_mapping->value1 = 10000.0f;
  m_mapping->value2 = 50000.0f;
  m_isovalues->isovaluesList.setValues(0, 5, std::vector<float>{10000, 20000, 30000, 40000, 50000}.data());
  enableThresholds();
  m_mapping->minThreshold = 5000.0f;
  m_mapping->maxThreshold = 55000.0f;

  struct Case {
    PoAutoValueLegend* legend;
    SbVec2f lo, hi;
  };
  std::vector<Case> cases;
  auto place = [&](PoAutoValueLegend* legend, SbVec2f lo, SbVec2f hi) {
    legend->start = lo;
    legend->end = hi;
    legend->titleVisibility = PoLegend::VISIBILITY_ON;
    legend->titleString = "Pressure (Pa)";
    cases.push_back(Case{add(legend), lo, hi});
  };
  place(new PoLinearValueLegend, SbVec2f(0, 0), SbVec2f(0.6f, 2.5f));
  place(new PoLinearValueLegend, SbVec2f(0, 3), SbVec2f(3, 3.8f)); // a horizontal bar
  place(new PoNonLinearValueLegend1, SbVec2f(1, 0), SbVec2f(2.2f, 2.5f));
  place(new PoNonLinearValueLegend2, SbVec2f(3, 0), SbVec2f(5, 1));
  place(new PoNonLinearValueLegend3, SbVec2f(6, 0), SbVec2f(6.8f, 2));
  cases.back().legend->valuePosition = PoLegend::POS_LEFT;
  auto* columns = new PoNonLinearValueLegend2;
  columns->numColumns = 3;
  place(columns, SbVec2f(3, 1.5f), SbVec2f(5, 2.5f));
  // A given title size too large for the width: the title is shrunk to fit.
  place(new PoNonLinearValueLegend1, SbVec2f(7, 0), SbVec2f(8, 2.5f));
  cases.back().legend->titleFontSize = 0.2f;

  for (const Case& c : cases) {
    const char* name = c.legend->getTypeId().getName().getString();
    const std::vector<Text> values = textsOf(c.legend, "valueText");
    EXPECT_GE(values.size(), 3u) << name;
    for (const Text& t : values)
      EXPECT_TRUE(inside(t.box, c.lo, c.hi)) << name << " \"" << t.string << "\"";
    for (const char* part : {"title", "multFactor"}) {
      const std::vector<Text> texts = textsOf(c.legend, part);
      EXPECT_FALSE(texts.empty()) << name << " " << part;
      for (const Text& t : texts)
        EXPECT_TRUE(inside(t.box, c.lo, c.hi)) << name << " " << part << " \"" << t.string << "\"";
    }
    // Texts do not overlap one another.
    for (size_t a = 0; a < values.size(); ++a)
      for (size_t b = a + 1; b < values.size(); ++b) {
        SbBox3f overlap = values[a].box;
        const SbBox3f& other = values[b].box;
        const bool apart = overlap.getMax()[0] <= other.getMin()[0] || other.getMax()[0] <= overlap.getMin()[0] ||
                           overlap.getMax()[1] <= other.getMin()[1] || other.getMax()[1] <= overlap.getMin()[1];
        EXPECT_TRUE(apart) << name << " \"" << values[a].string << "\" \"" << values[b].string << "\"";
      }
    EXPECT_GE(c.legend->getTenPower(), 3) << name;
  }
  // The texts times the factor's power of ten give the values back; the factor shows it.
  const int power = cases[0].legend->getTenPower();
  std::vector<float> shown;
  for (const Text& t : textsOf(cases[0].legend, "valueText"))
    if (t.string.find("UNDEF") == std::string::npos)
      shown.push_back(std::strtof(t.string.c_str(), nullptr) * std::pow(10.0f, float(power)));
  ASSERT_EQ(shown.size(), 5u);
  for (size_t i = 0; i < shown.size(); ++i)
    EXPECT_NEAR(shown[i], 10000.0f * float(i + 1), 1e-2f);
  bool exponent = false;
  for (const Text& t : textsOf(cases[0].legend, "multFactor"))
    exponent = exponent || t.string == std::to_string(power);
  EXPECT_TRUE(exponent);
}

TEST_F(ValueLegend, OrientationAndValueSizeBounds)
{
  auto* tall = add(new PoLinearValueLegend(SbVec2f(0, 0), SbVec2f(1, 2)));
  auto* wide = add(new PoLinearValueLegend(SbVec2f(2, 0), SbVec2f(4, 1)));
  traverse();
  EXPECT_EQ(tall->getOrientation(), 1);
  EXPECT_EQ(wide->getOrientation(), 0);

  // Out of range, the share of the room a text may take is clamped, drawing as the bound does.
  auto sizeAt = [&](float maxValueSize) {
    tall->maxValueSize = maxValueSize;
    traverse();
    return tall->getValueFontSize();
  };
  const float full = sizeAt(1.0f), none = sizeAt(0.0f), half = sizeAt(0.3f);
  EXPECT_EQ(sizeAt(1.7f), full);
  EXPECT_EQ(sizeAt(-0.2f), none);
  EXPECT_LT(none, half);
  EXPECT_LE(half, full);
}

TEST_F(ValueLegend, NothingToShowDrawsBackgroundAndTitleQuietly)
{
  m_root->removeChild(m_mapping);
  m_root->removeChild(m_isovalues);
  ErrorCatcher errors;
  auto* legend = add(new PoNonLinearValueLegend1(SbVec2f(0, 0), SbVec2f(1, 2)));
  legend->titleVisibility = PoLegend::VISIBILITY_ON;
  legend->titleString = "Depth";
  EXPECT_EQ(strings(textsOf(legend, "title")), (std::vector<std::string>{"Depth"}));
  EXPECT_NE(legend->getPart("background", FALSE), nullptr);
  for (const char* part : {"box", "boxBorder", "valueText", "multFactor"})
    EXPECT_EQ(legend->getPart(part, FALSE), nullptr) << part;
  EXPECT_EQ(errors.count(), 0);

  // A flat rectangle draws nothing at all.
  legend->end.setValue(1, 0);
  traverse();
  EXPECT_EQ(legend->getPart("background", FALSE), nullptr);
}

TEST_F(ValueLegend, RebuildsOnceAtTheNextTraversalAfterAChange)
{
  auto* legend = add(new PoNonLinearValueLegend1(SbVec2f(0, 0), SbVec2f(1, 2)));
  int rebuilds = 0;
  legend->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
  traverse();
  traverse();
  EXPECT_EQ(rebuilds, 1);
  m_mapping->color2.setValue(0, 1, 0);
  EXPECT_EQ(rebuilds, 1);
  traverse();
  traverse();
  EXPECT_EQ(rebuilds, 2);
  m_isovalues->isovaluesList.set1Value(4, 40.0f);
  traverse();
  EXPECT_EQ(rebuilds, 3);
  EXPECT_EQ(strings(textsOf(legend, "valueText")).back(), ">40");
  legend->valueSeparatorString = " to ";
  traverse();
  traverse();
  EXPECT_EQ(rebuilds, 4);
  EXPECT_EQ(strings(textsOf(legend, "valueText"))[1], "0 to 10");
}

TEST_F(ValueLegend, ScenesWriteAndReadBack)
{
  auto* legend = add(new PoNonLinearValueLegend1(SbVec2f(0.5f, 0), SbVec2f(2, 3)));
  legend->numColumns = 2;
  legend->greaterLevelString = "above ";
  legend->titleString = "Rain (mm)";
  legend->titleVisibility = PoLegend::VISIBILITY_ON;
  const std::vector<std::string> before = strings(textsOf(legend, "valueText"));

  SoSeparator* copy = readFromString(writeToString(m_root));
  ASSERT_NE(copy, nullptr);
  copy->ref();
  SoSearchAction search;
  search.setType(PoNonLinearValueLegend1::getClassTypeId());
  search.apply(copy);
  ASSERT_NE(search.getPath(), nullptr);
  auto* read = static_cast<PoNonLinearValueLegend1*>(search.getPath()->getTail());
  EXPECT_EQ(read->numColumns.getValue(), 2);
  EXPECT_EQ(std::string(read->greaterLevelString.getValue().getString()), "above ");
  EXPECT_EQ(read->end.getValue(), SbVec2f(2, 3));
  SoSeparator* old = m_root;
  m_root = copy;
  EXPECT_EQ(strings(textsOf(read, "valueText")), before);
  m_root = old;
  copy->unref();
}

} // namespace
