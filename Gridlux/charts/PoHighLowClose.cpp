// High-low-close chart: the ranges and ticks rebuilt from the price lists, coloured by direction.
#include <Gridlux/charts/PoHighLowClose.h>

#include <Gridlux/charts/ErrorBarsXP.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoSeparator.h>

PO_KIT_SOURCE(PoHighLowClose);

void PoHighLowClose::initClass()
{
  PO_KIT_INIT_CLASS(PoHighLowClose, PoChartwork, "PoChartwork");
}

PoHighLowClose::PoHighLowClose()
{
  SO_KIT_CONSTRUCTOR(PoHighLowClose);
  SO_KIT_ADD_CATALOG_ENTRY(highLowCloseSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(highLowCloseApp, SoAppearanceKit, TRUE, highLowCloseSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(highLowClose, SoGroup, TRUE, highLowCloseSep, "", TRUE);

  SoMFFloat* const lists[] = {&xPosition, &high, &low, &close, &open};
  SO_KIT_ADD_FIELD(xPosition, (0.0f));
  SO_KIT_ADD_FIELD(high, (0.0f));
  SO_KIT_ADD_FIELD(low, (0.0f));
  SO_KIT_ADD_FIELD(close, (0.0f));
  SO_KIT_ADD_FIELD(open, (0.0f));
  for (SoMFFloat* list : lists) {
    list->setNum(0);
    list->setDefault(TRUE);
  }
  SO_KIT_ADD_FIELD(tickWidth, (0.0f));
  SO_KIT_ADD_FIELD(upColor, (SbColor(0.1f, 0.7f, 0.25f)));
  SO_KIT_ADD_FIELD(downColor, (SbColor(0.85f, 0.2f, 0.15f)));

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoHighLowClose::~PoHighLowClose()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoHighLowClose::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoHighLowClose::rebuild()
{
  using namespace ErrorBarsXP;
  static const char* method = "PoHighLowClose::rebuild";
  preRebuild();
  const PiErrorBars::Column columns[5] = {
      listColumn(xPosition, PiErrorBars::REQUIRED), listColumn(high, PiErrorBars::REQUIRED),
      listColumn(low, PiErrorBars::REQUIRED), listColumn(close, PiErrorBars::REQUIRED),
      listColumn(open, PiErrorBars::OPTIONAL)};
  std::vector<float> table;
  int n = 0;
  postReport(method, PiErrorBars::gatherRows(5, columns, table, n),
             lengthOf("xPosition", xPosition.getNum()) + ", " + lengthOf("high", high.getNum()) + ", " +
                 lengthOf("low", low.getNum()) + ", " + lengthOf("close", close.getNum()) + ", " +
                 lengthOf("open", open.getNum()));
  if (n == 0) {
    setAnyPart("highLowClose", nullptr);
    postRebuild();
    return;
  }
  const float* x = table.data();
  const float* column[5];
  for (int c = 0; c < 5; c++)
    column[c] = x + std::size_t(c) * std::size_t(n);

  const float deltaX = getDomain()->getDeltaX();
  float tick = checkedFraction(method, "tickWidth", tickWidth.getValue()) * deltaX;
  if (tick == 0.0f)
    tick = 0.4f * PiErrorBars::meanSpacing(n, x);
  if (tick == 0.0f)
    tick = 0.01f * deltaX;

  std::vector<SbVec2f> segments;
  std::vector<int> direction;
  int perEntry = 0;
  PiErrorBars::highLowClose(n, x, column[1], column[2], column[3], open.getNum() ? column[4] : nullptr, tick,
                            segments, direction, perEntry);

  SoGroup* group = new SoGroup;
  SoMaterial* material = new SoMaterial;
  const SbColor up = upColor.getValue(), down = downColor.getValue();
  material->diffuseColor.setNum(n * perEntry);
  SbColor* colors = material->diffuseColor.startEditing();
  for (int i = 0; i < n; i++)
    for (int k = 0; k < perEntry; k++)
      colors[i * perEntry + k] = direction[std::size_t(i)] == PiErrorBars::UP ? up : down;
  material->diffuseColor.finishEditing();
  group->addChild(material);
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->value = SoMaterialBinding::PER_PART;
  group->addChild(binding);
  setAnyPart("highLowClose", makeSegments(segments, group));
  postRebuild();
}
