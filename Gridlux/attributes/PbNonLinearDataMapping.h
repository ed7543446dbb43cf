// Data mapping whose colours and transparencies come from application functions.
#ifndef GRIDLUX_PBNONLINEARDATAMAPPING_H
#define GRIDLUX_PBNONLINEARDATAMAPPING_H

#include <Gridlux/attributes/PbDataMapping.h>

/**
 * @brief Colours from an RGB function or an HLS function (setting one clears the other), and
 * transparencies from a transparency function.
 *
 * Without a colour function the mapping is the grey level clamp(v, 0, 1); without a
 * transparency function every value is opaque. A colour function that returns null gives that
 * grey too, so a query never returns null outside the threshold zones.
 */
class PbNonLinearDataMapping : public PbDataMapping {
public:
  typedef const SbColor* RGBFunction(float value);
  /** Returns a pointer to three floats: hue, lightness, saturation. */
  typedef const float* HLSFunction(float value);
  typedef float TransparencyFunction(float value);

  PbNonLinearDataMapping();
  PbNonLinearDataMapping(const PbNonLinearDataMapping& other);
  PbNonLinearDataMapping& operator=(const PbNonLinearDataMapping& other);

  ClassType getClassType() const override { return CLASS_NON_LINEAR; }

  /** A null function returns to the default grey ramp. */
  void setRGBFunction(RGBFunction* function);
  void setHLSFunction(HLSFunction* function);
  /** A null function returns to the default, opaque everywhere. */
  void setTransparencyFunction(TransparencyFunction* function);

  RGBFunction* getRGBFunction() const { return m_rgbFunction; }
  HLSFunction* getHLSFunction() const { return m_hlsFunction; }
  TransparencyFunction* getTransparencyFunction() const { return m_transparencyFunction; }

private:
  const SbColor* computeColor(float value, float& transparency) const override;
  const SbColor* computeColor(float value) const override;

  static const SbColor* defaultColorFunc(float value);
  static float defaultTransparencyFunction(float value);

  RGBFunction* m_rgbFunction;
  HLSFunction* m_hlsFunction = nullptr;
  TransparencyFunction* m_transparencyFunction;
};

#endif
