// Tetrahedron cell: affine location and volume from the edge vectors of node 0.
#include <Gridlux/mesh/PbTetrahedronCell.h>

#include <Gridlux/mesh/PiMarchingTetraCase.h>

#include <algorithm>
#include <initializer_list>

#include <cmath>

namespace {
const int kEdges[6][2] = {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 3}, {2, 3}};
const int kF0[3] = {0, 1, 2};
const int kF1[3] = {0, 2, 3};
const int kF2[3] = {0, 3, 1};
const int kF3[3] = {1, 3, 2};
const int* const kFacets[4] = {kF0, kF1, kF2, kF3};
const int kFacetSizes[4] = {3, 3, 3, 3};
}

PbTetrahedronCell::PbTetrahedronCell(const PbMesh* owner) : PbCell(owner, 4, 6, 4, kEdges, kFacets, kFacetSizes) {}

void PbTetrahedronCell::set(int index, const int* nodes, const float* x, const float* y, const float* z)
{
  setNodes(index, nodes, x, y, z);
  prepare();
}

void PbTetrahedronCell::set(int index, const int* nodes, const SbVec3f* coords)
{
  setNodes(index, nodes, coords);
  prepare();
}

void PbTetrahedronCell::prepare()
{
  double m[3][3]; // columns: edges 0-1, 0-2, 0-3
  for (int c = 0; c < 3; c++)
    for (int a = 0; a < 3; a++)
      m[a][c] = double(m_coord[c + 1][a]) - m_coord[0][a];
  const double c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
  const double c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
  const double c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
  m_det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
  // Flatness is judged against the edge lengths, so that tiny and huge cells are treated alike.
  double scale = 1;
  for (int c = 0; c < 3; c++)
    scale *= std::sqrt(m[0][c] * m[0][c] + m[1][c] * m[1][c] + m[2][c] * m[2][c]);
  m_degenerate = !(std::fabs(m_det) > 1e-7 * scale) || !std::isfinite(m_det);
  if (m_degenerate)
    return;
  const double id = 1.0 / m_det;
  m_inv[0][0] = c00 * id;
  m_inv[1][0] = c01 * id;
  m_inv[2][0] = c02 * id;
  m_inv[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) * id;
  m_inv[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) * id;
  m_inv[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) * id;
  m_inv[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) * id;
  m_inv[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) * id;
  m_inv[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) * id;
}

float PbTetrahedronCell::getVolume() const
{
  return float(std::fabs(m_det) / 6.0);
}

int PbTetrahedronCell::locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const
{
  if (m_degenerate) {
    pcoord.setValue(0, 0, 0);
    return 0;
  }
  const double d[3] = {double(point[0]) - m_coord[0][0], double(point[1]) - m_coord[0][1],
                       double(point[2]) - m_coord[0][2]};
  double p[3];
  for (int a = 0; a < 3; a++)
    p[a] = m_inv[a][0] * d[0] + m_inv[a][1] * d[1] + m_inv[a][2] * d[2];
  pcoord.setValue(float(p[0]), float(p[1]), float(p[2]));
  return inRange(pcoord[0], tolerance) && inRange(pcoord[1], tolerance) && inRange(pcoord[2], tolerance) &&
         inRange(float(1.0 - p[0] - p[1] - p[2]), tolerance);
}

void PbTetrahedronCell::getWeight(const SbVec3f& pc, float* w) const
{
  w[0] = 1.0f - pc[0] - pc[1] - pc[2];
  w[1] = pc[0];
  w[2] = pc[1];
  w[3] = pc[2];
}

void PbTetrahedronCell::print(FILE* file) const
{
  PbCell::print(file);
  fprintf(file, "PbTetrahedronCell:: affine transformation matrix ...\n");
  for (int a = 0; a < 3; a++)
    fprintf(file, "%f %f %f\n", m_inv[a][0], m_inv[a][1], m_inv[a][2]);
  fprintf(file, "%f %f %f\n", m_coord[0][0], m_coord[0][1], m_coord[0][2]);
}

// ---------------------------------------------------------------------------------------------
// Marching cases

PiMarchingCase* PbTetrahedronCell::s_mcCases[16];
int PbTetrahedronCell::s_mcRegistrations = 0;
// Built during static initialisation, before anything can ask for a case.
const int PbTetrahedronCell::s_mcBuilt = (PbTetrahedronCell::init(), 1);

const PiMarchingCase* PbTetrahedronCell::getMCcase(unsigned char id)
{
  return id < 16 ? s_mcCases[id] : nullptr;
}

void PbTetrahedronCell::init()
{
  std::fill(s_mcCases, s_mcCases + 16, nullptr);
  s_mcRegistrations = 0;
  PiMarchingCase::registerWithReverse(s_mcCases, s_mcRegistrations, new PiMarchingTetraCase(0, 0));
  // Canonical cases: class, id (the nodes above), polygons in strip order, face quadrangles.
  auto add = [](int canonicalClass, int id, std::initializer_list<int> edges, std::initializer_list<int> quads) {
    PiMarchingTetraCase* item = new PiMarchingTetraCase(canonicalClass, static_cast<unsigned char>(id));
    item->setEdges(static_cast<int>(edges.size()), edges.begin());
    item->setOptQuads(static_cast<int>(quads.size()), quads.begin());
    PiMarchingCase::registerOrbit(s_mcCases, s_mcRegistrations, item, PiMarchingTetraCase::getRotationAxes());
  };
  add(1, 0x02, {0, 1, 4}, {});
  add(2, 0x03, {1, 4, 2, 3}, {});
}
