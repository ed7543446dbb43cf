// Boundary polylines of a 2D mesh.
#ifndef GRIDLUX_POMESHLIMIT_H
#define GRIDLUX_POMESHLIMIT_H

#include <Gridlux/representations/PoMesh2D.h>

/**
 * @brief Draws each boundary loop of the current 2D mesh (PbMesh2D::getLimitIndices) as one
 * closed polyline of a SoLineSet: the loop's nodes, then its first node again.
 *
 * The z of the nodes is the set zValuesIndex when it is given, else the mesh's own z, else 0.
 * The lines take the inherited material (or the user's appearance.material part).
 *
 * No fields of its own. Part: groupLimit (SoGroup: coordinates, line set).
 */
class PoMeshLimit : public PoMesh2D {
  typedef PoMesh2D inherited;
  PO_KIT_HEADER(PoMeshLimit);

  SO_KIT_CATALOG_ENTRY_HEADER(groupLimit);

public:
  PoMeshLimit();
  static void initClass();

  void rebuild() override;

protected:
  ~PoMeshLimit() override;
};

#endif
