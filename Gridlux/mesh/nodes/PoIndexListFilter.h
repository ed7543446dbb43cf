// Series filter that keeps the listed nodes.
#ifndef GRIDLUX_POINDEXLISTFILTER_H
#define GRIDLUX_POINDEXLISTFILTER_H

#include <Gridlux/mesh/nodes/PoMesh1DFilter.h>
#include <Inventor/fields/SoMFInt32.h>

/**
 * @brief Keeps the listed nodes.
 *
 * Field: index (SoMFInt32, empty): node indices, kept in list order; indices outside the mesh
 * are skipped.
 * Read and written under the name PoIndexListFilter.
 */
class PoIndexListFilter : public PoMesh1DFilter {
  typedef PoMesh1DFilter inherited;
  PO_NODE_HEADER(PoIndexListFilter);

public:

  PoIndexListFilter();
  static void initClass();

  SoMFInt32 index;

protected:
  ~PoIndexListFilter() override;
};

#endif
