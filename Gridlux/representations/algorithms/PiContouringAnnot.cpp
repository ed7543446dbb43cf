// Places value labels along contour lines and cuts the lines where the labels lie.
#include <Gridlux/representations/algorithms/PiContouringAnnot.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

inline SbVec2f xy(const float* p) { return SbVec2f(p[0], p[1]); }

// Part [t0, t1] of segment a-b inside the oriented box; 0 when it misses the box.
int clipSegment(const PiContouringAnnot::Annotation& box, const SbVec2f& a, const SbVec2f& b, float& t0,
                float& t1)
{
  const SbVec2f ra = a - box.center, rb = b - box.center;
  const float pa[2] = {ra.dot(box.along), ra.dot(box.across)};
  const float pb[2] = {rb.dot(box.along), rb.dot(box.across)};
  const float half[2] = {box.halfWidth, box.halfHeight};
  t0 = 0.0f;
  t1 = 1.0f;
  for (int k = 0; k < 2; ++k) {
    const float d = pb[k] - pa[k];
    if (std::fabs(d) < 1e-20f) {
      if (std::fabs(pa[k]) > half[k])
        return 0;
      continue;
    }
    float u0 = (-half[k] - pa[k]) / d, u1 = (half[k] - pa[k]) / d;
    if (u0 > u1)
      std::swap(u0, u1);
    t0 = std::max(t0, u0);
    t1 = std::min(t1, u1);
    if (t0 > t1)
      return 0;
  }
  return 1;
}

// Separating-axis test of two oriented boxes, each grown by its own margin.
int boxesOverlap(const PiContouringAnnot::Annotation& a, const PiContouringAnnot::Annotation& b, float marginA,
                 float marginB)
{
  const SbVec2f axes[4] = {a.along, a.across, b.along, b.across};
  const SbVec2f d = b.center - a.center;
  for (const SbVec2f& axis : axes) {
    const float ra = (a.halfWidth + marginA) * std::fabs(a.along.dot(axis)) +
                     (a.halfHeight + marginA) * std::fabs(a.across.dot(axis));
    const float rb = (b.halfWidth + marginB) * std::fabs(b.along.dot(axis)) +
                     (b.halfHeight + marginB) * std::fabs(b.across.dot(axis));
    if (std::fabs(d.dot(axis)) > ra + rb)
      return 0;
  }
  return 1;
}

} // namespace

void PiContouringAnnot::Annotation::getCorners(SbVec2f corners[4]) const
{
  const SbVec2f w = along * halfWidth, h = across * halfHeight;
  corners[0] = center - w - h;
  corners[1] = center - w + h;
  corners[2] = center + w + h;
  corners[3] = center + w - h;
}

void PiContouringAnnot::setClippingPolygon(int num, const SbVec2f* points)
{
  m_polygon.clear();
  if (num >= 3 && points)
    m_polygon.assign(points, points + num);
}

int PiContouringAnnot::insidePolygon(const SbVec2f& q) const
{
  int inside = 0;
  const size_t n = m_polygon.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const SbVec2f& a = m_polygon[i];
    const SbVec2f& b = m_polygon[j];
    if ((a[1] > q[1]) != (b[1] > q[1]) && q[0] < (b[0] - a[0]) * (q[1] - a[1]) / (b[1] - a[1]) + a[0])
      inside = !inside;
  }
  return inside;
}

int PiContouringAnnot::findChord(const Tisoline_list& lines, int line, int segment, const SbVec2f& p, float radius,
                                 SbVec2f& direction) const
{
  const float* c = &lines.coords[3 * static_cast<size_t>(lines.lineStart[line])];
  const int n = lines.lineCount[line];
  const float r2 = radius * radius;
  SbVec2f ends[2];
  for (int side = 0; side < 2; ++side) {
    // Walk away from p vertex by vertex until one lies outside the circle.
    int inner = side ? segment + 1 : segment;
    const int step = side ? 1 : -1;
    SbVec2f inside = p;
    int found = 0;
    for (int k = inner; k >= 0 && k < n; k += step) {
      const SbVec2f q = xy(c + 3 * k);
      if ((q - p).sqrLength() >= r2) {
        // The circle crossing on inside-q: |inside + t (q - inside) - p| = radius, t in [0, 1].
        const SbVec2f d = q - inside, f = inside - p;
        const float a = d.dot(d), b = 2 * f.dot(d), cc = f.dot(f) - r2;
        const float disc = std::max(0.0f, b * b - 4 * a * cc);
        const float t = a > 0 ? (-b + std::sqrt(disc)) / (2 * a) : 0.0f;
        ends[side] = inside + d * std::min(1.0f, std::max(0.0f, t));
        found = 1;
        break;
      }
      inside = q;
    }
    if (!found)
      return 0;
  }
  direction = ends[1] - ends[0];
  if (direction.length() <= 0)
    return 0;
  direction.normalize();
  return 1;
}

int PiContouringAnnot::isAccepted(const Tisoline_list& lines, const Annotation& box, const char* isMajor,
                                  const std::vector<Annotation>& placed) const
{
  const float margin = 0.1f * box.halfWidth;
  for (const Annotation& other : placed)
    if (boxesOverlap(box, other, margin, 0.1f * other.halfWidth))
      return 0;

  SbVec2f corners[4];
  box.getCorners(corners);
  if (m_polygon.size() >= 3) {
    float xmin = m_polygon[0][0], xmax = xmin, ymin = m_polygon[0][1], ymax = ymin;
    for (const SbVec2f& q : m_polygon) {
      xmin = std::min(xmin, q[0]);
      xmax = std::max(xmax, q[0]);
      ymin = std::min(ymin, q[1]);
      ymax = std::max(ymax, q[1]);
    }
    int meets = 0;
    for (const SbVec2f& q : corners)
      meets |= q[0] >= xmin && q[0] <= xmax && q[1] >= ymin && q[1] <= ymax;
    if (!meets)
      return 0;
    for (const SbVec2f& q : corners)
      if (!insidePolygon(q))
        return 0;
  }

  if (m_crossStatus == CROSS_CONTOUR)
    return 1;
  const float reach = box.halfWidth + box.halfHeight;
  for (int i = 0; i < lines.numLines; ++i) {
    if (i == box.line || (m_crossStatus == CROSS_MINOR_CONTOUR && !isMajor[i]))
      continue;
    const float* lb = &m_lineBoxes[4 * static_cast<size_t>(i)];
    if (box.center[0] + reach < lb[0] || box.center[0] - reach > lb[2] || box.center[1] + reach < lb[1] ||
        box.center[1] - reach > lb[3])
      continue;
    const float* c = &lines.coords[3 * static_cast<size_t>(lines.lineStart[i])];
    for (int k = 0; k + 1 < lines.lineCount[i]; ++k) {
      float t0, t1;
      if (clipSegment(box, xy(c + 3 * k), xy(c + 3 * k + 3), t0, t1))
        return 0;
    }
  }
  return 1;
}

void PiContouringAnnot::place(const Tisoline_list& lines, const char* annotate, const char* isMajor,
                              const float* widths, const float* heights, std::vector<Annotation>& out)
{
  out.clear();
  m_lineBoxes.resize(4 * static_cast<size_t>(lines.numLines));
  for (int i = 0; i < lines.numLines; ++i) {
    const float* c = &lines.coords[3 * static_cast<size_t>(lines.lineStart[i])];
    float* lb = &m_lineBoxes[4 * static_cast<size_t>(i)];
    lb[0] = lb[2] = c[0];
    lb[1] = lb[3] = c[1];
    for (int k = 1; k < lines.lineCount[i]; ++k) {
      lb[0] = std::min(lb[0], c[3 * k]);
      lb[2] = std::max(lb[2], c[3 * k]);
      lb[1] = std::min(lb[1], c[3 * k + 1]);
      lb[3] = std::max(lb[3], c[3 * k + 1]);
    }
  }

  for (int i = 0; i < lines.numLines; ++i) {
    if (!annotate[i])
      continue;
    const float w = widths[i], h = heights[i];
    if (!(w > 0) || !(h > 0))
      continue;
    const float* c = &lines.coords[3 * static_cast<size_t>(lines.lineStart[i])];
    const int n = lines.lineCount[i];
    m_arc.assign(n, 0.0);
    for (int k = 1; k < n; ++k)
      m_arc[k] = m_arc[k - 1] + (xy(c + 3 * k) - xy(c + 3 * k - 3)).length();
    const double length = m_arc[n - 1];
    // Too short a line for its label.
    if (!(length > 1.5 * (w * w + h * h)))
      continue;
    const double gap = m_gap > 0 ? m_gap : w;
    double s = std::min(0.5 * gap, 0.5 * length);
    int segment = 0;
    while (s <= length) {
      while (segment + 2 < n && m_arc[segment + 1] < s)
        ++segment;
      const double span = m_arc[segment + 1] - m_arc[segment];
      const float t = span > 0 ? static_cast<float>((s - m_arc[segment]) / span) : 0.0f;
      const float* a = c + 3 * segment;
      const SbVec2f p = xy(a) + (xy(a + 3) - xy(a)) * t;

      Annotation box;
      box.line = i;
      box.center = p;
      box.z = a[2] + (a[5] - a[2]) * t;
      box.halfWidth = 0.5f * w;
      box.halfHeight = 0.5f * h;
      int usable = 1;
      if (m_path == TANGENTIAL_PATH) {
        usable = findChord(lines, i, segment, p, 0.5f * w, box.along);
        if (usable && box.along[0] < 0)
          box.along = -box.along; // never upside down
      } else {
        box.along = m_path == HORIZONTAL_PATH ? SbVec2f(1, 0) : SbVec2f(0, 1);
      }
      box.across = SbVec2f(-box.along[1], box.along[0]);
      if (usable && isAccepted(lines, box, isMajor, out)) {
        out.push_back(box);
        s += gap;
      } else {
        s += 0.5 * w;
      }
    }
  }
}

void PiContouringAnnot::clipLines(const Tisoline_list& lines, const char* select, int value,
                                  const std::vector<Annotation>& boxes, std::vector<float>& coords,
                                  std::vector<int>& counts, std::vector<int>& sources)
{
  coords.clear();
  counts.clear();
  sources.clear();
  std::vector<std::pair<float, float>> inside;
  for (int i = 0; i < lines.numLines; ++i) {
    if (select[i] != value)
      continue;
    const float* c = &lines.coords[3 * static_cast<size_t>(lines.lineStart[i])];
    int open = 0; // a polyline is being written
    auto addPoint = [&](const float* a, float t) {
      for (int k = 0; k < 3; ++k)
        coords.push_back(a[k] + (a[k + 3] - a[k]) * t);
      ++counts.back();
    };
    for (int k = 0; k + 1 < lines.lineCount[i]; ++k) {
      const float* a = c + 3 * k;
      inside.clear();
      for (const Annotation& box : boxes) {
        float t0, t1;
        if (clipSegment(box, xy(a), xy(a + 3), t0, t1))
          inside.emplace_back(t0, t1);
      }
      std::sort(inside.begin(), inside.end());
      // The outside parts of the segment, in order: each continues the polyline being written
      // when it starts at the segment's start, else it starts a new one.
      int continued = 0;
      float from = 0.0f;
      for (size_t b = 0; b <= inside.size(); ++b) {
        const float to = b < inside.size() ? inside[b].first : 1.0f;
        if (to > from) {
          if (!(open && from == 0.0f)) {
            counts.push_back(0);
            sources.push_back(i);
            addPoint(a, from);
          }
          addPoint(a, to);
          continued = to >= 1.0f;
        }
        if (b < inside.size())
          from = std::max(from, inside[b].second);
      }
      open = continued;
    }
  }
  // Pieces of a single point carry no line.
  std::vector<float> kept;
  std::vector<int> keptCounts, keptSources;
  size_t offset = 0;
  for (size_t piece = 0; piece < counts.size(); ++piece) {
    const int count = counts[piece];
    if (count >= 2) {
      kept.insert(kept.end(), coords.begin() + offset, coords.begin() + offset + 3 * count);
      keptCounts.push_back(count);
      keptSources.push_back(sources[piece]);
    }
    offset += 3 * static_cast<size_t>(count);
  }
  coords.swap(kept);
  counts.swap(keptCounts);
  sources.swap(keptSources);
}
