// Mesh field holding a regular volume grid (PbRegularCartesianGrid3D) by value.
#ifndef GRIDLUX_POSFREGULARCARTESIANGRID3D_H
#define GRIDLUX_POSFREGULARCARTESIANGRID3D_H

#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoSFMesh.h>

/**
 * @brief Single-value field whose value is a PbRegularCartesianGrid3D, copied into the field.
 *
 * Geometry in the file, in order: numX numY numZ; x_min y_min z_min; x_max y_max z_max. The value sets follow (PoSFMesh).
 */
class PoSFRegularCartesianGrid3D : public PoSFMesh {
  typedef PoSFMesh inherited;
  PO_SFMESH_HEADER(PoSFRegularCartesianGrid3D, PbRegularCartesianGrid3D);

public:
  /** Sets the held grid's geometry (as PbRegularCartesianGrid3D does) and reports the change; 1 on success. */
  int setGeometry(int numX, int numY, int numZ, float xmin, float ymin, float zmin, float xmax, float ymax,
                  float zmax);
};

#endif
