// The user-coordinate box of the data and how it is scaled into the scene.
#ifndef GRIDLUX_PBDOMAIN_H
#define GRIDLUX_PBDOMAIN_H

#include <Gridlux/base/PbBase.h>
#include <Inventor/SbBox2f.h>
#include <Inventor/SbBox3f.h>
#include <Inventor/SbMatrix.h>

class SoTransform;
class SoMatrixTransform;

/**
 * @brief Domain of a chart or representation: a box in user coordinates and the transform that
 * maps it into the scene.
 *
 * Default: (0,0,0) to (1,1,1), SCALE_X_FIXED. Setters with empty or inverted ranges change nothing.
 * Nodes follow a domain (PoBase::setDomain) or read it from PoDomainElement.
 */
class PbDomain : public PbBase {
public:
  enum TransformType {
    TRANSFORM_01 = 0,       ///< the box maps onto the unit cube
    SCALE_X_FIXED = 1,      ///< x kept, y and z stretched to the x extent
    SCALE_Y_FIXED = 2,
    SCALE_Z_FIXED = 3,
    SCALE_MAX_XYZ_FIXED = 4 ///< the axis of largest extent is kept
  };

  enum BoundingBoxType {
    AS_IS_BOX = 0,         ///< the box as given
    MAX_BOUNDING_CUBE = 1, ///< a cube with the largest extent, same centre
    MIN_BOUNDING_CUBE = 2  ///< a cube with the smallest extent, same centre
  };

  PbDomain();
  PbDomain(float xmin, float ymin, float xmax, float ymax, BoundingBoxType type = AS_IS_BOX);
  PbDomain(float xmin, float ymin, float zmin, float xmax, float ymax, float zmax,
           BoundingBoxType type = AS_IS_BOX);
  PbDomain(const SbBox2f& box, BoundingBoxType type = AS_IS_BOX);
  PbDomain(const SbBox3f& box, BoundingBoxType type = AS_IS_BOX);
  PbDomain(const PbDomain& other);
  PbDomain& operator=(const PbDomain& other);

  void setDomain(float xmin, float ymin, float xmax, float ymax, BoundingBoxType type = AS_IS_BOX);
  void setDomain(float xmin, float ymin, float zmin, float xmax, float ymax, float zmax,
                 BoundingBoxType type = AS_IS_BOX);
  void setDomain(const SbBox2f& box, BoundingBoxType type = AS_IS_BOX);
  void setDomain(const SbBox3f& box, BoundingBoxType type = AS_IS_BOX);

  void getDomain(float& xmin, float& ymin, float& xmax, float& ymax) const;
  void getDomain(float& xmin, float& ymin, float& zmin, float& xmax, float& ymax, float& zmax) const;
  void getDomain(SbBox2f& box) const;
  void getDomain(SbBox3f& box) const;

  float getDeltaX() const { return m_dx; }
  float getDeltaY() const { return m_dy; }
  float getDeltaZ() const { return m_dz; }

  /** Notifies with CHANGE_TRANSFORM_TYPE: nodes that only move their geometry need not rebuild. */
  void setTransformType(TransformType type);
  TransformType getTransformType() const { return m_transformType; }

  /** TRUE when the three extents are exactly equal. */
  int isHomogeneous() const;

  SbMatrix getMatrix() const;
  /** New transform nodes holding the domain transform; the caller owns them. */
  SoTransform* getTransform() const;
  SoMatrixTransform* getMatrixTransform() const;

  /** Compares the six bounds, not the transform type. */
  friend int operator==(const PbDomain& a, const PbDomain& b);
  friend int operator!=(const PbDomain& a, const PbDomain& b) { return !(a == b); }

private:
  void getScaleTranslation(SbVec3f& scale, SbVec3f& translation) const;

  float m_xmin = 0, m_ymin = 0, m_zmin = 0;
  float m_xmax = 1, m_ymax = 1, m_zmax = 1;
  float m_dx = 1, m_dy = 1, m_dz = 1;
  TransformType m_transformType = SCALE_X_FIXED;
};

#endif
