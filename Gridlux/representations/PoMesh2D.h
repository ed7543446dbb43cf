// Base of the representations of surface meshes: the typed 2D mesh and the elevation set.
#ifndef GRIDLUX_POMESH2D_H
#define GRIDLUX_POMESH2D_H

#include <Gridlux/representations/PoMesh.h>

#include <Inventor/fields/SoSFShort.h>

class PbMesh2D;

/**
 * @brief Abstract base of the representations of a 2D mesh (filled, contour lines, lines, sides).
 *
 * The mesh is the one given to the node, else the state's current 2D mesh. Field:
 * zValuesIndex (SoSFShort, -1): the value set used as z of the nodes; when negative, or when
 * the mesh has no such set, the mesh's own z (or 0) is used.
 */
class PoMesh2D : public PoMesh {
  typedef PoMesh inherited;
  PO_KIT_ABSTRACT_HEADER(PoMesh2D);

public:
  static void initClass();

  SoSFShort zValuesIndex;

  using PoMesh::setMesh;
  /** Explicit 2D mesh; null goes back to the traversal state's. */
  void setMesh(PbMesh2D* mesh);
  const PbMesh2D* getMesh() const;

  void basicObjectChange(PbBase* object) override;

protected:
  PoMesh2D();
  ~PoMesh2D() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void setDefaultOnNonWritingFields() override;
  void preRebuild() override;

  /** New coordinate node with the mesh's node coordinates, z from @p zValues when not null. */
  SoCoordinate3* makeSoCoordinate3(const float* zValues);
  /** The z of the mesh in force: set zValuesIndex when present, else the mesh's own (or null). */
  const float* getZValues() const;

  const PbMesh2D* m_mesh2DInForce = nullptr;

private:
  PbMesh2D* m_mesh2D = nullptr;
  FieldSensorList m_sensors2D;
};

#endif
