// The facets of one cell of the current mesh, as a face set over its nodes.
#include <Gridlux/representations/PoCellFacets.h>

#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/mesh/PbCell.h>

#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <vector>

PO_KIT_SOURCE(PoCellFacets);

void PoCellFacets::initClass()
{
  PO_KIT_INIT_CLASS(PoCellFacets, PoCellShape, "PoCellShape");
}

PoCellFacets::PoCellFacets()
{
  SO_KIT_CONSTRUCTOR(PoCellFacets);
  SO_KIT_ADD_CATALOG_ENTRY(groupCellFacets, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCellFacets::~PoCellFacets() = default;

void PoCellFacets::drawCell(const PbCell* cell)
{
  drawFacets(cell);
}

void PoCellFacets::drawFacets(const PbCell* cell)
{
  SoShapeHints* hints = nullptr;
  if (cell) {
    hints = new SoShapeHints;
    hints->vertexOrdering = cell->getOrdering() ? SoShapeHints::CLOCKWISE : SoShapeHints::COUNTERCLOCKWISE;
    hints->shapeType = SoShapeHints::UNKNOWN_SHAPE_TYPE;
  }
  SoGroup* group = beginCellGroup(cell, hints);
  if (group) {
    std::vector<int32_t> indices;
    PbArrayOfInt local;
    for (int f = 0; f < cell->getNumFacets(); ++f) {
      const int num = cell->getNodesLocalIndexOfFacet(f, local);
      if (num < 3)
        continue;
      const PbArrayOfInt& nodes = local;
      for (int q = 0; q < num; ++q)
        indices.push_back(nodes[q]);
      indices.push_back(-1);
    }
    SoIndexedFaceSet* faces = new SoIndexedFaceSet;
    faces->coordIndex.setValues(0, static_cast<int>(indices.size()), indices.data());
    group->addChild(faces);
  }
  endCellGroup("groupCellFacets", group);
}
