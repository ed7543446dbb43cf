// Which faces of an axis box face the viewer, and which edge of each direction carries its axis.
#include <Gridlux/axes/PiAutoCube.h>

#include <Gridlux/axes/PiAxisLayout.h>

#include <algorithm>
#include <cmath>

namespace {

// Corner numbers as bits (x, y, z) of their position in the box, and back.
const int kCornerBits[8][3] = {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0},
                               {1, 0, 1}, {1, 1, 1}, {0, 1, 1}, {0, 0, 1}};
const int kCornerOfBits[8] = {0, 3, 1, 2, 7, 4, 6, 5}; // index x + 2 y + 4 z
const int kEdges[12][2] = {{0, 3}, {1, 2}, {6, 5}, {7, 4}, {0, 1}, {7, 6},
                           {4, 5}, {3, 2}, {0, 7}, {3, 4}, {2, 5}, {1, 6}};

// Determinant of the 3x3 matrix of rows a, b, c without column @p skip.
double minor3(const double a[4], const double b[4], const double c[4], int skip)
{
  int k[3], n = 0;
  for (int i = 0; i < 4; ++i)
    if (i != skip)
      k[n++] = i;
  return a[k[0]] * (b[k[1]] * c[k[2]] - b[k[2]] * c[k[1]]) -
         a[k[1]] * (b[k[0]] * c[k[2]] - b[k[2]] * c[k[0]]) +
         a[k[2]] * (b[k[0]] * c[k[1]] - b[k[1]] * c[k[0]]);
}

double norm4(const double v[4])
{
  return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2] + v[3] * v[3]);
}

bool finite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

} // namespace

SbVec3f PiAutoCube::getCorner(const SbVec3f& min, const SbVec3f& max, int corner)
{
  const int* bits = kCornerBits[corner & 7];
  return SbVec3f(bits[0] ? max[0] : min[0], bits[1] ? max[1] : min[1], bits[2] ? max[2] : min[2]);
}

void PiAutoCube::getEdgeCorners(int edge, int& from, int& to)
{
  from = kEdges[edge][0];
  to = kEdges[edge][1];
}

void PiAutoCube::getEdgeFaces(int edge, int& faceA, int& faceB)
{
  const int d = getEdgeDirection(edge);
  const int* bits = kCornerBits[kEdges[edge][0]];
  const int a = (d + 1) % 3, b = (d + 2) % 3;
  faceA = 2 * a + bits[a];
  faceB = 2 * b + bits[b];
}

void PiAutoCube::getFaceCorners(int face, int corners[4])
{
  // Around (b, c) = (0,0), (1,0), (1,1), (0,1) with b, c following a cyclically, the turn is
  // counter-clockwise seen from +a; the face at the minimum is walked the other way.
  const int a = face / 2, side = face % 2, b = (a + 1) % 3, c = (a + 2) % 3;
  static const int walk[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    const int* w = walk[side ? i : 3 - i];
    int bits[3];
    bits[a] = side;
    bits[b] = w[0];
    bits[c] = w[1];
    corners[i] = kCornerOfBits[bits[0] + 2 * bits[1] + 4 * bits[2]];
  }
}

SbVec3f PiAutoCube::getFaceNormal(int face)
{
  SbVec3f n(0, 0, 0);
  n[face / 2] = face % 2 ? 1.0f : -1.0f;
  return n;
}

int PiAutoCube::compute(const SbVec3f& min, const SbVec3f& max, const SbMatrix& boxToClip)
{
  m_valid = false;
  for (Choice& c : m_choice)
    c = Choice();
  if (!finite(min) || !finite(max) || !(min[0] < max[0] && min[1] < max[1] && min[2] < max[2]))
    return 0;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      if (!std::isfinite(boxToClip[i][j]))
        return 0;
  m_matrix = boxToClip;
  m_min = min;
  m_max = max;

  // The eye maps to clip x = y = w = 0: it is orthogonal to those three columns. Its sign puts
  // it on the near side (clip z decreasing toward the viewer).
  double col[4][4];
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i)
      col[j][i] = boxToClip[i][j];
  double eye[4];
  for (int i = 0; i < 4; ++i)
    eye[i] = (i % 2 ? -1.0 : 1.0) * minor3(col[0], col[1], col[3], i);
  const double scale = norm4(col[0]) * norm4(col[1]) * norm4(col[3]);
  if (!(norm4(eye) > 1e-12 * scale))
    return 0;
  double toward = 0.0;
  for (int i = 0; i < 4; ++i)
    toward += eye[i] * col[2][i];
  if (toward > 0.0)
    for (double& e : eye)
      e = -e;

  // Every corner must lie in front of the eye to be placed on the screen.
  for (int corner = 0; corner < 8; ++corner) {
    const SbVec3f p = getCorner(min, max, corner);
    double w = boxToClip[3][3];
    for (int i = 0; i < 3; ++i)
      w += p[i] * boxToClip[i][3];
    if (!(w > 0.0))
      return 0;
  }

  const double eyeLength = std::sqrt(eye[0] * eye[0] + eye[1] * eye[1] + eye[2] * eye[2]);
  for (int face = 0; face < 6; ++face) {
    const int a = face / 2;
    const double bound = face % 2 ? max[a] : min[a];
    const double side = face % 2 ? 1.0 : -1.0;
    const double g = side * (eye[a] - bound * eye[3]);
    const double tolerance = 1e-5 * (eyeLength + std::fabs(eye[3]) * (std::fabs(bound) + (max[a] - min[a])));
    m_front[face] = g > tolerance;
  }
  m_valid = true;

  for (int d = 0; d < 3; ++d) {
    struct Candidate {
      int edge;
      SbVec2f mid;
    };
    Candidate found[4];
    int num = 0;
    float across = 0.0f, up = 0.0f;
    for (int k = 0; k < 4; ++k) {
      const int edge = 4 * d + k;
      int fa, fb;
      getEdgeFaces(edge, fa, fb);
      if (m_front[fa] == m_front[fb])
        continue;
      SbVec2f p0, p1;
      project(getCorner(min, max, kEdges[edge][0]), p0);
      project(getCorner(min, max, kEdges[edge][1]), p1);
      across += std::fabs(p1[0] - p0[0]);
      up += std::fabs(p1[1] - p0[1]);
      found[num++] = {edge, 0.5f * (p0 + p1)};
    }
    if (num == 0)
      continue;
    Choice& choice = m_choice[d];
    choice.vertical = up > across;
    const int key = choice.vertical ? 0 : 1;
    int best = 0;
    for (int i = 1; i < num; ++i)
      if (found[i].mid[key] < found[best].mid[key] - 1e-6f)
        best = i;
    choice.edge = found[best].edge;
    int fa, fb;
    getEdgeFaces(choice.edge, fa, fb);
    choice.textFace = m_front[fa] ? fa : fb;
    choice.labelFace = m_front[fa] ? fb : fa;
  }
  return 1;
}

bool PiAutoCube::project(const SbVec3f& point, SbVec2f& ndc) const
{
  double clip[4];
  for (int j = 0; j < 4; ++j) {
    clip[j] = m_matrix[3][j];
    for (int i = 0; i < 3; ++i)
      clip[j] += point[i] * m_matrix[i][j];
  }
  if (!(clip[3] > 0.0))
    return false;
  ndc.setValue(float(clip[0] / clip[3]), float(clip[1] / clip[3]));
  return true;
}

int PiAutoCube::choosePath(const SbVec3f& origin, const SbVec3f& along, const SbVec3f& across,
                           bool mirrored) const
{
  if (!m_valid)
    return PiText::PATH_RIGHT;
  const float step = 1e-3f * (m_max - m_min).length();
  SbVec2f o;
  if (!project(origin, o))
    return PiText::PATH_RIGHT;
  // Screen direction of a world direction, as a unit vector (0 when it cannot be placed).
  const auto onScreen = [&](const SbVec3f& v) {
    SbVec2f p;
    if (!project(origin + v * step, p))
      return SbVec2f(0, 0);
    SbVec2f s = p - o;
    const float l = s.length();
    return l > 0.0f ? s / l : SbVec2f(0, 0);
  };
  int best = PiText::PATH_RIGHT;
  float bestScore = -1e30f;
  for (int path = PiText::PATH_RIGHT; path <= PiText::PATH_DOWN; ++path) {
    int drawn = path;
    if (mirrored && path == PiText::PATH_UP)
      drawn = PiText::PATH_DOWN;
    else if (mirrored && path == PiText::PATH_DOWN)
      drawn = PiText::PATH_UP;
    float reading[2], up[2];
    PiAxisLayout::getPathDirections(PiText::Path(drawn), reading, up);
    const float flip = mirrored ? -1.0f : 1.0f;
    const SbVec2f r = onScreen((along * reading[0] + across * reading[1]) * flip);
    const SbVec2f u = onScreen(along * up[0] + across * up[1]);
    const float score = r[0] + u[1];
    if (score > bestScore + 1e-4f) {
      bestScore = score;
      best = path;
    }
  }
  return best;
}

void PiAutoCube::getGridSegments(int direction, const float* coords, int num,
                                 std::vector<SbVec3f>& points) const
{
  if (!m_valid || direction < 0 || direction > 2 || !coords)
    return;
  for (int face = 0; face < 6; ++face) {
    const int a = face / 2;
    if (a == direction || m_front[face])
      continue;
    const int b = 3 - a - direction;
    for (int i = 0; i < num; ++i) {
      SbVec3f p;
      p[direction] = coords[i];
      p[a] = face % 2 ? m_max[a] : m_min[a];
      p[b] = m_min[b];
      points.push_back(p);
      p[b] = m_max[b];
      points.push_back(p);
    }
  }
}
