// RGB to HLS and back, in the hexcone model with hue as a fraction of a turn.
#include <Gridlux/attributes/PiColorConverter.h>

namespace {

// One RGB component from the hue, between the two lightness bounds m1 <= m2.
float hueToComponent(float m1, float m2, float h)
{
  if (h > 1.0f)
    h -= 1.0f;
  if (h < 0.16666666f)
    return m1 + (m2 - m1) * 6.0f * h;
  if (h < 0.5f)
    return m2;
  if (h < 0.66666666f)
    return m1 + (m2 - m1) * (0.66666666f - h) * 6.0f;
  return m1;
}

} // namespace

void PiColorConverter::getHLSColor(const SbColor& rgb, float hls[3])
{
  const float r = rgb[0], g = rgb[1], b = rgb[2];
  float max, numerator, offset;
  if (r > g && r > b) {
    max = r;
    numerator = g - b;
    offset = 0.0f;
  }
  else if (r <= g && g >= b) {
    max = g;
    numerator = b - r;
    offset = 1.0f / 3.0f;
  }
  else {
    max = b;
    numerator = r - g;
    offset = 2.0f / 3.0f;
  }
  float min = r < g ? r : g;
  if (b < min)
    min = b;

  const float sum = max + min;
  const float delta = max - min;
  hls[1] = sum * 0.5f;
  if (delta < 0.0001f) {
    // A grey: the hue is meaningless, the tiny spread is kept as saturation.
    hls[0] = 0.0f;
    hls[2] = delta;
    return;
  }
  float h = numerator / delta * (1.0f / 6.0f) + offset;
  if (h < 0.0f)
    h += 1.0f;
  hls[0] = h;
  const float saturation = sum < 1.0f ? delta / sum : delta / (2.0f - sum);
  // Rounding can push a fully saturated colour a hair above 1.
  hls[2] = saturation > 1.0f ? 1.0f : saturation;
}

void PiColorConverter::getRGBColor(const float hls[3], SbColor& rgb)
{
  const float h = hls[0], l = hls[1], s = hls[2];
  const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
  const float m1 = 2.0f * l - m2;
  if (s < 0.001f) {
    rgb.setValue(l, l, l);
    return;
  }
  rgb.setValue(hueToComponent(m1, m2, h + 0.33333333f), hueToComponent(m1, m2, h),
               hueToComponent(m1, m2, h + 0.66666666f));
}
