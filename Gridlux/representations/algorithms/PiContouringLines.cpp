// Contour lines of a 2D mesh: the linked edge crossings chained into one polyline per contour piece.
#include <Gridlux/representations/algorithms/PiContouringLines.h>

#include <cstddef>

PiContouringLines::PiContouringLines() = default;

void PiContouringLines::getLines(const float* values, const float* z, Tisoline_list* out)
{
  if (!out)
    return;
  out->numLines = 0;
  out->lineStart.clear();
  out->lineCount.clear();
  out->lineValue.clear();
  out->coords.clear();
  if (z)
    setZ(z);
  if (!computeCrossings(values))
    return;

  // Open lines first: they start where a crossing has only one neighbour (on the boundary).
  const int numPoints = static_cast<int>(m_crossPoints.size());
  for (int p = 0; p < numPoints; ++p) {
    const CrossPoint& cp = m_crossPoints[p];
    if (!cp.used && (cp.link[0] < 0 || cp.link[1] < 0))
      chain(p, 0, out);
  }
  for (int p = 0; p < numPoints; ++p) {
    if (!m_crossPoints[p].used)
      chain(p, 1, out);
  }
}

void PiContouringLines::chain(int start, int closed, Tisoline_list* out)
{
  const int first = out->getNumPoints();
  int count = 0;
  for (int p = start; p >= 0;) {
    CrossPoint& cp = m_crossPoints[p];
    cp.used = 1;
    out->coords.insert(out->coords.end(), &m_crossCoords[3 * p], &m_crossCoords[3 * p] + 3);
    ++count;
    const int a = cp.link[0], b = cp.link[1];
    p = (a >= 0 && !m_crossPoints[a].used) ? a : (b >= 0 && !m_crossPoints[b].used) ? b : -1;
  }
  if (closed && count > 2) {
    out->coords.insert(out->coords.end(), &m_crossCoords[3 * start], &m_crossCoords[3 * start] + 3);
    ++count;
  }
  if (count < 2) {
    out->coords.resize(3 * static_cast<size_t>(first));
    return;
  }
  out->lineStart.push_back(first);
  out->lineCount.push_back(count);
  out->lineValue.push_back(getRankOriginal(m_crossPoints[start].isoRank));
  ++out->numLines;
}
