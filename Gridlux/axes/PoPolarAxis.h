// Base of the radial axes of polar charts: an axis along a ray from the domain's origin whose
// grid lines are circles around it.
#ifndef GRIDLUX_POPOLARAXIS_H
#define GRIDLUX_POPOLARAXIS_H

#include <Gridlux/axes/PoAxis.h>

/**
 * @brief A PoAxis along the ray at angle `theta` from the origin of the domain, graduated
 * from `startRadius` to `endRadius`; its grid lines are arcs or circles around the origin.
 *
 * Fields (after PoAxis's), in order: offset (SoSFFloat, 0), startRadius (0), endRadius (1),
 * theta (0, radians counter-clockwise from +x), multFactorPosition (MULT_FACTOR_END; START,
 * EXTR, GRAD as on a linear axis), multFactorDistAxis (0: computed). Parts added:
 * multFactorSep/multFactorApp/multFactor.
 *
 * Choices of these axes:
 * - `offset` is a radial shift: the axis coordinate c is drawn at the distance c + offset from
 *   the origin, so a chart whose centre stands for a value other than 0 (a log axis starting
 *   below one decade, a range that does not start at zero) puts its start at the centre with
 *   offset = -startRadius. startRadius + offset must not be negative.
 * - Sizes are fractions of the domain's extent along x, in both directions: polar charts are
 *   drawn in a domain as wide as it is high, or their circles are ellipses.
 * - Grid lines (gridVisibility ON) are arcs around the origin through each graduation:
 *   gridLengthGradSide and gridLengthGradOtherSide are the angles (radians) they sweep toward
 *   the labels and away from them; 2pi or more together draw full circles. The default, 1
 *   radian away from the labels, sweeps counter-clockwise from a ray whose labels are below.
 * - DEPEND values as on an X axis (labels and title below, title in the middle, arrow, ticks,
 *   no grid, no title), except that the text path is the one of the four whose reading
 *   direction comes closest to the world's left to right once the ray is turned by theta.
 * - Bad input (radii, theta or offset not finite, endRadius not above startRadius, a start
 *   drawn at a negative distance) posts a message and builds nothing.
 */
class PoPolarAxis : public PoAxis {
  typedef PoAxis inherited;
  PO_KIT_ABSTRACT_HEADER(PoPolarAxis);

  SO_KIT_CATALOG_ENTRY_HEADER(multFactorSep);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactorApp);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactor);

public:
  static void initClass();

  enum MultFactorPosition {
    MULT_FACTOR_START = 0,
    MULT_FACTOR_END = 1,
    MULT_FACTOR_EXTR = 2,
    MULT_FACTOR_GRAD = 3
  };

  SoSFFloat offset;
  SoSFFloat startRadius;
  SoSFFloat endRadius;
  SoSFFloat theta;
  SoSFEnum multFactorPosition;
  SoSFFloat multFactorDistAxis;

  /** Position and resolved distance of the multiplication factor of the last rebuild. */
  void getMultFactor(MultFactorPosition& position, float& distAxis) const;

protected:
  PoPolarAxis();
  ~PoPolarAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void saveAxisAttr() override;
  /** @p quadrant (0..3) is the quarter turn nearest to theta. */
  void setDefaultAttr(int quadrant) override;
  void buildGridLines(int num, const float* coords, SoGroup* group) override;

  /** Sets the arguments' fields to the constructor's values that differ from the defaults. */
  void setPlacement(float start, float end, float angle, float radialOffset);
  /**
   * Opening of every radial rebuild (after preRebuild): working attributes with their DEPEND
   * values resolved, the transform, the span @p s .. @p e and the interval @p lo .. @p hi left
   * by the margins. Returns false, with a message from @p method, on bad input; every part is
   * then cleared and the caller ends its rebuild.
   */
  bool beginPolarRebuild(const char* method, float& s, float& e, float& lo, float& hi);
  /** The multiplication factor of @p tenPower, set into its part by the factor fields. */
  void buildMultFactor(int tenPower);

  MultFactorPosition m_multFactorPosition = MULT_FACTOR_END;
  float m_multFactorDistAxis = 0.0f;

private:
  float m_offset = 0.0f;
};

#endif
