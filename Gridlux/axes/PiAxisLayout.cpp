// Layout rules of an axis on plain values: margins, tick lengths, label size and text alignment.
#include <Gridlux/axes/PiAxisLayout.h>

#include <algorithm>
#include <cmath>

void PiAxisLayout::getGradLimit(bool relativeMargin, float marginStart, float marginEnd,
                                float s, float e, float& lo, float& hi)
{
  const float length = std::fabs(e - s);
  float m0 = std::fabs(marginStart), m1 = std::fabs(marginEnd);
  if (relativeMargin) {
    m0 *= length;
    m1 *= length;
  }
  if (!std::isfinite(m0))
    m0 = 0.0f;
  if (!std::isfinite(m1))
    m1 = 0.0f;
  if (s <= e) {
    lo = s + m0;
    hi = e - m1;
    if (hi < lo)
      lo = hi;
  }
  else {
    lo = s - m0;
    hi = e + m1;
    if (hi > lo)
      lo = hi;
  }
}

float PiAxisLayout::getAutoTickLength(int numGrads)
{
  // Dense axes get shorter ticks so that the tick marks do not read as a band.
  if (numGrads < 12)
    return 0.025f;
  if (numGrads < 25)
    return 0.016f;
  return 0.012f;
}

void PiAxisLayout::getTickSpan(int position, bool labelsAbove, float& a, float& b)
{
  const float side = labelsAbove ? 1.0f : -1.0f;
  switch (position) {
  case 1:
    a = 0.0f;
    b = -side;
    break;
  case 2:
    a = -0.5f;
    b = 0.5f;
    break;
  default:
    a = 0.0f;
    b = side;
    break;
  }
}

float PiAxisLayout::getLabelSize(bool horizontal, float nominal, float room, float widthAtNominal,
                                 int maxLines)
{
  if (!(room > 0.0f))
    return nominal;
  if (horizontal) {
    if (widthAtNominal <= room || !(widthAtNominal > 0.0f))
      return nominal;
    return nominal * room / widthAtNominal;
  }
  const int k = std::max(1, maxLines);
  if ((k - 1) * nominal + 0.65f * nominal <= room)
    return nominal;
  return room / k;
}

void PiAxisLayout::getLabelAlignment(PiText::Path path, bool above, PiText::HorAlignment& hor,
                                     PiText::VertAlignment& vert)
{
  switch (path) {
  case PiText::PATH_RIGHT:
    hor = PiText::CENTER;
    vert = above ? PiText::BASE : PiText::CAP;
    break;
  case PiText::PATH_LEFT:
    // Upside down: the text's own "up" points toward the axis below it.
    hor = PiText::CENTER;
    vert = above ? PiText::CAP : PiText::BASE;
    break;
  case PiText::PATH_UP:
    hor = above ? PiText::LEFT : PiText::RIGHT;
    vert = PiText::HALF;
    break;
  case PiText::PATH_DOWN:
    hor = above ? PiText::RIGHT : PiText::LEFT;
    vert = PiText::HALF;
    break;
  }
}

void PiAxisLayout::getTitleAlignment(PiText::Path path, bool atEnd, bool above, bool increasing,
                                     PiText::HorAlignment& hor, PiText::VertAlignment& vert)
{
  if (!atEnd) {
    getLabelAlignment(path, above, hor, vert);
    return;
  }
  // Beyond the end: the text starts at the anchor and runs away from the axis line.
  switch (path) {
  case PiText::PATH_RIGHT:
    hor = increasing ? PiText::LEFT : PiText::RIGHT;
    vert = PiText::HALF;
    break;
  case PiText::PATH_LEFT:
    hor = increasing ? PiText::RIGHT : PiText::LEFT;
    vert = PiText::HALF;
    break;
  case PiText::PATH_UP:
    // Glyphs point toward -x: their top faces an increasing axis's end.
    hor = PiText::CENTER;
    vert = increasing ? PiText::TOP : PiText::BOTTOM;
    break;
  case PiText::PATH_DOWN:
    hor = PiText::CENTER;
    vert = increasing ? PiText::BOTTOM : PiText::TOP;
    break;
  }
}

void PiAxisLayout::getPathDirections(PiText::Path path, float reading[2], float up[2])
{
  static const float table[4][4] = {
      {1, 0, 0, 1},   // right
      {-1, 0, 0, -1}, // left
      {0, 1, -1, 0},  // up
      {0, -1, 1, 0},  // down
  };
  const int i = (path >= PiText::PATH_RIGHT && path <= PiText::PATH_DOWN) ? int(path) : 0;
  reading[0] = table[i][0];
  reading[1] = table[i][1];
  up[0] = table[i][2];
  up[1] = table[i][3];
}
