// Arrows of a vector set of the current 3D mesh, one per node.
#ifndef GRIDLUX_POMESH3DVEC_H
#define GRIDLUX_POMESH3DVEC_H

#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/PoSubVectorField.h>
#include <Gridlux/representations/algorithms/PiVectorField.h>

class PbCartesianGrid3D;
class PbParalCartesianGrid3D;
class PbRegularCartesianGrid3D;

/**
 * @brief Draws one arrow per node of the mesh for its vector set `vecsIndex`.
 *
 * Each arrow has a body (NO_BODY, LINE, CYLINDER), a shape at the node (startArrowShape) and
 * one at the tip (endArrowShape), each coloured on its own: CONSTANT_COLOR (the piece's
 * appearance part or the inherited material), MODULE_MAPPING_COLOR (the vector's length through
 * the module data mapping) or SCALAR_MAPPING_COLOR (the node's value of set `valuesIndex`,
 * which must be bound per node, through the data mapping); a colouring without its mapping or
 * values falls back to the constant colour. Every density-th vector is considered; elimination
 * drops those shorter than minLength or longer than maxLength; an arrow spans
 * bodyLengthFactor x v (RELATIVE_LENGTH) or bodyLengthFactor along v (CONSTANT_LENGTH). Shape
 * sizes are their height factor (CONSTANT_HEIGHT) or that times the arrow's length
 * (RELATIVE_HEIGHT), the radius being the height times the radius factor. See PiVectorField
 * for the quick and elaborate paths and PiArrow for the shapes.
 *
 * Fields (defaults): density 1, eliminationStatus NONE, minLength 0, maxLength 1e30,
 * bodyShape LINE, bodyLengthType RELATIVE_LENGTH, bodyLengthFactor 1, bodyRadiusType
 * CONSTANT_RADIUS, bodyRadiusFactor 0.02, bodyColoringType CONSTANT_COLOR, startArrowShape
 * NO_SHAPE, startArrowHeightType RELATIVE_HEIGHT, startArrowHeightFactor 0.1,
 * startArrowRadiusFactor 0.5, startArrowColoringType CONSTANT_COLOR, endArrowShape CHEVRON,
 * endArrowHeightType RELATIVE_HEIGHT, endArrowHeightFactor 0.1, endArrowRadiusFactor 0.5,
 * endArrowColoringType CONSTANT_COLOR.
 * Parts: bodySep (SoSeparator) with bodyApp (SoAppearanceKit) and bodyGroup (SoGroup), and
 * likewise startArrowSep, startArrowApp, startArrowGroup, endArrowSep, endArrowApp, endArrowGroup.
 *
 * The mesh calls back the entry point of its kind (PbMesh3D::mesh3DVec()); a kind without one
 * draws nothing. The quick path's colour variants gather the
 * module and/or the value of each vector; a mapping's transparency is applied when the
 * per-vector materials are made, so the transparent variants need no gathering of their own.
 *
 * Nothing is drawn, silently, without a mesh, without the vector set or with a length factor
 * not above 0; a density below 1 or a negative or infinite size posts a message and draws
 * nothing; vectors that are not finite are left out with a message.
 */
class PoMesh3DVec : public PoMesh3D {
  typedef PoMesh3D inherited;
  PO_KIT_HEADER(PoMesh3DVec);
  GRIDLUX_VECTOR_FIELD_CATALOG_HEADER();

public:
  PoMesh3DVec();
  static void initClass();

  GRIDLUX_VECTOR_FIELD_DECLARATIONS();

  void rebuild() override;

  /** Offer the nodes of each mesh kind, in node order. */
  void cartGrid3DVec(const PbCartesianGrid3D* mesh);
  void paralCartGrid3DVec(const PbParalCartesianGrid3D* mesh);
  void regularGrid3DVec(const PbRegularCartesianGrid3D* mesh);
  void hexahedronMesh3DVec(const PbHexahedronMesh3D* mesh);
  void tetrahedronMesh3DVec(const PbTetrahedronMesh3D* mesh);
  void indexedMesh3DVec(const PbIndexedMesh3D* mesh);

  /** The arrows of the last rebuild: path, vectors offered and drawn. */
  const PiVectorField& getVectorField() const { return m_field; }

protected:
  ~PoMesh3DVec() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

  /** The next vector, coloured by the value of the node it is the turn of. */
  void addVector(const SbVec3f& point, const SbVec3f& vector);
  /** The next vector with its own scalar value (sections interpolate it). */
  void addVector(const SbVec3f& point, const SbVec3f& vector, float scalar);
  /** Offers the field's vectors: by default one per mesh node, by mesh kind. */
  virtual void offerVectors();
  /** How many vectors offerVectors() will offer, when known (0 otherwise). */
  virtual int expectedVectors() const;

  PiVectorField::Input m_inputs;

private:
  void offerIndexedNodes(const PbIndexedMesh3D* mesh);

  PiVectorField m_field;
  FieldSensorList m_sensors;
};

#endif
