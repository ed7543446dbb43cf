// Linear data mapping: two end colours, interpolated after the thresholds.
#include <Gridlux/attributes/PbLinearDataMapping.h>

#include <Gridlux/attributes/PiColorConverter.h>

PbLinearDataMapping::PbLinearDataMapping() : m_color1(0, 0, 0), m_color2(1, 1, 1)
{
}

PbLinearDataMapping::PbLinearDataMapping(const PbLinearDataMapping& other) = default;

PbLinearDataMapping& PbLinearDataMapping::operator=(const PbLinearDataMapping& other)
{
  if (this == &other)
    return *this;
  m_value1 = other.m_value1;
  m_value2 = other.m_value2;
  m_transparency1 = other.m_transparency1;
  m_transparency2 = other.m_transparency2;
  m_color1 = other.m_color1;
  m_color2 = other.m_color2;
  PbDataMapping::operator=(other);
  return *this;
}

void PbLinearDataMapping::setValues(float value1, const SbColor& color1, float value2,
                                    const SbColor& color2)
{
  setValues(value1, color1, m_transparency1, value2, color2, m_transparency2);
}

void PbLinearDataMapping::setValues(float value1, const SbColor& color1, float transparency1,
                                    float value2, const SbColor& color2, float transparency2)
{
  m_value1 = value1;
  m_color1 = color1;
  m_transparency1 = transparency1;
  m_value2 = value2;
  m_color2 = color2;
  m_transparency2 = transparency2;
  changed();
}

void PbLinearDataMapping::setValues(float value1, const float hls1[3], float value2,
                                    const float hls2[3])
{
  setValues(value1, hls1, m_transparency1, value2, hls2, m_transparency2);
}

void PbLinearDataMapping::setValues(float value1, const float hls1[3], float transparency1,
                                    float value2, const float hls2[3], float transparency2)
{
  SbColor color1, color2;
  PiColorConverter::getRGBColor(hls1, color1);
  PiColorConverter::getRGBColor(hls2, color2);
  setValues(value1, color1, transparency1, value2, color2, transparency2);
}

void PbLinearDataMapping::getValues(float& value1, SbColor& color1, float& value2,
                                    SbColor& color2) const
{
  value1 = m_value1;
  color1 = m_color1;
  value2 = m_value2;
  color2 = m_color2;
}

void PbLinearDataMapping::getValues(float& value1, SbColor& color1, float& transparency1,
                                    float& value2, SbColor& color2, float& transparency2) const
{
  getValues(value1, color1, value2, color2);
  transparency1 = m_transparency1;
  transparency2 = m_transparency2;
}

void PbLinearDataMapping::getValues(float& value1, float hls1[3], float& value2,
                                    float hls2[3]) const
{
  value1 = m_value1;
  value2 = m_value2;
  PiColorConverter::getHLSColor(m_color1, hls1);
  PiColorConverter::getHLSColor(m_color2, hls2);
}

void PbLinearDataMapping::getValues(float& value1, float hls1[3], float& transparency1,
                                    float& value2, float hls2[3], float& transparency2) const
{
  getValues(value1, hls1, value2, hls2);
  transparency1 = m_transparency1;
  transparency2 = m_transparency2;
}

const SbColor* PbLinearDataMapping::computeColor(float value, float& transparency) const
{
  const SbColor* threshold;
  if (applyThresholds(value, threshold, transparency))
    return threshold;
  colorInterpolation(m_color1, m_transparency1, m_value1, m_color2, m_transparency2, m_value2,
                     value, m_color, transparency);
  return &m_color;
}

const SbColor* PbLinearDataMapping::computeColor(float value) const
{
  const SbColor* threshold;
  float transparency;
  if (applyThresholds(value, threshold, transparency))
    return threshold;
  colorInterpolation(m_color1, m_value1, m_color2, m_value2, value, m_color);
  return &m_color;
}
