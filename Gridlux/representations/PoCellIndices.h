// Labels of one cell of the current mesh: its nodes' indices and its own.
#ifndef GRIDLUX_POCELLINDICES_H
#define GRIDLUX_POCELLINDICES_H

#include <Gridlux/representations/PoCellShape.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Labels cell `cellIndex` (PoCellShape) with SoText2 texts: at each node "n%1d = %d" (the
 * local node number and the mesh node index), at the cell's centre the cell index ("%d").
 *
 * A node's label sits on the line from the cell centre C through the node P, at
 * P + offset (P - C): outside the cell for a positive `offset`, so that the labels of the nodes
 * clear the cell's edges. A non-finite offset is refused with a message and the labels sit on the
 * nodes. The texts take the appearance of the parts nodesIndexApp and cellIndexApp.
 *
 * Field: offset (SoSFFloat, 0.2). File-format name PoCellIndices. Parts: nodesIndexSep
 * (SoSeparator) holding nodesIndexApp (SoAppearanceKit) and nodesIndexGroup (SoGroup), and
 * cellIndexSep, cellIndexApp, cellIndexGroup likewise.
 */
class PoCellIndices : public PoCellShape {
  typedef PoCellShape inherited;
  PO_KIT_HEADER(PoCellIndices);

  SO_KIT_CATALOG_ENTRY_HEADER(nodesIndexSep);
  SO_KIT_CATALOG_ENTRY_HEADER(nodesIndexApp);
  SO_KIT_CATALOG_ENTRY_HEADER(nodesIndexGroup);
  SO_KIT_CATALOG_ENTRY_HEADER(cellIndexSep);
  SO_KIT_CATALOG_ENTRY_HEADER(cellIndexApp);
  SO_KIT_CATALOG_ENTRY_HEADER(cellIndexGroup);

public:
  PoCellIndices();
  static void initClass();

  SoSFFloat offset;

  /** Adds one label per node of @p cell to @p group. */
  void drawNodesIndex(const PbCell* cell, SoGroup* group);
  /** Adds the label of @p cell's index at its centre to @p group. */
  void drawCellIndex(const PbCell* cell, SoGroup* group);

protected:
  ~PoCellIndices() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void drawCell(const PbCell* cell) override;

private:
  FieldSensorList m_sensorsIndices;
};

#endif
