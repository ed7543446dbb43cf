// Small unstructured meshes written for the tests of the mesh base and its cell location.
#ifndef GRIDLUX_TESTS_MESH_TESTMESHES_H
#define GRIDLUX_TESTS_MESH_TESTMESHES_H

#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/mesh/PbMesh3D.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbTriangleCell.h>

#include <vector>

// Triangles over given nodes; the owner lists are found by scanning, which is plenty for tests.
class TriangleSoup : public PbMesh2D {
public:
  TriangleSoup(std::vector<float> x, std::vector<float> y, std::vector<int> tris, int duplicate = 1)
    : PbMesh2D(0, nullptr, duplicate), m_x(std::move(x)), m_y(std::move(y)), m_tris(std::move(tris)), m_cell(this)
  {
    setCounts(int(m_x.size()), int(m_tris.size() / 3));
    updateBoundingBox();
  }
  void setZ(const std::vector<float>& z)
  {
    setZCoord(int(z.size()), z.data());
    updateBoundingBox();
  }
  SbVec3f getNodeCoord(int n) const override { return SbVec3f(m_x[n], m_y[n], m_zCoord ? m_zCoord[n] : 0.0f); }
  const PbCell* getCell(int c) const override
  {
    if (c < 0 || c >= m_numMeshCells)
      return nullptr;
    m_cell.set(c, m_tris[3 * c], m_tris[3 * c + 1], m_tris[3 * c + 2], m_x.data(), m_y.data(), m_zCoord);
    return &m_cell;
  }
  void getNodeOwnerCellsInd(int node, PbArrayOfInt& cells) const override
  {
    cells.empty();
    for (int c = 0; c < m_numMeshCells; c++)
      for (int k = 0; k < 3; k++)
        if (m_tris[3 * c + k] == node) {
          cells.add(c);
          break;
        }
  }

protected:
  void updateBoundingBox() override
  {
    m_boundingBox.makeEmpty();
    for (int n = 0; n < m_numMeshNodes; n++)
      m_boundingBox.extendBy(getNodeCoord(n));
  }

private:
  std::vector<float> m_x, m_y;
  std::vector<int> m_tris;
  mutable PbTriangleCell m_cell;
};

// Tetrahedra over given nodes, located through the octree of PbMesh3D.
class TetrahedronSoup : public PbMesh3D {
public:
  TetrahedronSoup(std::vector<SbVec3f> nodes, std::vector<int> tets)
    : PbMesh3D(1), m_nodes(std::move(nodes)), m_tets(std::move(tets)), m_cell(this)
  {
    setCounts(int(m_nodes.size()), int(m_tets.size() / 4));
    updateBoundingBox();
  }
  SbVec3f getNodeCoord(int n) const override { return m_nodes[n]; }
  const PbCell* getCell(int c) const override
  {
    if (c < 0 || c >= m_numMeshCells)
      return nullptr;
    const SbVec3f coords[4] = {m_nodes[m_tets[4 * c]], m_nodes[m_tets[4 * c + 1]], m_nodes[m_tets[4 * c + 2]],
                               m_nodes[m_tets[4 * c + 3]]};
    m_cell.set(c, &m_tets[4 * c], coords);
    return &m_cell;
  }
  void getNodeOwnerCellsInd(int node, PbArrayOfInt& cells) const override
  {
    cells.empty();
    for (int c = 0; c < m_numMeshCells; c++)
      for (int k = 0; k < 4; k++)
        if (m_tets[4 * c + k] == node) {
          cells.add(c);
          break;
        }
  }
  // Brute force, for comparison with the octree search.
  int countContaining(const SbVec3f& p, float tolerance) const
  {
    int found = 0;
    SbVec3f pc;
    for (int c = 0; c < m_numMeshCells; c++)
      found += getCell(c)->locatePoint(p, tolerance, pc);
    return found;
  }

protected:
  void updateBoundingBox() override
  {
    m_boundingBox.makeEmpty();
    for (const SbVec3f& n : m_nodes)
      m_boundingBox.extendBy(n);
  }

private:
  std::vector<SbVec3f> m_nodes;
  std::vector<int> m_tets;
  mutable PbTetrahedronCell m_cell;
};

// An n x n x n block of unit cubes, each split into six tetrahedra around its main diagonal.
inline TetrahedronSoup* makeKuhnCubes(int n, float size)
{
  std::vector<SbVec3f> nodes;
  const int m = n + 1;
  for (int i = 0; i < m; i++)
    for (int j = 0; j < m; j++)
      for (int k = 0; k < m; k++)
        nodes.emplace_back(size * i / n, size * j / n, size * k / n);
  auto id = [m](int i, int j, int k) { return (i * m + j) * m + k; };
  // The six paths from corner 000 to corner 111, one tetrahedron each.
  static const int perms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  std::vector<int> tets;
  for (int i = 0; i < n; i++)
    for (int j = 0; j < n; j++)
      for (int k = 0; k < n; k++)
        for (const auto& p : perms) {
          int c[3] = {i, j, k};
          tets.push_back(id(c[0], c[1], c[2]));
          for (int s = 0; s < 3; s++) {
            c[p[s]]++;
            tets.push_back(id(c[0], c[1], c[2]));
          }
        }
  return new TetrahedronSoup(nodes, tets);
}

#endif
