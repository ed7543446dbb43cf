// Labels of a series: values with a common power, names, filters, label lines and materials.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"

#include <Gridlux/attributes/PoLabelHints.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoPeriodIndexFilter.h>
#include <Gridlux/text/PoLabel.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LabelScene {
  SoSeparator* root;
  PoIrregularMesh1D* mesh;
  PoLabelHints* hints;
  PoLabel* label;

  LabelScene()
  {
    PoGridlux::init();
    root = new SoSeparator;
    root->ref();
    mesh = new PoIrregularMesh1D;
    const float x[3] = {0, 1, 2};
    const float y[3] = {0, 1000, 2000};
    const SbString names[3] = {"jan", "feb", "mar"};
    mesh->mesh.setGeometry(3, x);
    mesh->addValuesSet(0, y, "sales");
    mesh->addStringsSet(0, names, "months");
    hints = new PoLabelHints;
    label = new PoLabel;
    root->addChild(mesh);
    root->addChild(hints);
    root->addChild(label);
  }
  ~LabelScene() { root->unref(); }

  // The label texts, one string per label (lines joined by newlines).
  std::vector<std::string> texts()
  {
    SoCallbackAction traverse;
    traverse.apply(root);
    std::vector<std::string> out;
    SoNode* part = label->getPart("label", FALSE);
    if (!part)
      return out;
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.apply(part);
    for (int i = 0; i < search.getPaths().getLength(); i++) {
      const SoText3* text = static_cast<const SoText3*>(search.getPaths()[i]->getTail());
      std::string whole;
      for (int k = 0; k < text->string.getNum(); k++)
        whole += (k ? "\n" : "") + std::string(text->string[k].getString());
      out.push_back(whole);
    }
    return out;
  }
};

} // namespace

TEST(Label, ValuesShareOnePowerAndNamesComeFromTheStringSet)
{
  LabelScene s;
  const std::vector<std::string> values = s.texts();
  ASSERT_EQ(values.size(), 3u);
  for (const std::string& v : values)
    EXPECT_NE(v.find("E3"), std::string::npos) << v;
  EXPECT_EQ(values[2].substr(0, 1), "2");

  s.label->valueType = PoLabel::NAME;
  EXPECT_EQ(s.texts(), (std::vector<std::string>{"jan", "feb", "mar"}));
  s.hints->addString = "!";
  EXPECT_EQ(s.texts(), (std::vector<std::string>{"jan!", "feb!", "mar!"}));

  // A filter in the state thins the labels as it thins every chart.
  PoPeriodIndexFilter* filter = new PoPeriodIndexFilter;
  filter->period = 2;
  s.root->insertChild(filter, 2);
  EXPECT_EQ(s.texts(), (std::vector<std::string>{"jan!", "mar!"}));

  ErrorCatcher errors;
  s.label->stringsIndex = 5;
  const std::vector<std::string> empty = s.texts();
  EXPECT_EQ(empty, (std::vector<std::string>{"!", "!"}));
  EXPECT_TRUE(errors.contains("no string set 5"));
}

TEST(Label, LinesJoinPointsToLabelsAtTheThresholdAndMaterialsCycle)
{
  LabelScene s;
  s.label->position = PoLabel::THRESHOLD_POS;
  s.label->threshold = -100;
  s.hints->isLabelLineVisible = TRUE;
  s.texts();
  SoNode* lines = s.label->getPart("labelLine", FALSE);
  ASSERT_NE(lines, nullptr);
  GeometryProbe probe(lines);
  ASSERT_EQ(probe.segments().size(), 3u);
  EXPECT_NEAR(probe.length(), 100 + 1100 + 2100, 1e-2);

  // The node's material gives each label one of its values in turn.
  SoMaterial* material = new SoMaterial;
  material->diffuseColor.setValues(0, 2, std::vector<SbColor>{SbColor(1, 0, 0), SbColor(0, 1, 0)}.data());
  s.label->material = material;
  s.label->colorBinding = PoChart::PER_PART;
  s.texts();
  SoSearchAction search;
  search.setType(SoMaterial::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(s.label->getPart("label", FALSE));
  ASSERT_EQ(search.getPaths().getLength(), 3);
  const SbColor expected[3] = {SbColor(1, 0, 0), SbColor(0, 1, 0), SbColor(1, 0, 0)};
  for (int i = 0; i < 3; i++)
    EXPECT_EQ(static_cast<SoMaterial*>(search.getPaths()[i]->getTail())->diffuseColor[0], expected[i]);

  // Without ordinates there is nothing to label.
  s.label->yValuesIndex = 9;
  EXPECT_TRUE(s.texts().empty());
}
