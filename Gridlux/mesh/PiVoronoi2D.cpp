// Sweep insertion with edge flips: a Delaunay triangulation that always covers the convex hull.
#include <Gridlux/mesh/PiVoronoi2D.h>

#include <algorithm>
#include <cmath>

double PiVoronoi2D::orient(int a, int b, int c) const
{
  const double abx = double(m_x[b]) - m_x[a], aby = double(m_y[b]) - m_y[a];
  const double acx = double(m_x[c]) - m_x[a], acy = double(m_y[c]) - m_y[a];
  const double l = abx * acy, r = aby * acx;
  const double det = l - r;
  // Within rounding of zero counts as on the line: no sliver is ever made from collinear points.
  return std::abs(det) <= 1e-12 * (std::abs(l) + std::abs(r)) ? 0.0 : det;
}

int PiVoronoi2D::inCircle(int a, int b, int c, int d) const
{
  const double dx = m_x[d], dy = m_y[d];
  const double adx = m_x[a] - dx, ady = m_y[a] - dy;
  const double bdx = m_x[b] - dx, bdy = m_y[b] - dy;
  const double cdx = m_x[c] - dx, cdy = m_y[c] - dy;
  const double al = adx * adx + ady * ady, bl = bdx * bdx + bdy * bdy, cl = cdx * cdx + cdy * cdy;
  const double det = al * (bdx * cdy - bdy * cdx) + bl * (cdx * ady - cdy * adx) + cl * (adx * bdy - ady * bdx);
  const double perm = al * (std::abs(bdx * cdy) + std::abs(bdy * cdx)) +
                      bl * (std::abs(cdx * ady) + std::abs(cdy * adx)) + cl * (std::abs(adx * bdy) + std::abs(ady * bdx));
  // Cocircular points (a regular grid) keep either diagonal: flipping them back and forth never ends.
  return det > 1e-10 * perm ? 1 : 0;
}

void PiVoronoi2D::link(int t, int a, int b, int u)
{
  Tri& tri = m_tris[t];
  for (int i = 0; i < 3; i++) {
    const int p = tri.v[(i + 1) % 3], q = tri.v[(i + 2) % 3];
    if ((p == a && q == b) || (p == b && q == a)) {
      tri.n[i] = u;
      return;
    }
  }
}

void PiVoronoi2D::setHull(int a, int b, int t)
{
  m_next[a] = b;
  m_prev[b] = a;
  m_hullTri[a] = t;
}

void PiVoronoi2D::flip(int t, int i)
{
  // t = (a, b, c) with a at slot i, u = (d, c, b) across b-c; they become (a, b, d) and (a, d, c).
  const int u = m_tris[t].n[i];
  Tri T = m_tris[t], U = m_tris[u];
  const int a = T.v[i], b = T.v[(i + 1) % 3], c = T.v[(i + 2) % 3];
  int j = 0;
  while (U.n[j] != t)
    j++;
  const int d = U.v[j];
  const int tAcrossAB = T.n[(i + 2) % 3], tAcrossCA = T.n[(i + 1) % 3];
  const int uAcrossDC = U.n[(j + 2) % 3], uAcrossBD = U.n[(j + 1) % 3];
  m_tris[t] = Tri{{a, b, d}, {uAcrossBD, u, tAcrossAB}};
  m_tris[u] = Tri{{a, d, c}, {uAcrossDC, tAcrossCA, t}};
  if (uAcrossBD >= 0)
    link(uAcrossBD, b, d, t);
  else
    m_hullTri[b] = t;
  if (tAcrossCA >= 0)
    link(tAcrossCA, c, a, u);
  else
    m_hullTri[c] = u;
  if (tAcrossAB < 0)
    m_hullTri[a] = t;
  if (uAcrossDC < 0)
    m_hullTri[d] = u;
}

void PiVoronoi2D::legalize(int t0, int slot0)
{
  // Pairs (triangle, slot of the new point); the edge opposite the new point is checked.
  m_stack.clear();
  m_stack.push_back(t0);
  m_stack.push_back(slot0);
  while (!m_stack.empty()) {
    const int slot = m_stack.back();
    m_stack.pop_back();
    const int t = m_stack.back();
    m_stack.pop_back();
    const int u = m_tris[t].n[slot];
    if (u < 0)
      continue;
    int j = 0;
    while (m_tris[u].n[j] != t)
      j++;
    const Tri& T = m_tris[t];
    if (!inCircle(T.v[0], T.v[1], T.v[2], m_tris[u].v[j]))
      continue;
    flip(t, slot);
    // The new point sits at slot 0 of both triangles; their far edges may now be illegal.
    m_stack.push_back(t);
    m_stack.push_back(0);
    m_stack.push_back(u);
    m_stack.push_back(0);
  }
}

int PiVoronoi2D::insertOutside(int p, int q)
{
  // q, the previous point, is the hull vertex with the largest (x, y): p sees an edge next to it.
  auto visible = [this, p](int a) { return orient(a, m_next[a], p) < 0; };
  const size_t limit = m_tris.size() + 3;
  int first = q, last = q;
  for (size_t k = 0; k < limit && visible(m_prev[first]); k++)
    first = m_prev[first];
  for (size_t k = 0; k < limit && visible(last); k++)
    last = m_next[last];
  if (first == last)
    return 0; // rounding left nothing visible: the point stays out of the triangulation
  int previous = -1;
  int a = first;
  const int firstTri = int(m_tris.size());
  while (a != last) {
    const int b = m_next[a];
    const int t = m_hullTri[a];
    const int created = int(m_tris.size());
    m_tris.push_back(Tri{{b, a, p}, {previous, -1, t}});
    link(t, a, b, created);
    if (previous >= 0)
      m_tris[previous].n[1] = created; // previous = (a, a_prev, p): edge p-a is opposite a_prev
    previous = created;
    a = b;
  }
  m_next[first] = p;
  m_prev[p] = first;
  m_hullTri[first] = firstTri;
  m_next[p] = last;
  m_prev[last] = p;
  m_hullTri[p] = previous;
  for (int t = firstTri; t <= previous; t++) {
    int slot = 0;
    while (m_tris[t].v[slot] != p)
      slot++;
    legalize(t, slot);
  }
  return 1;
}

int PiVoronoi2D::triangulate(int num, const float* x, const float* y)
{
  m_out.clear();
  m_tris.clear();
  if (num < 3 || !x || !y)
    return 0;
  m_x = x;
  m_y = y;
  m_order.resize(size_t(num));
  for (int i = 0; i < num; i++)
    m_order[i] = i;
  std::sort(m_order.begin(), m_order.end(), [x, y](int a, int b) {
    return x[a] < x[b] || (x[a] == x[b] && (y[a] < y[b] || (y[a] == y[b] && a < b)));
  });
  // Exact repeats are dropped; the first index of a repeated point is the one triangulated.
  size_t unique = 0;
  for (size_t i = 0; i < m_order.size(); i++) {
    const int k = m_order[i];
    if (unique && x[m_order[unique - 1]] == x[k] && y[m_order[unique - 1]] == y[k])
      continue;
    m_order[unique++] = k;
  }
  m_order.resize(unique);
  if (unique < 3)
    return 0;
  m_next.assign(size_t(num), -1);
  m_prev.assign(size_t(num), -1);
  m_hullTri.assign(size_t(num), -1);

  // The leading points may be collinear: fan them to the first point off their line.
  size_t k = 2;
  while (k < unique && orient(m_order[0], m_order[1], m_order[k]) == 0)
    k++;
  if (k == unique)
    return 0;
  const int apex = m_order[k];
  const int left = orient(m_order[0], m_order[1], apex) > 0;
  for (size_t i = 0; i + 1 < k; i++) {
    const int c0 = m_order[i], c1 = m_order[i + 1];
    const int t = int(m_tris.size());
    if (left)
      m_tris.push_back(Tri{{c0, c1, apex}, {-1, -1, -1}});
    else
      m_tris.push_back(Tri{{c1, c0, apex}, {-1, -1, -1}});
    if (t > 0) {
      link(t - 1, c0, apex, t);
      link(t, c0, apex, t - 1);
    }
  }
  const int lastTri = int(m_tris.size()) - 1;
  for (size_t i = 0; i + 1 < k; i++) {
    if (left)
      setHull(m_order[i], m_order[i + 1], int(i));
    else
      setHull(m_order[i + 1], m_order[i], int(i));
  }
  if (left) {
    setHull(m_order[k - 1], apex, lastTri);
    setHull(apex, m_order[0], 0);
  }
  else {
    setHull(m_order[0], apex, 0);
    setHull(apex, m_order[k - 1], lastTri);
  }
  int hullMax = apex;
  for (size_t i = k + 1; i < unique; i++)
    if (insertOutside(m_order[i], hullMax))
      hullMax = m_order[i];

  m_out.reserve(m_tris.size() * 3);
  for (const Tri& t : m_tris)
    m_out.insert(m_out.end(), t.v, t.v + 3);
  return int(m_tris.size());
}
