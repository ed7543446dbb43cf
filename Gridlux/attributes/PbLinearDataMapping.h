// Data mapping that ramps linearly between two colours.
#ifndef GRIDLUX_PBLINEARDATAMAPPING_H
#define GRIDLUX_PBLINEARDATAMAPPING_H

#include <Gridlux/attributes/PbDataMapping.h>

/**
 * @brief Linear colour ramp: color1 at value1, color2 at value2, with transparencies.
 *
 * Values outside [value1, value2] extrapolate the ramp and saturate per component; value1 may
 * exceed value2 (reversed ramp). Default: black at 0 to white at 1, both opaque.
 * HLS forms convert to RGB on entry and back on output.
 */
class PbLinearDataMapping : public PbDataMapping {
public:
  PbLinearDataMapping();
  PbLinearDataMapping(const PbLinearDataMapping& other);
  PbLinearDataMapping& operator=(const PbLinearDataMapping& other);

  ClassType getClassType() const override { return CLASS_LINEAR; }

  /** Keeps the transparencies. */
  void setValues(float value1, const SbColor& color1, float value2, const SbColor& color2);
  void setValues(float value1, const SbColor& color1, float transparency1, float value2,
                 const SbColor& color2, float transparency2);
  void setValues(float value1, const float hls1[3], float value2, const float hls2[3]);
  void setValues(float value1, const float hls1[3], float transparency1, float value2,
                 const float hls2[3], float transparency2);

  void getValues(float& value1, SbColor& color1, float& value2, SbColor& color2) const;
  void getValues(float& value1, SbColor& color1, float& transparency1, float& value2,
                 SbColor& color2, float& transparency2) const;
  void getValues(float& value1, float hls1[3], float& value2, float hls2[3]) const;
  void getValues(float& value1, float hls1[3], float& transparency1, float& value2,
                 float hls2[3], float& transparency2) const;

private:
  const SbColor* computeColor(float value, float& transparency) const override;
  const SbColor* computeColor(float value) const override;

  float m_value1 = 0.0f;
  float m_value2 = 1.0f;
  float m_transparency1 = 0.0f;
  float m_transparency2 = 0.0f;
  SbColor m_color1;
  SbColor m_color2;
};

#endif
