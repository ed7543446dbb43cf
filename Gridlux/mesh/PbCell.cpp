// Shared geometry of the cell kinds: tables, boxes, interpolation, Newton location.
#include <Gridlux/mesh/PbCell.h>

#include <Gridlux/mesh/CellHandednessXP.h>

#include <Gridlux/base/PbArrayOfInt.h>
#include <Inventor/SbPlane.h>

#include <cmath>

PbCell::PbCell(const PbMesh* owner, int numNodes, int numEdges, int numFaces, const int (*edges)[2],
               const int* const* facets, const int* facetSizes)
  : m_numNodes(numNodes), m_index(-1), m_numEdges(numEdges), m_numFaces(numFaces), m_mesh(owner),
    m_hasZ(0), m_edgeTable(edges), m_facetTable(facets), m_facetSizes(facetSizes)
{
  for (int i = 0; i < MAX_NODES; i++) {
    m_nodeIndex[i] = -1;
    m_coord[i].setValue(0, 0, 0);
  }
}

PbCell::PbCell(const PbCell& other) : PbBase(other)
{
  *this = other;
}

PbCell& PbCell::operator=(const PbCell& other)
{
  // Only the geometry is copied: the owner and the followers stay with each object.
  if (this == &other)
    return *this;
  m_numNodes = other.m_numNodes;
  m_index = other.m_index;
  for (int i = 0; i < MAX_NODES; i++) {
    m_nodeIndex[i] = other.m_nodeIndex[i];
    m_coord[i] = other.m_coord[i];
  }
  m_numEdges = other.m_numEdges;
  m_numFaces = other.m_numFaces;
  m_hasZ = other.m_hasZ;
  m_edgeTable = other.m_edgeTable;
  m_facetTable = other.m_facetTable;
  m_facetSizes = other.m_facetSizes;
  return *this;
}

PbCell::~PbCell() = default;

void PbCell::setNodes(int index, const int* nodes, const float* x, const float* y, const float* z)
{
  m_index = index;
  m_hasZ = z != nullptr;
  for (int i = 0; i < m_numNodes; i++) {
    const int n = nodes[i];
    m_nodeIndex[i] = n;
    m_coord[i].setValue(x[n], y[n], z ? z[n] : 0.0f);
  }
}

void PbCell::setNodes(int index, const int* nodes, const SbVec3f* coords)
{
  m_index = index;
  for (int i = 0; i < m_numNodes; i++) {
    m_nodeIndex[i] = nodes[i];
    m_coord[i] = coords[i];
  }
}

float PbCell::getLongestEdgeLength() const
{
  float longest = 0;
  for (int e = 0; e < m_numEdges; e++) {
    const float sq = (m_coord[m_edgeTable[e][1]] - m_coord[m_edgeTable[e][0]]).sqrLength();
    if (sq > longest)
      longest = sq;
  }
  return std::sqrt(longest);
}

SbBox3f PbCell::getBoundingBox() const
{
  SbBox3f box;
  for (int i = 0; i < m_numNodes; i++)
    box.extendBy(m_coord[i]);
  return box;
}

SbVec3f PbCell::getCenter() const
{
  SbVec3f sum(0, 0, 0);
  for (int i = 0; i < m_numNodes; i++)
    sum += m_coord[i];
  return m_numNodes ? sum / float(m_numNodes) : sum;
}

float PbCell::getVolume() const
{
  return 0;
}

float PbCell::getArea() const
{
  return 0;
}

int PbCell::getNodesIndexOfEdge(int edge, int nodes[2]) const
{
  if (edge < 0 || edge >= m_numEdges)
    return 0;
  nodes[0] = m_nodeIndex[m_edgeTable[edge][0]];
  nodes[1] = m_nodeIndex[m_edgeTable[edge][1]];
  return 1;
}

int PbCell::getNodesIndexOfFacet(int facet, PbArrayOfInt& nodes) const
{
  nodes.empty();
  if (facet < 0 || facet >= m_numFaces)
    return 0;
  for (int i = 0; i < m_facetSizes[facet]; i++)
    nodes.add(m_nodeIndex[m_facetTable[facet][i]]);
  return nodes.getNum();
}

const int* PbCell::getNodesLocalIndexOfEdge(int edge) const
{
  if (edge < 0 || edge >= m_numEdges)
    return nullptr;
  return m_edgeTable[edge];
}

int PbCell::getNodesLocalIndexOfEdge(int edge, int nodes[2]) const
{
  if (edge < 0 || edge >= m_numEdges)
    return 0;
  nodes[0] = m_edgeTable[edge][0];
  nodes[1] = m_edgeTable[edge][1];
  return 1;
}

int PbCell::getNodesLocalIndexOfFacet(int facet, PbArrayOfInt& nodes) const
{
  nodes.empty();
  if (facet < 0 || facet >= m_numFaces)
    return 0;
  nodes.add(m_facetSizes[facet], m_facetTable[facet]);
  return nodes.getNum();
}

void PbCell::getNodesIndex(PbArrayOfInt& nodes) const
{
  nodes.empty();
  nodes.add(m_numNodes, m_nodeIndex);
}

float PbCell::getValue(const float* weights, const float* values) const
{
  float sum = 0;
  for (int i = 0; i < m_numNodes; i++)
    sum += weights[i] * values[m_nodeIndex[i]];
  return sum;
}

float PbCell::getValue(const SbVec3f& pcoord, const float* values) const
{
  float weights[MAX_NODES];
  getWeight(pcoord, weights);
  return getValue(weights, values);
}

SbVec3f PbCell::getValue(const SbVec3f& pcoord, const SbVec3f* vectors) const
{
  float weights[MAX_NODES];
  getWeight(pcoord, weights);
  SbVec3f sum(0, 0, 0);
  for (int i = 0; i < m_numNodes; i++)
    sum += weights[i] * vectors[m_nodeIndex[i]];
  return sum;
}

int PbCell::getOrdering() const
{
  // Only the volume kinds (four facets or more) can be mirrored.
  if (m_numFaces < 4)
    return 1;
  static const int local[MAX_NODES] = {0, 1, 2, 3, 4, 5, 6, 7};
  const SbVec3f* coord = m_coord;
  return gridlux::cellOrdering(m_numNodes, local, [coord](int node, double* p) {
    p[0] = coord[node][0];
    p[1] = coord[node][1];
    p[2] = coord[node][2];
  });
}

int PbCell::getEdgesCrossingPlane(const SbPlane& plane, int* edges, float* params) const
{
  const SbVec3f& normal = plane.getNormal();
  const float offset = plane.getDistanceFromOrigin();
  int found = 0;
  for (int e = 0; e < m_numEdges; e++) {
    const float d0 = normal.dot(m_coord[m_edgeTable[e][0]]) - offset;
    const float d1 = normal.dot(m_coord[m_edgeTable[e][1]]) - offset;
    if ((d0 < 0) != (d1 < 0)) {
      edges[found] = e;
      params[found] = d0 / (d0 - d1);
      found++;
    }
  }
  return found;
}

void PbCell::print(FILE* file) const
{
  fprintf(file, "PbCell:: m_index = %d\n", m_index);
  fprintf(file, "PbCell:: m_numNodes = %d\n", m_numNodes);
  fprintf(file, "PbCell:: m_numEdges = %d\n", m_numEdges);
  fprintf(file, "PbCell:: m_numFaces = %d\n", m_numFaces);
  for (int i = 0; i < m_numNodes; i++)
    fprintf(file, "PbCell:: node %d : %f %f %f\n", m_nodeIndex[i], m_coord[i][0], m_coord[i][1], m_coord[i][2]);
}

int PbCell::newton3(const SbVec3f& point, ShapeFunction shape, const SbVec3f& start, SbVec3f& pcoord) const
{
  double pc[3] = {start[0], start[1], start[2]};
  double w[MAX_NODES], dr[MAX_NODES], ds[MAX_NODES], dt[MAX_NODES];
  // Accepted only when the iteration settled: far from the cell it may wander into range.
  int ok = 0;
  for (int iter = 0; iter < 10; iter++) {
    shape(pc, w, dr, ds, dt);
    double f[3] = {-point[0], -point[1], -point[2]};
    double jr[3] = {0, 0, 0}, js[3] = {0, 0, 0}, jt[3] = {0, 0, 0};
    for (int i = 0; i < m_numNodes; i++) {
      for (int a = 0; a < 3; a++) {
        const double c = m_coord[i][a];
        f[a] += w[i] * c;
        jr[a] += dr[i] * c;
        js[a] += ds[i] * c;
        jt[a] += dt[i] * c;
      }
    }
    // Cramer's rule on J * delta = f, J's columns being the derivatives along r, s and t.
    const double det = jr[0] * (js[1] * jt[2] - js[2] * jt[1]) - js[0] * (jr[1] * jt[2] - jr[2] * jt[1]) +
                       jt[0] * (jr[1] * js[2] - jr[2] * js[1]);
    if (det == 0.0 || !std::isfinite(det))
      break;
    const double d0 = (f[0] * (js[1] * jt[2] - js[2] * jt[1]) - js[0] * (f[1] * jt[2] - f[2] * jt[1]) +
                       jt[0] * (f[1] * js[2] - f[2] * js[1])) / det;
    const double d1 = (jr[0] * (f[1] * jt[2] - f[2] * jt[1]) - f[0] * (jr[1] * jt[2] - jr[2] * jt[1]) +
                       jt[0] * (jr[1] * f[2] - jr[2] * f[1])) / det;
    const double d2 = (jr[0] * (js[1] * f[2] - js[2] * f[1]) - js[0] * (jr[1] * f[2] - jr[2] * f[1]) +
                       f[0] * (jr[1] * js[2] - jr[2] * js[1])) / det;
    pc[0] -= d0;
    pc[1] -= d1;
    pc[2] -= d2;
    if (std::fabs(d0) < 0.001 && std::fabs(d1) < 0.001 && std::fabs(d2) < 0.001) {
      ok = 1;
      break;
    }
  }
  pcoord.setValue(float(pc[0]), float(pc[1]), float(pc[2]));
  if (!std::isfinite(pc[0]) || !std::isfinite(pc[1]) || !std::isfinite(pc[2]))
    return 0;
  return ok;
}

double PbCell::integrateCubeJacobian(ShapeFunction shape) const
{
  // Two Gauss points per axis integrate exactly the determinant of the maps used here, whose
  // degree is at most two along each parametric axis.
  const double g[2] = {0.5 - 0.5 / std::sqrt(3.0), 0.5 + 0.5 / std::sqrt(3.0)};
  double w[MAX_NODES], dr[MAX_NODES], ds[MAX_NODES], dt[MAX_NODES];
  double sum = 0;
  for (int a = 0; a < 2; a++)
    for (int b = 0; b < 2; b++)
      for (int c = 0; c < 2; c++) {
        const double pc[3] = {g[a], g[b], g[c]};
        shape(pc, w, dr, ds, dt);
        double jr[3] = {0, 0, 0}, js[3] = {0, 0, 0}, jt[3] = {0, 0, 0};
        for (int i = 0; i < m_numNodes; i++)
          for (int k = 0; k < 3; k++) {
            jr[k] += dr[i] * m_coord[i][k];
            js[k] += ds[i] * m_coord[i][k];
            jt[k] += dt[i] * m_coord[i][k];
          }
        sum += jr[0] * (js[1] * jt[2] - js[2] * jt[1]) - js[0] * (jr[1] * jt[2] - jr[2] * jt[1]) +
               jt[0] * (jr[1] * js[2] - jr[2] * js[1]);
      }
  return sum / 8.0;
}
