// Function-based data mapping: the application's functions, behind the thresholds.
#include <Gridlux/attributes/PbNonLinearDataMapping.h>

#include <Gridlux/attributes/PiColorConverter.h>

PbNonLinearDataMapping::PbNonLinearDataMapping()
  : m_rgbFunction(&defaultColorFunc), m_transparencyFunction(&defaultTransparencyFunction)
{
}

PbNonLinearDataMapping::PbNonLinearDataMapping(const PbNonLinearDataMapping& other) = default;

PbNonLinearDataMapping& PbNonLinearDataMapping::operator=(const PbNonLinearDataMapping& other)
{
  if (this == &other)
    return *this;
  m_rgbFunction = other.m_rgbFunction;
  m_hlsFunction = other.m_hlsFunction;
  m_transparencyFunction = other.m_transparencyFunction;
  PbDataMapping::operator=(other);
  return *this;
}

void PbNonLinearDataMapping::setRGBFunction(RGBFunction* function)
{
  m_rgbFunction = function ? function : &defaultColorFunc;
  m_hlsFunction = nullptr;
  changed();
}

void PbNonLinearDataMapping::setHLSFunction(HLSFunction* function)
{
  m_hlsFunction = function;
  m_rgbFunction = function ? nullptr : &defaultColorFunc;
  changed();
}

void PbNonLinearDataMapping::setTransparencyFunction(TransparencyFunction* function)
{
  m_transparencyFunction = function ? function : &defaultTransparencyFunction;
  changed();
}

const SbColor* PbNonLinearDataMapping::defaultColorFunc(float value)
{
  // One buffer for the default ramp; its result is copied out at once.
  static SbColor grey;
  colorInterpolation(SbColor(0, 0, 0), 0.0f, SbColor(1, 1, 1), 1.0f, value, grey);
  return &grey;
}

float PbNonLinearDataMapping::defaultTransparencyFunction(float)
{
  return 0.0f;
}

const SbColor* PbNonLinearDataMapping::computeColor(float value) const
{
  const SbColor* threshold;
  float transparency;
  if (applyThresholds(value, threshold, transparency))
    return threshold;
  const SbColor* rgb = m_rgbFunction ? m_rgbFunction(value) : nullptr;
  if (rgb) {
    m_color = *rgb;
    return &m_color;
  }
  const float* hls = m_hlsFunction ? m_hlsFunction(value) : nullptr;
  if (hls) {
    PiColorConverter::getRGBColor(hls, m_color);
    return &m_color;
  }
  m_color = *defaultColorFunc(value);
  return &m_color;
}

const SbColor* PbNonLinearDataMapping::computeColor(float value, float& transparency) const
{
  const SbColor* threshold;
  if (applyThresholds(value, threshold, transparency))
    return threshold;
  const SbColor* color = computeColor(value);
  transparency = m_transparencyFunction(value);
  return color;
}
