// Level-based data mapping: sorted levels with paired colours, stepped or interpolated.
#include <Gridlux/attributes/PbNonLinearDataMapping2.h>

#include <Gridlux/attributes/PiColorConverter.h>
#include <Gridlux/base/PoDebugError.h>

#include <cmath>
#include <utility>

PbNonLinearDataMapping2::PbNonLinearDataMapping2()
  : m_colors{SbColor(0, 0, 0), SbColor(1, 1, 1)}, m_values{0.0f, 1.0f},
    m_transparencies{0.0f, 0.0f}, m_numColors(2), m_numValues(2)
{
}

PbNonLinearDataMapping2::PbNonLinearDataMapping2(const PbNonLinearDataMapping2& other) = default;

PbNonLinearDataMapping2& PbNonLinearDataMapping2::operator=(const PbNonLinearDataMapping2& other)
{
  if (this == &other)
    return *this;
  m_colors = other.m_colors;
  m_values = other.m_values;
  m_transparencies = other.m_transparencies;
  m_hlsColors = other.m_hlsColors;
  m_numColors = other.m_numColors;
  m_numValues = other.m_numValues;
  m_type = other.m_type;
  PbDataMapping::operator=(other);
  return *this;
}

int PbNonLinearDataMapping2::setValues(Type type, int numValues, const float* values,
                                       const SbColor* colors)
{
  return setValuesP(type, numValues, values, colors, nullptr, "PbNonLinearDataMapping2::setValues");
}

int PbNonLinearDataMapping2::setValues(Type type, int numValues, const float* values,
                                       const SbColor* colors, const float* transparencies)
{
  return setValuesP(type, numValues, values, colors, transparencies,
                    "PbNonLinearDataMapping2::setValues");
}

int PbNonLinearDataMapping2::setValues(Type type, int numValues, const float* values,
                                       const float (*hlsColors)[3])
{
  return setValues(type, numValues, values, hlsColors, nullptr);
}

int PbNonLinearDataMapping2::setValues(Type type, int numValues, const float* values,
                                       const float (*hlsColors)[3], const float* transparencies)
{
  if (!hlsColors || numValues < 1)
    return setValuesP(type, numValues, values, nullptr, transparencies,
                      "PbNonLinearDataMapping2::setValues");
  const int numColors = type == NON_LINEAR_PER_LEVEL ? numValues + 1 : numValues;
  std::vector<SbColor> rgb(numColors);
  for (int i = 0; i < numColors; ++i)
    PiColorConverter::getRGBColor(hlsColors[i], rgb[i]);
  return setValuesP(type, numValues, values, rgb.data(), transparencies,
                    "PbNonLinearDataMapping2::setValues");
}

int PbNonLinearDataMapping2::setValuesP(Type type, int numValues, const float* values,
                                        const SbColor* colors, const float* transparencies,
                                        const char* methodName)
{
  if (type != NON_LINEAR_PER_LEVEL && type != LINEAR_PER_LEVEL) {
    PoDebugError::post(methodName, "unknown mapping type %d", int(type));
    return 0;
  }
  if (numValues < 1 || !values || !colors) {
    PoDebugError::post(methodName, "a mapping needs at least one level and its colours "
                       "(got %d levels%s)", numValues, values && colors ? "" : ", null array");
    return 0;
  }
  for (int i = 0; i < numValues; ++i) {
    if (std::isnan(values[i])) {
      PoDebugError::post(methodName, "level %d is NaN", i);
      return 0;
    }
  }

  const int numColors = type == NON_LINEAR_PER_LEVEL ? numValues + 1 : numValues;
  m_type = type;
  m_numValues = numValues;
  m_numColors = numColors;
  m_values.assign(values, values + numValues);
  m_colors.assign(colors, colors + numColors);
  if (transparencies)
    m_transparencies.assign(transparencies, transparencies + numColors);
  else
    m_transparencies.assign(numColors, 0.0f);

  // Selection sort: stable enough for a handful of levels, and the first of equal levels stays
  // first. The extra colour of the stepped kind is above every level and is not moved.
  for (int i = 0; i < numValues - 1; ++i) {
    int smallest = i;
    for (int j = i + 1; j < numValues; ++j) {
      if (m_values[j] < m_values[smallest])
        smallest = j;
    }
    if (smallest != i) {
      std::swap(m_values[i], m_values[smallest]);
      std::swap(m_colors[i], m_colors[smallest]);
      std::swap(m_transparencies[i], m_transparencies[smallest]);
    }
  }
  changed();
  return 1;
}

const float* PbNonLinearDataMapping2::getValuesList(int& num) const
{
  num = m_numValues;
  return m_values.data();
}

const SbColor* PbNonLinearDataMapping2::getColorsList(int& num) const
{
  num = m_numColors;
  return m_colors.data();
}

const float* PbNonLinearDataMapping2::getTransparenciesList(int& num) const
{
  num = m_numColors;
  return m_transparencies.data();
}

const float* PbNonLinearDataMapping2::getHLSColorsList(int& num)
{
  num = m_numColors;
  m_hlsColors.resize(3 * size_t(m_numColors));
  for (int i = 0; i < m_numColors; ++i)
    PiColorConverter::getHLSColor(m_colors[i], &m_hlsColors[3 * size_t(i)]);
  return m_hlsColors.data();
}

const SbColor* PbNonLinearDataMapping2::computeColor(float value) const
{
  float transparency;
  return computeColor(value, transparency);
}

const SbColor* PbNonLinearDataMapping2::computeColor(float value, float& transparency) const
{
  const SbColor* threshold;
  if (applyThresholds(value, threshold, transparency))
    return threshold;

  const int n = m_numValues;
  const float* x = m_values.data();
  if (m_type == NON_LINEAR_PER_LEVEL) {
    // A value equal to a level takes the colour above it.
    int i = 0;
    while (i < n && !(value < x[i]))
      ++i;
    transparency = m_transparencies[i];
    return &m_colors[i];
  }

  if (n == 1) {
    transparency = m_transparencies[0];
    m_color = m_colors[0];
    return &m_color;
  }
  // The end intervals extend outwards; inside, the smallest i >= 1 with value <= x[i].
  int i = 1;
  while (i < n - 1 && !(value <= x[i]))
    ++i;
  colorInterpolation(m_colors[i - 1], m_transparencies[i - 1], x[i - 1], m_colors[i],
                     m_transparencies[i], x[i], value, m_color, transparency);
  return &m_color;
}
