// The edges of one cell of the current mesh, as a line set over its nodes.
#include <Gridlux/representations/PoCellEdges.h>

#include <Gridlux/mesh/PbCell.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedLineSet.h>

PO_KIT_SOURCE(PoCellEdges);

void PoCellEdges::initClass()
{
  PO_KIT_INIT_CLASS(PoCellEdges, PoCellShape, "PoCellShape");
}

PoCellEdges::PoCellEdges()
{
  SO_KIT_CONSTRUCTOR(PoCellEdges);
  SO_KIT_ADD_CATALOG_ENTRY(groupCellEdges, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCellEdges::~PoCellEdges() = default;

void PoCellEdges::drawCell(const PbCell* cell)
{
  drawEdges(cell);
}

void PoCellEdges::drawEdges(const PbCell* cell)
{
  SoGroup* group = beginCellGroup(cell, nullptr);
  if (group) {
    SoIndexedLineSet* lines = new SoIndexedLineSet;
    const int numEdges = cell->getNumEdges();
    lines->coordIndex.setNum(3 * numEdges);
    int32_t* index = lines->coordIndex.startEditing();
    int num = 0;
    for (int e = 0; e < numEdges; ++e) {
      int ends[2];
      if (!cell->getNodesLocalIndexOfEdge(e, ends))
        continue;
      index[num++] = ends[0];
      index[num++] = ends[1];
      index[num++] = -1;
    }
    lines->coordIndex.finishEditing();
    lines->coordIndex.setNum(num);
    group->addChild(lines);
  }
  endCellGroup("groupCellEdges", group);
}
