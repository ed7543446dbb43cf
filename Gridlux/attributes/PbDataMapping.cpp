// Data mapping: thresholds, transparency settings and the colour ramp shared by every kind.
#include <Gridlux/attributes/PbDataMapping.h>

#include <Gridlux/attributes/PiColorConverter.h>

namespace {

// Clamp to [0, 1]; NaN goes to 0 so that a bad value never reaches a material as NaN.
inline float clamp01(float c)
{
  return c > 1.0f ? 1.0f : (c >= 0.0f ? c : 0.0f);
}

// One component of the ramp at parameter t. Inside [0, 1] the result stays between the ends
// and is exactly b at t = 1, so a level's own value gives the level's own colour bit for bit.
inline float mix(float a, float b, float t)
{
  if (t == 1.0f)
    return b;
  const float c = a + (b - a) * t;
  if (t > 0.0f && t < 1.0f) {
    const float lo = a < b ? a : b, hi = a < b ? b : a;
    return c < lo ? lo : (c > hi ? hi : c);
  }
  return c;
}

// Ramp parameter of value between valueA and valueB; a zero-width interval is a step to B.
inline float rampParameter(float valueA, float valueB, float value)
{
  const float span = valueB - valueA;
  return span != 0.0f ? (value - valueA) / span : (value >= valueA ? 1.0f : 0.0f);
}

// Shared by every HLS query of every object, as the pointer contract allows.
float s_hlsBuffer[3];

// The HLS form of @p color in the shared buffer; null when there is no colour.
const float* hlsOf(const SbColor* color)
{
  if (!color)
    return nullptr;
  PiColorConverter::getHLSColor(*color, s_hlsBuffer);
  return s_hlsBuffer;
}

} // namespace

PbDataMapping::PbDataMapping() : m_color(0, 0, 0), m_minThresholdColor(0, 0, 0),
  m_maxThresholdColor(0, 0, 0)
{
}

PbDataMapping::~PbDataMapping() = default;

PbDataMapping::PbDataMapping(const PbDataMapping& other)
  : PbBase(other), m_color(other.m_color),
    m_transparencyValueDeletedParts(other.m_transparencyValueDeletedParts),
    m_transparencyEnabled(other.m_transparencyEnabled),
    m_minThresholdValue(other.m_minThresholdValue), m_maxThresholdValue(other.m_maxThresholdValue),
    m_minThresholdTransparency(other.m_minThresholdTransparency),
    m_maxThresholdTransparency(other.m_maxThresholdTransparency),
    m_minThresholdColor(other.m_minThresholdColor), m_maxThresholdColor(other.m_maxThresholdColor),
    m_minThresholdEnabled(other.m_minThresholdEnabled),
    m_maxThresholdEnabled(other.m_maxThresholdEnabled),
    m_minThresholdHasColor(other.m_minThresholdHasColor),
    m_maxThresholdHasColor(other.m_maxThresholdHasColor)
{
}

PbDataMapping& PbDataMapping::operator=(const PbDataMapping& other)
{
  if (this == &other)
    return *this;
  m_color = other.m_color;
  m_transparencyValueDeletedParts = other.m_transparencyValueDeletedParts;
  m_transparencyEnabled = other.m_transparencyEnabled;
  m_minThresholdValue = other.m_minThresholdValue;
  m_maxThresholdValue = other.m_maxThresholdValue;
  m_minThresholdTransparency = other.m_minThresholdTransparency;
  m_maxThresholdTransparency = other.m_maxThresholdTransparency;
  m_minThresholdColor = other.m_minThresholdColor;
  m_maxThresholdColor = other.m_maxThresholdColor;
  m_minThresholdEnabled = other.m_minThresholdEnabled;
  m_maxThresholdEnabled = other.m_maxThresholdEnabled;
  m_minThresholdHasColor = other.m_minThresholdHasColor;
  m_maxThresholdHasColor = other.m_maxThresholdHasColor;
  PbBase::operator=(other); // notifies the followers last, once the data are in place
  return *this;
}

void PbDataMapping::changed()
{
  setChangeType(CHANGE_GENERAL);
  notifyChange();
}

// Thresholds

void PbDataMapping::setMinThreshold(float value)
{
  m_minThresholdValue = value;
  m_minThresholdHasColor = 0;
  // A disabled threshold does not change any colour, so nobody needs to rebuild.
  if (m_minThresholdEnabled)
    changed();
}

void PbDataMapping::setMinThreshold(float value, const SbColor& color, float transparency)
{
  m_minThresholdValue = value;
  m_minThresholdColor = color;
  m_minThresholdTransparency = transparency;
  m_minThresholdHasColor = 1;
  if (m_minThresholdEnabled)
    changed();
}

void PbDataMapping::setMinThreshold(float value, const float hls[3], float transparency)
{
  SbColor color;
  PiColorConverter::getRGBColor(hls, color);
  setMinThreshold(value, color, transparency);
}

void PbDataMapping::setMaxThreshold(float value)
{
  m_maxThresholdValue = value;
  m_maxThresholdHasColor = 0;
  if (m_maxThresholdEnabled)
    changed();
}

void PbDataMapping::setMaxThreshold(float value, const SbColor& color, float transparency)
{
  m_maxThresholdValue = value;
  m_maxThresholdColor = color;
  m_maxThresholdTransparency = transparency;
  m_maxThresholdHasColor = 1;
  if (m_maxThresholdEnabled)
    changed();
}

void PbDataMapping::setMaxThreshold(float value, const float hls[3], float transparency)
{
  SbColor color;
  PiColorConverter::getRGBColor(hls, color);
  setMaxThreshold(value, color, transparency);
}

const SbColor* PbDataMapping::getMinRGBThreshold(float& value) const
{
  value = m_minThresholdValue;
  return m_minThresholdHasColor ? &m_minThresholdColor : nullptr;
}

const SbColor* PbDataMapping::getMinRGBThreshold(float& value, float& transparency) const
{
  transparency = m_minThresholdTransparency;
  return getMinRGBThreshold(value);
}

const float* PbDataMapping::getMinHLSThreshold(float& value) const
{
  return hlsOf(getMinRGBThreshold(value));
}

const float* PbDataMapping::getMinHLSThreshold(float& value, float& transparency) const
{
  transparency = m_minThresholdTransparency;
  return getMinHLSThreshold(value);
}

const SbColor* PbDataMapping::getMaxRGBThreshold(float& value) const
{
  value = m_maxThresholdValue;
  return m_maxThresholdHasColor ? &m_maxThresholdColor : nullptr;
}

const SbColor* PbDataMapping::getMaxRGBThreshold(float& value, float& transparency) const
{
  transparency = m_maxThresholdTransparency;
  return getMaxRGBThreshold(value);
}

const float* PbDataMapping::getMaxHLSThreshold(float& value) const
{
  return hlsOf(getMaxRGBThreshold(value));
}

const float* PbDataMapping::getMaxHLSThreshold(float& value, float& transparency) const
{
  transparency = m_maxThresholdTransparency;
  return getMaxHLSThreshold(value);
}

void PbDataMapping::enableThresholds(int minEnabled, int maxEnabled)
{
  m_minThresholdEnabled = minEnabled;
  m_maxThresholdEnabled = maxEnabled;
  changed();
}

void PbDataMapping::thresholdsEnabled(int& minEnabled, int& maxEnabled) const
{
  minEnabled = m_minThresholdEnabled;
  maxEnabled = m_maxThresholdEnabled;
}

void PbDataMapping::enableTransparency(int onOff)
{
  m_transparencyEnabled = onOff;
  changed();
}

void PbDataMapping::setTransparencyValueDeletedParts(float value)
{
  m_transparencyValueDeletedParts = value;
}

int PbDataMapping::applyThresholds(float value, const SbColor*& color, float& transparency) const
{
  // The min zone is tested first, so overlapping zones give the min colour.
  if (m_minThresholdEnabled && value <= m_minThresholdValue) {
    color = m_minThresholdHasColor ? &m_minThresholdColor : nullptr;
    transparency = m_minThresholdTransparency;
    return 1;
  }
  if (m_maxThresholdEnabled && value >= m_maxThresholdValue) {
    color = m_maxThresholdHasColor ? &m_maxThresholdColor : nullptr;
    transparency = m_maxThresholdTransparency;
    return 1;
  }
  return 0;
}

// Queries

const float* PbDataMapping::getHLSColor(float value) const
{
  return hlsOf(computeColor(value));
}

const float* PbDataMapping::getHLSColor(float value, float& transparency) const
{
  return hlsOf(computeColor(value, transparency));
}

void PbDataMapping::colorInterpolation(const SbColor& colorA, float valueA, const SbColor& colorB,
                                       float valueB, float value, SbColor& out)
{
  const float t = rampParameter(valueA, valueB, value);
  out.setValue(clamp01(mix(colorA[0], colorB[0], t)), clamp01(mix(colorA[1], colorB[1], t)),
               clamp01(mix(colorA[2], colorB[2], t)));
}

void PbDataMapping::colorInterpolation(const SbColor& colorA, float transparencyA, float valueA,
                                       const SbColor& colorB, float transparencyB, float valueB,
                                       float value, SbColor& out, float& transparencyOut)
{
  colorInterpolation(colorA, valueA, colorB, valueB, value, out);
  const float t = rampParameter(valueA, valueB, value);
  transparencyOut = clamp01(mix(transparencyA, transparencyB, t));
}
