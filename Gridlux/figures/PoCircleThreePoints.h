// A circle in the plane z = 0 through three points.
#ifndef GRIDLUX_POCIRCLETHREEPOINTS_H
#define GRIDLUX_POCIRCLETHREEPOINTS_H

#include <Gridlux/figures/PoCircle.h>

#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Disc whose circle passes through three points, drawn from p round one full turn.
 *
 * Fields: p (SoSFVec2f, 1 0), q (SoSFVec2f, 0 1), r (SoSFVec2f, -1 0).
 * Three collinear points define no circle: nothing is drawn.
 * Read and written under the name PoCircleThreePoints; its geometry is the part `circle` of
 * PoCircle.
 */
class PoCircleThreePoints : public PoCircle {
  typedef PoCircle inherited;
  PO_KIT_HEADER(PoCircleThreePoints);

public:
  PoCircleThreePoints();
  static void initClass();

  SoSFVec2f p;
  SoSFVec2f q;
  SoSFVec2f r;

protected:
  ~PoCircleThreePoints() override;
  int setUpArc(PiCircleArc2& arc) override;

private:
  void init(const SbVec2f& pValue, const SbVec2f& qValue, const SbVec2f& rValue);
};

#endif
