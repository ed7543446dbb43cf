// Property node that puts a domain into the traversal state.
#ifndef GRIDLUX_PODOMAIN_H
#define GRIDLUX_PODOMAIN_H

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/SbVec2f.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFVec3f.h>

class SoMatrixTransform;
class SoTransform;

/**
 * @brief Sets PoDomainElement to the domain described by its fields.
 *
 * Fields: min (SoSFVec3f, 0 0 0), max (SoSFVec3f, 1 1 1), transformType (SoSFEnum
 * TransformType, SCALE_X_FIXED). Equal z bounds stand for a flat domain, z from 0 to 1. Read and
 * written under the name PoDomain. An empty or inverted box is reported and the previous domain
 * stays in force; a change of transformType alone tells the followers that only the transform
 * changed.
 */
class PoDomain : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoDomain);

public:
  PoDomain();
  static void initClass();

  enum TransformType {
    TRANSFORM_01 = PbDomain::TRANSFORM_01,
    SCALE_X_FIXED = PbDomain::SCALE_X_FIXED,
    SCALE_Y_FIXED = PbDomain::SCALE_Y_FIXED,
    SCALE_Z_FIXED = PbDomain::SCALE_Z_FIXED,
    SCALE_MAX_XYZ_FIXED = PbDomain::SCALE_MAX_XYZ_FIXED
  };

  SoSFVec3f min;
  SoSFVec3f max;
  SoSFEnum transformType;

  /** Sets the box through the data object's fitting rule and writes the result into the fields. */
  void setValues(const SbVec2f& min, const SbVec2f& max,
                 PbDomain::BoundingBoxType type = PbDomain::AS_IS_BOX);
  void setValues(const SbVec3f& min, const SbVec3f& max,
                 PbDomain::BoundingBoxType type = PbDomain::AS_IS_BOX);

  /** New transform nodes holding the domain transform; the caller owns them. */
  SoTransform* getTransform();
  SoMatrixTransform* getMatrixTransform();
  /** The owned domain, brought up to date with the fields. */
  const PbDomain* getDomain();

  void doAction(SoAction* action) override;
  void notify(SoNotList* list) override;

protected:
  ~PoDomain() override;
  void updateDomain();

private:
  void writeBoundsToFields();

  PbDomain* m_domain;
  SbBool m_boundsChanged = TRUE;
  SbBool m_typeChanged = TRUE;
};

#endif
