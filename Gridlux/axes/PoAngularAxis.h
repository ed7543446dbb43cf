// An axis on an arc of a circle around the domain's origin, graduated in degrees.
#ifndef GRIDLUX_POANGULARAXIS_H
#define GRIDLUX_POANGULARAXIS_H

#include <Gridlux/axes/PiAngularGraduation.h>
#include <Gridlux/axes/PoAxis.h>

/**
 * @brief Angular axis of a polar chart: an arc of radius `radius` around the origin of the
 * domain from `startAngle` to `endAngle`, counter-clockwise, with ticks, labels in degrees,
 * radial grid lines, an arrow and a title on the PoAxis machinery.
 *
 * Fields (after PoAxis's), in order: offset (SoSFFloat, 0), startAngle (0), endAngle (pi),
 * radius (1), angleStep (0: automatic, 10, 15, 30 or 45 degrees from the radius against half
 * the domain width, smaller on a narrow sector), gradFit (GRAD_UNFIT: graduations on whole
 * multiples of the step; GRAD_FIT: from the start). Angles are radians; labels print degrees.
 * Read and written under the name PoAngularAxis, with PoAxis's parts only.
 *
 * Choices of this axis:
 * - The arc runs counter-clockwise from the start angle; an end angle not beyond the start
 *   (both taken into [0, 2pi)) makes it pass through 0, and equal ends draw the full circle.
 *   On a full circle the graduation one turn after the first is left out (it would print 360
 *   over 0).
 * - `offset` turns the whole axis about the origin (radians, counter-clockwise): the angle 0
 *   is drawn in the direction `offset`, so that a chart can read 0 at the top (offset pi/2)
 *   while its labels still read the angles of the data and stay upright. The `transform`
 *   part is the identity (the axis frame is the domain's); getMainGradCoords and
 *   getSubGradCoords return the data's angles.
 * - Sizes are fractions of the domain's extent along x. Above the axis is outward: labels
 *   (GRAD_ABOVE) stand outside the arc, GRAD_BELOW inside it. Ticks follow tickPosition on
 *   the label side, the other side or across the arc. Grid lines are radial segments:
 *   gridLengthGradSide toward the labels and gridLengthGradOtherSide away from them, in domain
 *   units; an inward segment stops at the centre. The defaults (labels outside, 1 inward)
 *   draw spokes to the centre of an arc of radius 1.
 * - Labels are centred on the ray of their graduation, as close to the arc as the distance
 *   allows whatever their side: the box of each label touches the circle of radius
 *   radius + distance (radius - distance inside). The automatic size keeps neighbours apart
 *   along the arc as a linear axis does along its line.
 * - The arrow lies along the arc's tangent beyond its end, pointing the way angles grow.
 * - TITLE_MIDDLE puts the title on the ray through the middle of the arc, beyond the labels;
 *   TITLE_END beyond the end of the arc along its tangent (after the arrow).
 * - DEPEND values: labels, ticks visible; labels and title outside (GRAD_ABOVE,
 *   TITLE_MIDDLE), written left to right (PATH_RIGHT), which reads best all round a circle;
 *   no title, no grid and no arrow (its head, along the tangent, would run into the last
 *   label; the labels already show which way angles grow); not reversed.
 * - Bad input (angles, radius or step not finite, a radius not above 0, a negative step)
 *   posts a message and builds nothing.
 */
class PoAngularAxis : public PoAxis {
  typedef PoAxis inherited;
  PO_KIT_HEADER(PoAngularAxis);

public:
  PoAngularAxis();
  /** An arc of @p arcRadius from @p start to @p end (radians) with step @p step (0: automatic). */
  PoAngularAxis(float start, float end, float arcRadius, float step = 0.0f);
  static void initClass();

  enum GradFit {
    GRAD_FIT = PiAngularGraduation::GRAD_FIT,
    GRAD_UNFIT = PiAngularGraduation::GRAD_UNFIT
  };

  SoSFFloat offset;
  SoSFFloat startAngle;
  SoSFFloat endAngle;
  SoSFFloat radius;
  SoSFFloat angleStep;
  SoSFEnum gradFit;

  /** Step of the last rebuild, in radians (0 before the first or when nothing was built). */
  float getAngleStep() const { return m_angleStep; }

  void rebuild() override;

protected:
  ~PoAngularAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void setDefaultAttr(int plane) override;
  void computeGradLimit(float start, float end, float& lo, float& hi) override;
  void buildArrow(float start, float end, SoGroup* group) override;
  void buildTick(int num, const float* coords, float length, SoGroup* group) override;
  void buildGridLines(int num, const float* coords, SoGroup* group) override;
  void buildGrads(int num, const float* coords, const SbString* strings,
                  SoGroup* group) override;
  void buildTitle(SoGroup* group) override;

private:
  void init(float start, float end, float arcRadius, float step);
  /** Point at @p angle, @p outward beyond the arc (axis frame). */
  SbVec2f arcPoint(float angle, float outward) const;
  /** Builds a text centred so that its box lies beyond @p anchor in direction @p u. */
  SbBox2f buildPlacedText(PiText& text, const char* string, const SbVec2f& anchor,
                          const SbVec2f& u, SoGroup* group);

  float m_radius = 1.0f;
  float m_angleStep = 0.0f;
};

#endif
