// Band texture of the texture-contoured representations and the coordinates that pick its texels.
#include <Gridlux/representations/algorithms/PiTextureContouring.h>

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/SbVec2s.h>
#include <Inventor/nodes/SoTexture2.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// The image size is held in shorts: 16384 is the widest power of two, for 16383 isovalues.
const int kMaxIsovalues = 16383;
// The zone below the first isovalue takes the colour the mapping gives this value.
const float kBelowLevels = -1e20f;
// Coordinate of the values above the last isovalue: inside the last texel for every width the
// image can have.
const float kAboveLevels = 0.999999f;

unsigned char toByte(float component)
{
  if (!(component > 0.0f))
    return 0;
  if (component >= 1.0f)
    return 255;
  return static_cast<unsigned char>(component * 255.0f);
}

} // namespace

PiTextureContouring::PiTextureContouring() = default;

PiTextureContouring::~PiTextureContouring()
{
  releaseTexture();
}

void PiTextureContouring::setDataMapping(const PbDataMapping* mapping)
{
  m_dataMapping = mapping;
}

void PiTextureContouring::setIsovaluesList(const PbIsovaluesList* list)
{
  m_values.clear();
  m_regular = 0;
  m_step = 0.0f;
  if (list) {
    int num = 0, regular = 0;
    float min = 0.0f, max = 0.0f, step = 0.0f;
    const float* values = list->getIsoList(num, min, max, step, regular);
    if (values && num > 0) {
      m_values.assign(values, values + num);
      m_regular = regular;
      m_step = step;
    }
  }
  m_num = static_cast<int>(m_values.size());
  if (m_num < 2 || !(m_step > 0.0f))
    m_regular = 0;

  std::int64_t width = 1;
  while (width < std::int64_t(m_num) + 1)
    width <<= 1;
  m_width = static_cast<int>(std::min<std::int64_t>(width, INT_MAX));
  // Powers of two: these are exact, so texel edges fall exactly on multiples of t0.
  m_t0 = static_cast<float>(1.0 / double(width));
  m_t1 = static_cast<float>(double(m_num) / double(width));
  m_span = m_t1 - m_t0;
  m_coordStep = m_num > 1 ? m_span / float(m_num - 1) : 0.0f;

  m_min = m_num > 0 ? m_values.front() : 0.0f;
  m_max = m_num > 0 ? m_values.back() : 0.0f;
  m_range = m_max - m_min;
  m_scale = m_range > 0.0f ? m_span / m_range : 0.0f;
}

void PiTextureContouring::releaseTexture()
{
  if (m_texture)
    m_texture->unref();
  m_texture = nullptr;
}

void PiTextureContouring::buildTexture()
{
  releaseTexture();
  if (m_num > kMaxIsovalues) {
    PoDebugError::post("PiTextureContouring::buildTexture",
                       "%d isovalues need a texture %d texels wide, wider than an image can be; "
                       "use at most %d isovalues or draw the bands as flat colours",
                       m_num, m_width, kMaxIsovalues);
    return;
  }
  const PbDataMapping* mapping = m_dataMapping ? m_dataMapping : &m_defaultDataMapping;
  const int withTransparency = mapping->isTransparencyEnabled();
  const int components = withTransparency ? 4 : 3;
  std::vector<unsigned char> texels(size_t(m_width) * size_t(components));

  // Texel 0 is the zone below the levels, texel k + 1 the band starting at c(k); the texels past
  // the last band repeat it, so that a filtered edge or a rounded coordinate stays in its colour.
  const int coloured = m_num + 1;
  for (int k = 0; k < coloured; ++k) {
    const float value = k == 0 ? kBelowLevels : m_values[size_t(k - 1)];
    float transparency = 0.0f;
    const SbColor* color =
        withTransparency ? mapping->getRGBColor(value, transparency) : mapping->getRGBColor(value);
    unsigned char* texel = &texels[size_t(k) * size_t(components)];
    // A null colour (a threshold without colour) lets the material beneath show through.
    for (int c = 0; c < 3; ++c)
      texel[c] = color ? toByte((*color)[c]) : 255;
    if (withTransparency)
      texel[3] = toByte(1.0f - transparency);
  }
  for (int k = coloured; k < m_width; ++k)
    std::copy_n(&texels[size_t(coloured - 1) * size_t(components)], components,
                &texels[size_t(k) * size_t(components)]);

  m_texture = new SoTexture2;
  m_texture->ref();
  m_texture->image.setValue(SbVec2s(static_cast<short>(m_width), 1), components, texels.data());
  m_texture->wrapS = SoTexture2::CLAMP;
  m_texture->wrapT = SoTexture2::CLAMP;
  m_texture->model = SoTexture2::MODULATE;
}

int PiTextureContouring::bandOf(float value) const
{
  const float* values = m_values.data();
  if (m_regular) {
    // Direct guess from the gap, settled against the stored values, which rounding may put a
    // hair away from first + i * step.
    int i = static_cast<int>(std::min((value - m_min) / m_step, float(m_num - 1)));
    i = std::max(i, 0);
    while (i + 1 < m_num && values[i + 1] <= value)
      ++i;
    while (i > 0 && values[i] > value)
      --i;
    return i;
  }
  return static_cast<int>(std::upper_bound(values, values + m_num, value) - values) - 1;
}

float PiTextureContouring::getTextureCoord(float value) const
{
  // NaN joins the values below the levels.
  if (m_num == 0 || !(value >= m_min))
    return 0.0f;
  if (value > m_max)
    return kAboveLevels;
  if (value == m_max)
    return m_t1;
  if (value == m_min)
    return m_t0;

  const int i = bandOf(value); // c(i) <= value < c(i+1)
  float s;
  if (m_regular) {
    s = (value - m_min) * m_scale + m_t0;
  } else {
    const float low = m_values[size_t(i)];
    const float high = m_values[size_t(i + 1)];
    s = m_t0 + float(i) * m_coordStep + (value - low) * (m_coordStep / (high - low));
  }
  // Rounding can push a value lying on an isovalue, or a hair above it, into the texel below;
  // keeping s inside texel i + 1 makes the drawn band the one the isovalue list names.
  const float first = float(i + 1) * m_t0;
  const float last = std::nextafter(float(i + 2) * m_t0, 0.0f);
  if (!(s >= first))
    s = first;
  else if (s > last)
    s = last;
  return s;
}

void PiTextureContouring::getTextureCoords(int num, const float* values, SbVec2f* out) const
{
  if (num < 0 || (num > 0 && (!values || !out))) {
    PoDebugError::post("PiTextureContouring::getTextureCoords",
                       "needs a count >= 0 and, for a positive count, the values and the output "
                       "(got %d, %s values, %s output)",
                       num, values ? "some" : "no", out ? "an" : "no");
    return;
  }
  for (int i = 0; i < num; ++i)
    out[i].setValue(getTextureCoord(values[i]), 0.0f);
}
