// Labels of one cell of the current mesh: node indices around it, its index at its centre.
#include <Gridlux/representations/PoCellIndices.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>

#include <Inventor/SbString.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText2.h>
#include <Inventor/nodes/SoTranslation.h>

#include <cmath>

PO_KIT_SOURCE(PoCellIndices);

namespace {
// A text at @p where, in a separator of its own so that the translations do not add up.
void addLabel(SoGroup* group, const SbVec3f& where, const SbString& text)
{
  SoSeparator* sep = new SoSeparator;
  SoTranslation* move = new SoTranslation;
  move->translation = where;
  SoText2* label = new SoText2;
  label->string = text;
  sep->addChild(move);
  sep->addChild(label);
  group->addChild(sep);
}
}

void PoCellIndices::initClass()
{
  PO_KIT_INIT_CLASS(PoCellIndices, PoCellShape, "PoCellShape");
}

PoCellIndices::PoCellIndices()
{
  SO_KIT_CONSTRUCTOR(PoCellIndices);
  SO_KIT_ADD_CATALOG_ENTRY(nodesIndexSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(nodesIndexApp, SoAppearanceKit, TRUE, nodesIndexSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(nodesIndexGroup, SoGroup, TRUE, nodesIndexSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(cellIndexSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(cellIndexApp, SoAppearanceKit, TRUE, cellIndexSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(cellIndexGroup, SoGroup, TRUE, cellIndexSep, "", TRUE);
  SO_KIT_ADD_FIELD(offset, (0.2f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCellIndices::~PoCellIndices()
{
  deleteFieldSensorList(m_sensorsIndices);
}

SbBool PoCellIndices::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&offset);
  watchFields(onOff, m_sensorsIndices, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCellIndices::drawCell(const PbCell* cell)
{
  if (!cell) {
    setAnyPart("nodesIndexGroup", nullptr);
    setAnyPart("cellIndexGroup", nullptr);
    return;
  }
  SoGroup* nodes = new SoGroup;
  nodes->ref();
  drawNodesIndex(cell, nodes);
  setAnyPart("nodesIndexGroup", nodes);
  nodes->unref();
  SoGroup* centre = new SoGroup;
  centre->ref();
  drawCellIndex(cell, centre);
  setAnyPart("cellIndexGroup", centre);
  centre->unref();
}

void PoCellIndices::drawNodesIndex(const PbCell* cell, SoGroup* group)
{
  if (!cell || !group)
    return;
  float shift = offset.getValue();
  if (!std::isfinite(shift)) {
    PoDebugError::post("PoCellIndices::drawNodesIndex", "offset %g is not finite: the labels sit on the nodes",
                       shift);
    shift = 0.0f;
  }
  const SbVec3f centre = cell->getCenter();
  for (int i = 0; i < cell->getNumNodes(); ++i) {
    const SbVec3f& node = cell->getNodeCoord(i);
    SbString text;
    text.sprintf("n%1d = %d", i, cell->getNodeIndex(i));
    addLabel(group, node + (node - centre) * shift, text);
  }
}

void PoCellIndices::drawCellIndex(const PbCell* cell, SoGroup* group)
{
  if (!cell || !group)
    return;
  SbString text;
  text.sprintf("%d", cell->getIndex());
  addLabel(group, cell->getCenter(), text);
}
