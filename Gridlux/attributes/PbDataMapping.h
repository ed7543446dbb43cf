// Rule that maps data values to colours and transparencies.
#ifndef GRIDLUX_PBDATAMAPPING_H
#define GRIDLUX_PBDATAMAPPING_H

#include <Gridlux/base/PbBase.h>

#include <Inventor/SbColor.h>

/**
 * @brief Value-to-colour rule shared by the representations, histograms, pie charts and legends.
 *
 * Every query first applies the thresholds: with the min threshold enabled, a value <= its value
 * takes the min threshold colour and transparency; else with the max threshold enabled, a value
 * >= its value takes the max ones. A threshold set without a colour maps its zone to a null
 * colour. Other values go to the kind's own rule (PbLinearDataMapping, PbNonLinearDataMapping,
 * PbNonLinearDataMapping2).
 *
 * Queries write a result buffer inside the object (HLS queries a static buffer): the returned
 * pointer stays valid until the next query. Parts whose mapped transparency reaches
 * getTransparencyValueDeletedParts() (0.95 by default) are removed from the built geometry
 * rather than drawn transparent.
 */
class PbDataMapping : public PbBase {
public:
  enum ClassType {
    CLASS_DATA_MAPPING = 0,
    CLASS_LINEAR = 1,
    CLASS_NON_LINEAR = 2,
    CLASS_NON_LINEAR2 = 3
  };

  ~PbDataMapping() override;
  virtual ClassType getClassType() const { return CLASS_DATA_MAPPING; }

  /** A threshold without colour: its zone maps to null. */
  void setMinThreshold(float value);
  void setMinThreshold(float value, const SbColor& color, float transparency);
  void setMinThreshold(float value, const float hls[3], float transparency);
  void setMaxThreshold(float value);
  void setMaxThreshold(float value, const SbColor& color, float transparency);
  void setMaxThreshold(float value, const float hls[3], float transparency);

  /** Threshold colour (null without one) and value, and optionally its transparency. */
  const SbColor* getMinRGBThreshold(float& value) const;
  const SbColor* getMinRGBThreshold(float& value, float& transparency) const;
  const float* getMinHLSThreshold(float& value) const;
  const float* getMinHLSThreshold(float& value, float& transparency) const;
  const SbColor* getMaxRGBThreshold(float& value) const;
  const SbColor* getMaxRGBThreshold(float& value, float& transparency) const;
  const float* getMaxHLSThreshold(float& value) const;
  const float* getMaxHLSThreshold(float& value, float& transparency) const;

  void enableThresholds(int minEnabled, int maxEnabled);
  void thresholdsEnabled(int& minEnabled, int& maxEnabled) const;

  void enableTransparency(int onOff);
  int isTransparencyEnabled() const { return m_transparencyEnabled; }

  /** Does not notify: the value is read only when transparencies are applied. */
  void setTransparencyValueDeletedParts(float value);
  float getTransparencyValueDeletedParts() const { return m_transparencyValueDeletedParts; }

  const SbColor* getRGBColor(float value) const { return computeColor(value); }
  const SbColor* getRGBColor(float value, float& transparency) const
  {
    return computeColor(value, transparency);
  }
  /** The RGB result as hue, lightness, saturation in a static buffer; null for a null colour. */
  const float* getHLSColor(float value) const;
  const float* getHLSColor(float value, float& transparency) const;

protected:
  PbDataMapping();
  PbDataMapping(const PbDataMapping& other);
  PbDataMapping& operator=(const PbDataMapping& other);

  /**
   * Linear ramp from (valueA, colorA) to (valueB, colorB) at @p value, clamped to [0, 1] per
   * component; values outside the interval extrapolate. Equal end values give colour B from
   * valueA up and colour A below it.
   */
  static void colorInterpolation(const SbColor& colorA, float valueA, const SbColor& colorB,
                                 float valueB, float value, SbColor& out);
  static void colorInterpolation(const SbColor& colorA, float transparencyA, float valueA,
                                 const SbColor& colorB, float transparencyB, float valueB,
                                 float value, SbColor& out, float& transparencyOut);

  /**
   * The threshold rule shared by every kind: returns 1 when @p value lies in an enabled threshold
   * zone, with @p color set to the threshold colour (null without one) and @p transparency to
   * the threshold transparency.
   */
  int applyThresholds(float value, const SbColor*& color, float& transparency) const;

  /** Notifies the followers of a general change. */
  void changed();

  /** Result buffer of the colour queries. */
  mutable SbColor m_color;

private:
  virtual const SbColor* computeColor(float value, float& transparency) const = 0;
  virtual const SbColor* computeColor(float value) const = 0;

  float m_transparencyValueDeletedParts = 0.95f;
  int m_transparencyEnabled = 0;
  float m_minThresholdValue = 0.0f;
  float m_maxThresholdValue = 1.0f;
  float m_minThresholdTransparency = 0.0f;
  float m_maxThresholdTransparency = 0.0f;
  SbColor m_minThresholdColor;
  SbColor m_maxThresholdColor;
  int m_minThresholdEnabled = 0;
  int m_maxThresholdEnabled = 0;
  int m_minThresholdHasColor = 0;
  int m_maxThresholdHasColor = 0;
};

#endif
