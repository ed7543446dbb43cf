// Base of the views of one cell of the current mesh, chosen by its index.
#ifndef GRIDLUX_POCELLSHAPE_H
#define GRIDLUX_POCELLSHAPE_H

#include <Gridlux/representations/PoMesh.h>

#include <Inventor/fields/SoSFInt32.h>

class PbCell;
class SoGroup;

/**
 * @brief Abstract base of PoCellEdges, PoCellFacets and PoCellIndices: finds cell `cellIndex` of
 * the mesh (the one given to the node, else the state's, of any dimension) and hands it to the
 * view, or hands none when there is nothing to draw.
 *
 * Nothing is drawn without a mesh, for an empty mesh, for a negative `cellIndex` (the default -1
 * names no cell) or for an index beyond the mesh's cells (with a message).
 *
 * Colouring, for the views that colour (edges and facets): with an effective colouring other than
 * COLOR_INHERITED, values `valuesIndex` bound per node give each node its data-mapping colour
 * (binding PER_VERTEX_INDEXED over the cell's nodes), values bound per cell give the cell's colour
 * (binding OVERALL); transparency follows the mapping. The material goes into the part
 * appearance.material (a user's own material there stays unless a generated one replaces it).
 *
 * Field: cellIndex (SoSFInt32, -1). No parts of its own.
 */
class PoCellShape : public PoMesh {
  typedef PoMesh inherited;
  PO_KIT_ABSTRACT_HEADER(PoCellShape);

public:
  static void initClass();

  SoSFInt32 cellIndex;

  void rebuild() override;

protected:
  PoCellShape();
  ~PoCellShape() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

  /** Draws @p cell into the view's parts; null empties them. */
  virtual void drawCell(const PbCell* cell) = 0;

  /**
   * For the views that draw the cell's shape: a new group (referenced) holding @p first when
   * given, a SoCoordinate3 of the cell's nodes in local order and, when colouring, the material
   * binding of the colours (the generated material goes to appearance.material); null without
   * a cell.
   */
  SoGroup* beginCellGroup(const PbCell* cell, SoNode* first);
  /** Sets @p part to @p group (null empties it and takes out the generated material) and releases it. */
  void endCellGroup(const char* part, SoGroup* group);

private:
  FieldSensorList m_sensors;
};

#endif
