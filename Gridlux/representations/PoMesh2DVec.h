// Arrows of a vector set of the current 2D mesh, one per node.
#ifndef GRIDLUX_POMESH2DVEC_H
#define GRIDLUX_POMESH2DVEC_H

#include <Gridlux/representations/PoMesh2D.h>
#include <Gridlux/representations/PoSubVectorField.h>
#include <Gridlux/representations/algorithms/PiVectorField.h>

class PbCartesianGrid2D;
class PbIndexedMesh2D;
class PbParalCartesianGrid2D;
class PbPolarGrid2D;
class PbRegularCartesianGrid2D;

/**
 * @brief Draws one arrow per node of the 2D mesh for its vector set `vecsIndex`: the twin of
 * PoMesh3DVec (same fields, defaults, parts and rules; see there), on surface meshes. The nodes
 * stand at the z of set zValuesIndex, else the mesh's own z, else 0; the vectors are the mesh's
 * (x, y, 0).
 */
class PoMesh2DVec : public PoMesh2D {
  typedef PoMesh2D inherited;
  PO_KIT_HEADER(PoMesh2DVec);
  GRIDLUX_VECTOR_FIELD_CATALOG_HEADER();

public:
  PoMesh2DVec();
  static void initClass();

  GRIDLUX_VECTOR_FIELD_DECLARATIONS();

  void rebuild() override;

  /** Offer the nodes of each mesh kind, in node order. */
  void cartGrid2DVec(const PbCartesianGrid2D* mesh);
  void paralCartGrid2DVec(const PbParalCartesianGrid2D* mesh);
  void regularCartGrid2DVec(const PbRegularCartesianGrid2D* mesh);
  void polarGrid2DVec(const PbPolarGrid2D* mesh);
  void indexedMesh2DVec(const PbIndexedMesh2D* mesh);

  /** The arrows of the last rebuild: path, vectors offered and drawn. */
  const PiVectorField& getVectorField() const { return m_field; }

protected:
  ~PoMesh2DVec() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

  /** The next vector, coloured by the value of the node it is the turn of. */
  void addVector(const SbVec3f& point, const SbVec3f& vector);

private:
  /** The mesh's nodes through the entry point of its kind. */
  void offerVectors();
  /** Every node of @p mesh at its z, in node order. */
  void offerNodes(const PbMesh2D* mesh);

  PiVectorField::Input m_inputs;
  PiVectorField m_field;
  FieldSensorList m_sensors;
};

#endif
