// A radial axis of a polar chart with automatic linear graduation.
#ifndef GRIDLUX_POPOLARLINAXIS_H
#define GRIDLUX_POPOLARLINAXIS_H

#include <Gridlux/axes/PiLinearGraduation.h>
#include <Gridlux/axes/PoPolarAxis.h>
#include <Gridlux/text/PiNumericFormat.h>

class PbNumericDisplayFormat;

/**
 * @brief Linear radial axis: graduations first + i * step from startRadius to endRadius,
 * chosen and labelled as on PoLinearAxis (5 to 10 intervals of 1, 2, 3, 4 or 5 times a power
 * of ten, the numeric format's power of ten shown once as "x 10^p" or as "E<p>" on every
 * label), with circular grid lines (see PoPolarAxis).
 *
 * Fields (after PoPolarAxis's): step (0: automatic), gradFit (GRAD_UNFIT: on whole multiples
 * of the step; GRAD_FIT: from the start). Reads PoNumericDisplayFormatElement unless
 * setFormat gave a format. Read and written under the name PoPolarLinAxis.
 */
class PoPolarLinAxis : public PoPolarAxis {
  typedef PoPolarAxis inherited;
  PO_KIT_HEADER(PoPolarLinAxis);

public:
  PoPolarLinAxis();
  /** An axis from @p start to @p end along the ray at @p angle, shifted by @p radialOffset. */
  PoPolarLinAxis(float start, float end, float angle, float radialOffset, float gradStep);
  static void initClass();

  enum GradFit {
    GRAD_FIT = PiLinearGraduation::GRAD_FIT,
    GRAD_UNFIT = PiLinearGraduation::GRAD_UNFIT
  };

  SoSFFloat step;
  SoSFEnum gradFit;

  /** Step of the last rebuild (0 before the first). */
  float getStep() const { return m_step; }
  /** Power of ten taken out of the labels at the last rebuild. */
  int getTenPower() const { return m_tenPower; }

  /** Format followed instead of the state's; null goes back to the state's. */
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const { return m_format; }

  void basicObjectChange(PbBase* object) override;
  void rebuild() override;

protected:
  ~PoPolarLinAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  void init(float start, float end, float angle, float radialOffset, float gradStep);

  PbNumericDisplayFormat* m_format = nullptr;
  PiNumericFormat m_formatter;
  float m_step = 0.0f;
  int m_tenPower = 0;
};

#endif
