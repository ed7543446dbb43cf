// Places the boxes, texts and factor of a value legend inside its inner rectangle.
#include <Gridlux/text/PiLegendLayout.h>

#include <algorithm>
#include <cmath>

namespace {
const float kBox = 0.975f;        // box height, and the gap between rows
const float kColumnGap = 1.3f;    // between columns
const float kTextGap = 0.65f;     // between a box and the text beside it
const float kTextRow = 2.275f;    // a row with its text above or below the box
const float kFactorTall = 2.09f;  // the factor's band above a tall legend
const float kFactorGap = 0.975f;  // before the factor of a wide legend
const float kFactorHigh = 1.115f; // the least height a wide legend with a factor needs

const float kBarThickness = 0.3f; // of the side across the bar
const float kBarGap = 0.5f;       // between the bar and its labels
const float kLinePitch = 1.3f;    // between label lines along a vertical bar
const float kUndefBox = 1.3f;     // length of an undefined box
const float kUndefGap = 0.465f;   // between an undefined box and the bar
const float kLabelEnds = 0.5f;    // between two labels' ends along a horizontal bar

bool usable(float v)
{
  return std::isfinite(v) && v > 0.0f;
}
} // namespace

bool PiLegendLayout::computeBoxes(const BoxesInput& in, BoxesLayout& out)
{
  out = BoxesLayout();
  const int num = in.numBoxes;
  if (num <= 0 || in.inner.isEmpty())
    return false;
  float iw, ih;
  in.inner.getSize(iw, ih);
  if (!usable(iw) || !usable(ih))
    return false;
  const int columns = std::max(1, std::min(in.numColumns, num));
  const int rows = (num + columns - 1) / columns;
  const auto indexOf = [&](int row, int column) {
    return in.columnByColumn ? column * rows + row : row * columns + column;
  };
  const float ratio = usable(in.boxRatio) ? in.boxRatio : 1.0f;
  const float boxWidth = in.sampleWidth >= 0.0f && std::isfinite(in.sampleWidth) ? in.sampleWidth : kBox * ratio;
  const bool beside = in.textSide == TEXT_RIGHT || in.textSide == TEXT_LEFT;
  const bool hasText = in.textSide != TEXT_NONE;

  // Widest text of each column.
  std::vector<float> textWidth(columns, 0.0f);
  for (int c = 0; c < columns; ++c)
    for (int r = 0; r < rows; ++r) {
      const int i = indexOf(r, c);
      if (hasText && i < num && i < int(in.textWidths.size()) && std::isfinite(in.textWidths[i]))
        textWidth[c] = std::max(textWidth[c], in.textWidths[i]);
    }

  // Room needed at font size 1.
  const float rowHeight = beside || !hasText ? kBox : kTextRow;
  float heightNeeded = rows * rowHeight + (rows - 1) * kBox;
  std::vector<float> columnWidth(columns);
  float widthNeeded = (columns - 1) * kColumnGap;
  for (int c = 0; c < columns; ++c) {
    columnWidth[c] = beside ? boxWidth + kTextGap + textWidth[c] : std::max(boxWidth, textWidth[c]);
    widthNeeded += columnWidth[c];
  }
  const float factor = usable(in.factorWidth) ? in.factorWidth : 0.0f;
  if (factor > 0.0f) {
    if (in.orientation == 1) {
      heightNeeded += kFactorTall;
      widthNeeded = std::max(widthNeeded, factor);
    } else {
      widthNeeded += kFactorGap + factor;
      heightNeeded = std::max(heightNeeded, kFactorHigh);
    }
  }
  const float s = std::min(iw / widthNeeded, ih / heightNeeded);
  if (!usable(s))
    return false;
  out.size = s;
  out.numColumns = columns;
  out.numRows = rows;

  // Width left over in equal gaps around the columns (and the factor of a wide legend).
  const float gap = std::max(0.0f, iw - s * widthNeeded) / (columns + 1);
  const SbVec2f lo = in.inner.getMin(), hi = in.inner.getMax();
  const float contentHeight = s * heightNeeded;
  float top = hi[1] - 0.5f * std::max(0.0f, ih - contentHeight);
  if (factor > 0.0f && in.orientation == 1) {
    // The factor's base line a little above the middle of its band, from the left of the boxes.
    out.factorAt.setValue(lo[0] + gap, top - 0.75f * kFactorTall * s);
    top -= kFactorTall * s;
  }

  out.boxes.resize(num);
  float x = lo[0] + gap;
  for (int c = 0; c < columns; ++c) {
    const float cw = columnWidth[c] * s;
    for (int r = 0; r < rows; ++r) {
      const int i = indexOf(r, c);
      if (i >= num)
        continue;
      const float rowTop = top - r * (rowHeight + kBox) * s;
      Placed& p = out.boxes[i];
      switch (in.textSide) {
      case TEXT_LEFT: {
        const float bx = x + (textWidth[c] + kTextGap) * s;
        p.box.setBounds(bx, rowTop - kBox * s, bx + boxWidth * s, rowTop);
        p.textAt.setValue(bx - kTextGap * s, rowTop - 0.5f * kBox * s);
        break;
      }
      case TEXT_ABOVE: {
        const float bx = x + 0.5f * (cw - boxWidth * s);
        p.box.setBounds(bx, rowTop - kTextRow * s, bx + boxWidth * s, rowTop - (kTextRow - kBox) * s);
        p.textAt.setValue(x + 0.5f * cw, rowTop - (kTextRow - kBox) * s + 0.2f * s);
        break;
      }
      case TEXT_BELOW: {
        const float bx = x + 0.5f * (cw - boxWidth * s);
        p.box.setBounds(bx, rowTop - kBox * s, bx + boxWidth * s, rowTop);
        p.textAt.setValue(x + 0.5f * cw, rowTop - kBox * s - 0.2f * s);
        break;
      }
      default: // right of the box, or no text
        p.box.setBounds(x, rowTop - kBox * s, x + boxWidth * s, rowTop);
        p.textAt.setValue(x + (boxWidth + kTextGap) * s, rowTop - 0.5f * kBox * s);
        break;
      }
    }
    x += cw + kColumnGap * s + gap;
  }
  if (factor > 0.0f && in.orientation == 0) {
    // After the last column, its base line across the middle of the rows.
    x += (kFactorGap - kColumnGap) * s;
    const float rowsMiddle = top - 0.5f * (rows * rowHeight + (rows - 1) * kBox) * s;
    out.factorAt.setValue(x, rowsMiddle - 0.35f * s);
  }
  return true;
}

bool PiLegendLayout::computeBar(const BarInput& in, BarLayout& out)
{
  out = BarLayout();
  const int numBoxes = int(in.weights.size());
  if (numBoxes <= 0 || in.inner.isEmpty())
    return false;
  float iw, ih;
  in.inner.getSize(iw, ih);
  if (!usable(iw) || !usable(ih))
    return false;
  double totalWeight = 0.0;
  for (float w : in.weights)
    totalWeight += usable(w) ? w : 0.0f;
  if (!(totalWeight > 0.0))
    return false;

  const bool vertical = in.vertical != 0;
  const float along = vertical ? ih : iw, across = vertical ? iw : ih;
  const float thickness = kBarThickness * across;
  const float share = std::min(1.0f, std::max(0.0f, std::isfinite(in.maxValueSize) ? in.maxValueSize : 0.0f));
  const bool hasText = in.textSide != TEXT_NONE;
  const float factor = usable(in.factorWidth) ? in.factorWidth : 0.0f;

  // Where along the bar, as a fraction of its length, each label sits.
  std::vector<double> boundary(numBoxes + 1, 0.0);
  for (int k = 0; k < numBoxes; ++k)
    boundary[k + 1] = boundary[k] + (usable(in.weights[k]) ? in.weights[k] : 0.0f) / totalWeight;
  const int numLabels = hasText ? int(std::min(in.labelAt.size(), in.labelWidths.size())) : 0;
  std::vector<float> fraction(numLabels);
  float widest = 0.0f;
  for (int l = 0; l < numLabels; ++l) {
    const float t = std::min(float(numBoxes), std::max(0.0f, std::isfinite(in.labelAt[l]) ? in.labelAt[l] : 0.0f));
    const int k = std::min(numBoxes - 1, int(std::floor(t)));
    fraction[l] = float(boundary[k] + (t - k) * (boundary[k + 1] - boundary[k]));
    widest = std::max(widest, in.labelWidths[l]);
  }
  const float undefWidest = std::max(in.lowerUndef ? in.lowerUndefWidth : 0.0f, in.upperUndef ? in.upperUndefWidth : 0.0f);
  widest = std::max(widest, hasText ? undefWidest : 0.0f);

  // Length kept off the bar in units of s: undefined boxes, factor, half a label at each end.
  const int numUndef = (in.lowerUndef ? 1 : 0) + (in.upperUndef ? 1 : 0);
  float reserve = numUndef * (kUndefBox + kUndefGap);
  if (vertical) {
    reserve += (factor > 0.0f ? kFactorTall : 0.0f) + 2 * 0.5f;
  } else {
    reserve += factor > 0.0f ? factor + kFactorGap : 0.0f;
    // The undefined boxes' texts may be wider than their boxes.
    if (in.lowerUndef && hasText)
      reserve += std::max(0.0f, in.lowerUndefWidth - kUndefBox) + kLabelEnds;
    if (in.upperUndef && hasText)
      reserve += std::max(0.0f, in.upperUndefWidth - kUndefBox) + kLabelEnds;
    if (numLabels > 0) {
      const auto ends = std::minmax_element(fraction.begin(), fraction.end());
      reserve += 0.5f * (in.labelWidths[ends.first - fraction.begin()] + in.labelWidths[ends.second - fraction.begin()]);
    }
  }

  // The largest size every constraint allows.
  float s = hasText ? along / (reserve + 2.0f) : 0.05f * along;
  const float room = across - thickness;
  if (hasText && widest > 0.0f) {
    if (vertical)
      s = std::min({s, share * room / widest, room / (widest + kBarGap)});
    else
      s = std::min({s, share * room, room / (1.0f + kBarGap)});
  }
  std::vector<int> order(numLabels);
  for (int l = 0; l < numLabels; ++l)
    order[l] = l;
  std::sort(order.begin(), order.end(), [&](int a, int b) { return fraction[a] < fraction[b]; });
  for (int k = 0; k + 1 < numLabels; ++k) {
    const int a = order[k], b = order[k + 1];
    const float gap = fraction[b] - fraction[a];
    // gap * (along - reserve s) >= need s
    const float need = vertical ? kLinePitch : 0.5f * (in.labelWidths[a] + in.labelWidths[b]) + kLabelEnds;
    if (gap > 0.0f)
      s = std::min(s, gap * along / (need + gap * reserve));
  }
  if (!usable(s))
    return false;
  const float length = along - reserve * s;
  if (!usable(length))
    return false;
  out.size = s;

  // Across: the bar, the gap and the widest label, centred.
  const SbVec2f lo = in.inner.getMin();
  const float labelsAcross = hasText ? kBarGap * s + (vertical ? widest * s : 1.0f * s) : 0.0f;
  const float offset = 0.5f * std::max(0.0f, room - labelsAcross);
  const bool labelsFirst = in.textSide == TEXT_LEFT || in.textSide == TEXT_BELOW;
  const float acrossLo = (vertical ? lo[0] : lo[1]) + offset + (labelsFirst ? labelsAcross : 0.0f);
  const float acrossHi = acrossLo + thickness;
  const float labelLine = labelsFirst ? acrossLo - kBarGap * s : acrossHi + kBarGap * s;

  // Along: lower undefined box, the bar, upper undefined box, the factor.
  float start = vertical ? lo[1] + 0.5f * s : lo[0];
  const auto firstLabelHalf = [&]() {
    if (vertical || numLabels == 0)
      return 0.0f;
    const auto first = std::min_element(fraction.begin(), fraction.end());
    return 0.5f * in.labelWidths[first - fraction.begin()] * s;
  };
  const auto rectAlong = [&](float a0, float a1) {
    SbBox2f r;
    if (vertical)
      r.setBounds(acrossLo, a0, acrossHi, a1);
    else
      r.setBounds(a0, acrossLo, a1, acrossHi);
    return r;
  };
  const auto pointAt = [&](float a, float c) { return vertical ? SbVec2f(c, a) : SbVec2f(a, c); };
  if (in.lowerUndef) {
    const float extra = !vertical && hasText ? std::max(0.0f, in.lowerUndefWidth - kUndefBox) * 0.5f * s : 0.0f;
    start += extra;
    out.lowerUndef = rectAlong(start, start + kUndefBox * s);
    out.lowerUndefAt = pointAt(start + 0.5f * kUndefBox * s, labelLine);
    start += (kUndefBox + kUndefGap) * s + extra + (!vertical && hasText ? kLabelEnds * s : 0.0f);
  }
  start += firstLabelHalf();
  for (int k = 0; k < numBoxes; ++k)
    out.boxes.push_back(rectAlong(start + float(boundary[k]) * length, start + float(boundary[k + 1]) * length));
  for (int l = 0; l < numLabels; ++l)
    out.labelsAt.push_back(pointAt(start + fraction[l] * length, labelLine));
  float end = start + length;
  if (in.upperUndef) {
    const float extra = !vertical && hasText ? std::max(0.0f, in.upperUndefWidth - kUndefBox) * 0.5f * s : 0.0f;
    end += kUndefGap * s + extra + (!vertical && hasText ? kLabelEnds * s : 0.0f);
    if (!vertical && numLabels > 0) {
      const auto last = std::max_element(fraction.begin(), fraction.end());
      end += 0.5f * in.labelWidths[last - fraction.begin()] * s;
    }
    out.upperUndef = rectAlong(end, end + kUndefBox * s);
    out.upperUndefAt = pointAt(end + 0.5f * kUndefBox * s, labelLine);
    end += kUndefBox * s + extra;
  }
  if (factor > 0.0f) {
    if (vertical)
      out.factorAt.setValue(acrossLo, end + 0.5f * s + 0.6f * s);
    else
      out.factorAt.setValue(end + kFactorGap * s, acrossLo + 0.5f * thickness - 0.35f * s);
  }
  return true;
}
