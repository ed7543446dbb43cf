// The edges of one cell of the current mesh.
#ifndef GRIDLUX_POCELLEDGES_H
#define GRIDLUX_POCELLEDGES_H

#include <Gridlux/representations/PoCellShape.h>

/**
 * @brief Draws the edges of cell `cellIndex` (PoCellShape) as one SoIndexedLineSet over a
 * SoCoordinate3 of the cell's nodes, one segment per edge of the cell's local edge table
 * (12 for a hexahedron, 3 for a triangle), coloured as PoCellShape says.
 *
 * No fields of its own. File-format name PoCellEdges. Part: groupCellEdges (SoGroup).
 */
class PoCellEdges : public PoCellShape {
  typedef PoCellShape inherited;
  PO_KIT_HEADER(PoCellEdges);

  SO_KIT_CATALOG_ENTRY_HEADER(groupCellEdges);

public:
  PoCellEdges();
  static void initClass();

  /** Builds the part groupCellEdges for @p cell. */
  void drawEdges(const PbCell* cell);

protected:
  ~PoCellEdges() override;
  void drawCell(const PbCell* cell) override;
};

#endif
