// Item legends through what they draw: the parts of a legend without items, the grid order of
// items, boxes, line samples and markers in their cells, per-item values and scene files.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/text/PoItemLegend.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoPath.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Text {
  std::string string;
  SbBox3f box;
  float cx() const { return 0.5f * (box.getMin()[0] + box.getMax()[0]); }
  float cy() const { return 0.5f * (box.getMin()[1] + box.getMax()[1]); }
};

class ItemLegend : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    m_root = new SoSeparator;
    m_root->ref();
    m_legend = new PoItemLegend(SbVec2f(0, 0), SbVec2f(4, 2), 0, nullptr, nullptr);
    m_root->addChild(m_legend);
  }
  void TearDown() override { m_root->unref(); }

  void setItems(std::vector<const char*> items)
  {
    m_legend->item.setValues(0, int(items.size()), items.data());
    m_legend->item.setNum(int(items.size()));
  }

  void traverse()
  {
    SoCallbackAction action;
    action.apply(m_root);
  }

  SoNode* part(const char* name)
  {
    traverse();
    return m_legend->getPart(name, FALSE);
  }

  std::vector<Text> texts(const char* name)
  {
    std::vector<Text> out;
    SoNode* node = part(name);
    if (!node)
      return out;
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.setSearchingAll(TRUE);
    search.apply(node);
    for (int i = 0; i < search.getPaths().getLength(); ++i) {
      SoPath* path = search.getPaths()[i];
      SoGetBoundingBoxAction box(SbViewportRegion(400, 400));
      box.apply(path);
      out.push_back(Text{static_cast<const SoText3*>(path->getTail())->string[0].getString(), box.getBoundingBox()});
    }
    return out;
  }

  SoSeparator* m_root = nullptr;
  PoItemLegend* m_legend = nullptr;
};

TEST_F(ItemLegend, WithoutItemsOnlyBackgroundAndTitle)
{
  m_legend->titleVisibility = PoLegend::VISIBILITY_ON;
  m_legend->titleString = "Key";
  for (const char* p : {"background", "backgroundBorder", "title"})
    EXPECT_NE(part(p), nullptr) << p;
  for (const char* p : {"box", "boxBorder", "valueText", "line", "marker"})
    EXPECT_EQ(part(p), nullptr) << p;
  // The field's default, one empty string, is no item either.
  m_legend->item.setValue("");
  m_legend->lineVisibility = TRUE;
  EXPECT_EQ(part("box"), nullptr);
  EXPECT_EQ(part("line"), nullptr);
  m_legend->titleVisibility = PoLegend::VISIBILITY_OFF;
  EXPECT_EQ(part("title"), nullptr);
  EXPECT_NE(part("background"), nullptr);
}

TEST_F(ItemLegend, ItemsFillTheGridInTheIncrementOrder)
{
  // Capitals only: their boxes share base line and height, whatever the letters.
  setItems({"ONE", "TWO", "SIX", "TEN"});
  m_legend->numColumns = 2;
  m_legend->incrementType = PoLegend::HORIZONTAL_INCREMENT;
  std::vector<Text> t = texts("valueText");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].string, "ONE");
  // Items 0 and 1 share the first row, 2 and 3 the second, columns left to right.
  EXPECT_NEAR(t[0].cy(), t[1].cy(), 0.05f);
  EXPECT_NEAR(t[2].cy(), t[3].cy(), 0.05f);
  EXPECT_GT(t[0].cy(), t[2].cy() + 0.1f);
  EXPECT_LT(t[0].cx(), t[1].cx());
  EXPECT_NEAR(t[0].box.getMin()[0], t[2].box.getMin()[0], 1e-4f);

  m_legend->incrementType = PoLegend::VERTICAL_INCREMENT;
  t = texts("valueText");
  ASSERT_EQ(t.size(), 4u);
  EXPECT_NEAR(t[0].box.getMin()[0], t[1].box.getMin()[0], 1e-4f);
  EXPECT_GT(t[0].cy(), t[1].cy() + 0.1f);
  EXPECT_NEAR(t[0].cy(), t[2].cy(), 0.05f);

  // Reversed order: the last item takes the first cell.
  m_legend->setRevertOrder(0, 1);
  t = texts("valueText");
  EXPECT_EQ(t[0].string, "TEN");
  m_legend->setRevertOrder(1, 0);
  EXPECT_EQ(texts("valueText")[0].string, "ONE");

  // Everything inside the rectangle.
  GeometryProbe boxes(part("box"));
  ASSERT_FALSE(boxes.empty());
  EXPECT_GE(boxes.bbox().getMin()[0], 0.0f);
  EXPECT_LE(boxes.bbox().getMax()[1], 2.0f);
  for (const Text& x : texts("valueText")) {
    EXPECT_LE(x.box.getMax()[0], 4.0f + 1e-4f) << x.string;
    EXPECT_GE(x.box.getMin()[1], -1e-4f) << x.string;
  }
}

TEST_F(ItemLegend, BoxesTakeTheirItemsColourTheLastRepeated)
{
  setItems({"a", "b", "c"});
  const SbColor red(1, 0, 0), blue(0, 0, 1);
  m_legend->boxColor.set1Value(0, red);
  m_legend->boxColor.set1Value(1, blue);
  std::vector<SbColor> colours;
  SoCallbackAction action;
  action.addTriangleCallback(
      SoShape::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoPrimitiveVertex*, const SoPrimitiveVertex*, const SoPrimitiveVertex*) {
        SbColor ambient, diffuse, specular, emission;
        float shininess, transparency;
        a->getMaterial(ambient, diffuse, specular, emission, shininess, transparency);
        auto* out = static_cast<std::vector<SbColor>*>(data);
        if (out->empty() || out->back() != diffuse)
          out->push_back(diffuse);
      },
      &colours);
  action.apply(part("box"));
  EXPECT_EQ(colours, (std::vector<SbColor>{red, blue}));
  // Three box outlines (faces drawn as lines by the border appearance).
  EXPECT_EQ(GeometryProbe(part("boxBorder")).coordinatesPerShape().size(), 3u);
}

TEST_F(ItemLegend, LinesAndMarkersWithoutBoxesMeetInEachSample)
{
  setItems({"one", "two", "three"});
  m_legend->boxVisibility = FALSE;
  m_legend->lineVisibility = TRUE;
  m_legend->markerVisibility = TRUE;
  m_legend->lineSize.setValue(3);
  m_legend->linePattern.set1Value(1, 0x0F0F);
  m_legend->markerString.set1Value(2, "x");
  EXPECT_EQ(part("box"), nullptr);
  GeometryProbe lines(part("line"));
  ASSERT_EQ(lines.segments().size(), 3u);
  // One marker per item: two squares (".") and one text "x", each boxed on its own.
  std::vector<SbVec3f> centres;
  for (SoType shape : {SoFaceSet::getClassTypeId(), SoText3::getClassTypeId()}) {
    SoSearchAction search;
    search.setType(shape);
    search.setInterest(SoSearchAction::ALL);
    search.setSearchingAll(TRUE);
    search.apply(part("marker"));
    for (int k = 0; k < search.getPaths().getLength(); ++k) {
      SoGetBoundingBoxAction box(SbViewportRegion(400, 400));
      box.apply(search.getPaths()[k]);
      centres.push_back(box.getBoundingBox().getCenter());
    }
  }
  ASSERT_EQ(centres.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const GeometryProbe::Segment& s = lines.segments()[i];
    SCOPED_TRACE(i);
    EXPECT_NEAR(s.a[1], s.b[1], 1e-6f);
    EXPECT_NEAR(centres[i][1], s.a[1], i == 2 ? 0.05f : 1e-5f);
    EXPECT_NEAR(centres[i][0], 0.5f * (s.a[0] + s.b[0]), i == 2 ? 0.05f : 1e-5f);
    EXPECT_GT(s.length(), 0.0);
  }
  // The per-item draw styles: width 3 for all, the pattern of item 1 repeated for item 2.
  std::vector<SoDrawStyle*> styles;
  auto* group = static_cast<SoGroup*>(part("line"));
  for (int c = 0; c < group->getNumChildren(); ++c)
    if (auto* style = dynamic_cast<SoDrawStyle*>(group->getChild(c)))
      styles.push_back(style);
  ASSERT_EQ(styles.size(), 3u);
  EXPECT_EQ(styles[0]->lineWidth.getValue(), 3.0f);
  EXPECT_EQ(styles[0]->linePattern.getValue(), 0xFFFF);
  EXPECT_EQ(styles[2]->linePattern.getValue(), 0x0F0F);
}

TEST_F(ItemLegend, FlatRectangleDrawsNothingAndScenesReadBack)
{
  setItems({"a", "b"});
  m_legend->end.setValue(4, 0);
  EXPECT_EQ(part("background"), nullptr);
  EXPECT_EQ(part("valueText"), nullptr);
  m_legend->end.setValue(3, 1);
  m_legend->lineVisibility = TRUE;
  m_legend->markerString.setValue("+");
  m_legend->numColumns = 2;
  traverse();
  SoSeparator* copy = readFromString(writeToString(m_root));
  ASSERT_NE(copy, nullptr);
  copy->ref();
  SoSearchAction search;
  search.setType(PoItemLegend::getClassTypeId());
  search.apply(copy);
  ASSERT_NE(search.getPath(), nullptr);
  auto* read = static_cast<PoItemLegend*>(search.getPath()->getTail());
  EXPECT_EQ(read->item.getNum(), 2);
  EXPECT_EQ(std::string(read->item[1].getString()), "b");
  EXPECT_EQ(read->end.getValue(), SbVec2f(3, 1));
  EXPECT_TRUE(read->lineVisibility.getValue());
  EXPECT_EQ(std::string(read->markerString[0].getString()), "+");
  EXPECT_EQ(read->numColumns.getValue(), 2);
  copy->unref();
}

} // namespace
