// Mesh field holding a regular surface grid (PbRegularCartesianGrid2D) by value.
#ifndef GRIDLUX_POSFREGULARCARTESIANGRID2D_H
#define GRIDLUX_POSFREGULARCARTESIANGRID2D_H

#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbRegularCartesianGrid2D, copied into the field.
 *
 * Geometry in the file, in order: numX numY; x_min y_min; x_max y_max; the 3D flag and the z per node. The value sets follow (PoSFMesh).
 */
class PoSFRegularCartesianGrid2D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFRegularCartesianGrid2D, PbRegularCartesianGrid2D);

public:
  /** Sets the held grid's geometry (as PbRegularCartesianGrid2D does) and reports the change; 1 on success. */
  int setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax);
  int setGeometry(int numX, int numY, float xmin, float ymin, float xmax, float ymax, const float* z);
};

#endif
