// A cartesian axis with automatic linear graduation and a power-of-ten multiplication factor.
#ifndef GRIDLUX_POLINEARAXIS_H
#define GRIDLUX_POLINEARAXIS_H

#include <Gridlux/axes/PiLinearGraduation.h>
#include <Gridlux/axes/PoCartesianAxis.h>
#include <Gridlux/text/PiNumericFormat.h>

class PbNumericDisplayFormat;

/**
 * @brief Linear axis: graduations first + i * step over the axis, labelled through the numeric
 * format, with a common power of ten shown once as "x 10^p" (or as "E<p>" on every label).
 *
 * Fields (after PoCartesianAxis's): step (0: automatic, 5 to 10 intervals of 1, 2, 3, 4 or 5
 * times a power of ten; a user step takes the sign of the axis), gradFit (GRAD_UNFIT: on whole
 * multiples of the step; GRAD_FIT: from the start of the axis), multFactorPosition
 * (MULT_FACTOR_END; START, EXTR for both ends, GRAD for a suffix on each label),
 * multFactorDistAxis (0: computed).
 *
 * Reads PoNumericDisplayFormatElement unless setFormat gave a format. Adds the parts
 * multFactorSep/multFactorApp/multFactor. Read and written under the name PoLinearAxis.
 */
class PoLinearAxis : public PoCartesianAxis {
  typedef PoCartesianAxis inherited;
  PO_KIT_HEADER(PoLinearAxis);

  SO_KIT_CATALOG_ENTRY_HEADER(multFactorSep);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactorApp);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactor);

public:
  PoLinearAxis();
  PoLinearAxis(const SbVec3f& startPoint, float endCoord, Type axisType, float gradStep = 0.0f);
  static void initClass();

  enum GradFit { GRAD_FIT = PiLinearGraduation::GRAD_FIT, GRAD_UNFIT = PiLinearGraduation::GRAD_UNFIT };
  enum MultFactorPosition {
    MULT_FACTOR_START = 0,
    MULT_FACTOR_END = 1,
    MULT_FACTOR_EXTR = 2,
    MULT_FACTOR_GRAD = 3
  };

  SoSFFloat step;
  SoSFEnum gradFit;
  SoSFEnum multFactorPosition;
  SoSFFloat multFactorDistAxis;

  /** Working copy of the linear axis's own fields. */
  struct LinAxisAttr {
    float step = 0.0f;
    GradFit gradFit = GRAD_UNFIT;
    MultFactorPosition multFactorPosition = MULT_FACTOR_END;
    float multFactorDistAxis = 0.0f;
  };

  /** Automatic or user step for @p range; see PiLinearGraduation::getStep. */
  static void getLinGradStep(float range, float& step);
  static void getLinGradFirstGrad(GradFit fit, float start, float end, float step, float& first,
                                  int& num);
  static void getLinGrads(GradFit fit, float start, float end, float& step, float& first,
                          int& num);

  /** Step of the last rebuild (0 before the first). */
  float getStep() const { return m_step; }
  /** Position and resolved distance of the multiplication factor of the last rebuild. */
  void getMultFactor(MultFactorPosition& position, float& distAxis) const;
  /** Power of ten taken out of the labels at the last rebuild. */
  int getTenPower() const { return m_tenPower; }

  /** Format followed instead of the state's; null goes back to the state's. */
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const { return m_format; }

  void basicObjectChange(PbBase* object) override;
  void rebuild() override;

protected:
  ~PoLinearAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void preRebuild() override;
  void addElementsAllCaches() override;
  void saveAxisAttr() override;

private:
  void init(const SbVec3f& startPoint, float endCoord, Type axisType, float gradStep);

  LinAxisAttr m_linAttr;
  PbNumericDisplayFormat* m_format = nullptr;
  PiNumericFormat m_formatter;
  float m_step = 0.0f;
  int m_tenPower = 0;
};

#endif
