// The facets of one cell of the current mesh.
#ifndef GRIDLUX_POCELLFACETS_H
#define GRIDLUX_POCELLFACETS_H

#include <Gridlux/representations/PoCellShape.h>

/**
 * @brief Draws the facets of cell `cellIndex` (PoCellShape) as one SoIndexedFaceSet over a
 * SoCoordinate3 of the cell's nodes, one face per facet of the cell's local facet table (6 for a
 * hexahedron; a 2D cell is its own single facet), coloured as PoCellShape says.
 *
 * The facet tables turn each facet clockwise seen from outside a cell whose nodes turn as its
 * kind's reference cell; the SoShapeHints before the faces say so (counter-clockwise for a
 * mirrored cell), with the shape type left unknown so that both sides are lit, as a translucent
 * cell shows them.
 *
 * No fields of its own. File-format name PoCellFacets. Part: groupCellFacets (SoGroup).
 */
class PoCellFacets : public PoCellShape {
  typedef PoCellShape inherited;
  PO_KIT_HEADER(PoCellFacets);

  SO_KIT_CATALOG_ENTRY_HEADER(groupCellFacets);

public:
  PoCellFacets();
  static void initClass();

  /** Builds the part groupCellFacets for @p cell. */
  void drawFacets(const PbCell* cell);

protected:
  ~PoCellFacets() override;
  void drawCell(const PbCell* cell) override;
};

#endif
