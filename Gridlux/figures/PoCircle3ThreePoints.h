// A circle in space through three points.
#ifndef GRIDLUX_POCIRCLE3THREEPOINTS_H
#define GRIDLUX_POCIRCLE3THREEPOINTS_H

#include <Gridlux/figures/PoCircle3.h>

#include <Inventor/fields/SoSFVec3f.h>

/**
 * @brief Disc whose circle passes through three points, in their plane, drawn from p.
 *
 * Fields: p (SoSFVec3f, 1 0 0), q (SoSFVec3f, 0 1 0), r (SoSFVec3f, -1 0 0).
 * Three collinear points define no circle: nothing is drawn.
 * Read and written under the name PoCircle3ThreePoints; its geometry is the part `circle3` of
 * PoCircle3.
 */
class PoCircle3ThreePoints : public PoCircle3 {
  typedef PoCircle3 inherited;
  PO_KIT_HEADER(PoCircle3ThreePoints);

public:
  PoCircle3ThreePoints();
  static void initClass();

  SoSFVec3f p;
  SoSFVec3f q;
  SoSFVec3f r;

protected:
  ~PoCircle3ThreePoints() override;
  int setUpArc(PiCircleArc3& arc) override;

private:
  void init(const SbVec3f& pValue, const SbVec3f& qValue, const SbVec3f& rValue);
};

#endif
