// Volume meshes over a lattice for the tests of the 3D representations: the lattice itself, its
// cubes as hexahedra or tetrahedra, and a mixed mesh of every cell kind meeting face to face.
#ifndef GRIDLUX_TESTS_VOLUMEMESHES_H
#define GRIDLUX_TESTS_VOLUMEMESHES_H

#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>

#include <Inventor/SbVec3f.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Nodes of an n^3 lattice over [lo, hi]^3, node (i, j, k) at index (i n + j) n + k.
struct Lattice {
  int n;
  std::vector<float> x, y, z;
  explicit Lattice(int num, float lo = -1, float hi = 1) : n(num)
  {
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) {
          x.push_back(lo + (hi - lo) * i / (n - 1));
          y.push_back(lo + (hi - lo) * j / (n - 1));
          z.push_back(lo + (hi - lo) * k / (n - 1));
        }
  }
  int node(int i, int j, int k) const { return (i * n + j) * n + k; }
  int numNodes() const { return n * n * n; }
  std::vector<float> radius2() const
  {
    std::vector<float> f(numNodes());
    for (int p = 0; p < numNodes(); ++p)
      f[p] = x[p] * x[p] + y[p] * y[p] + z[p] * z[p];
    return f;
  }
  // Calls f(corners) for each cube, corners[a + 2b + 4c] being the node at (i + a, j + b, k + c).
  void forEachCube(const std::function<void(const int*)>& f) const
  {
    for (int i = 0; i + 1 < n; ++i)
      for (int j = 0; j + 1 < n; ++j)
        for (int k = 0; k + 1 < n; ++k) {
          int c[8];
          for (int q = 0; q < 8; ++q)
            c[q] = node(i + (q & 1), j + ((q >> 1) & 1), k + ((q >> 2) & 1));
          f(c);
        }
  }
  SbVec3f at(int p) const { return SbVec3f(x[p], y[p], z[p]); }
};

// Cube corners in the hexahedron's local order (bottom 0-1-2-3 counter-clockwise, then top).
void hexahedron(const int* c, std::vector<int>& out)
{
  for (int q : {0, 1, 3, 2, 4, 5, 7, 6})
    out.push_back(c[q]);
}

// The six tetrahedra of a cube around its main diagonal, each turned to a positive volume.
void tetrahedra(const Lattice& lattice, const int* c, std::vector<int>& out)
{
  const int paths[6][2] = {{1, 2}, {2, 1}, {1, 4}, {4, 1}, {2, 4}, {4, 2}};
  for (const auto& path : paths) {
    int t[4] = {c[0], c[path[0]], c[path[0] + path[1]], c[7]};
    const SbVec3f a = lattice.at(t[0]);
    if ((lattice.at(t[1]) - a).cross(lattice.at(t[2]) - a).dot(lattice.at(t[3]) - a) < 0)
      std::swap(t[1], t[2]);
    out.insert(out.end(), t, t + 4);
  }
}

// The same cell with its nodes listed in the mirrored order (two opposite facets swapped).
std::vector<int> mirrored(const int* n, int count)
{
  switch (count) {
  case 4:
    return {n[0], n[2], n[1], n[3]};
  case 5:
    return {n[0], n[3], n[2], n[1], n[4]};
  case 6:
    return {n[3], n[4], n[5], n[0], n[1], n[2]};
  default:
    return {n[4], n[5], n[6], n[7], n[0], n[1], n[2], n[3]};
  }
}

// A mixed mesh whose cells meet face to face, so that a level surface through it is closed. The
// cubes of a column along z are all of one kind, in turn: one hexahedron; two wedges over the
// bottom face cut along its diagonal from corner 0 to corner 3; or, around a node added at the
// cube's centre, a pyramid on each side face and two tetrahedra on the bottom and top faces (cut
// along the same diagonal). Side faces stay whole everywhere. With @p mirrorHalf, every other
// cell of each kind lists its nodes in the mirrored order.
struct MixedMesh {
  std::vector<float> x, y, z;
  std::vector<int> counts, index;

  MixedMesh(const Lattice& lattice, bool mirrorHalf) : x(lattice.x), y(lattice.y), z(lattice.z)
  {
    int seen[9] = {};
    auto addCell = [&](std::vector<int> cell) {
      const int count = int(cell.size());
      if (mirrorHalf && seen[count]++ % 2)
        cell = mirrored(cell.data(), count);
      index.insert(index.end(), cell.begin(), cell.end());
      counts.push_back(count);
    };
    lattice.forEachCube([&](const int* c) {
      const int i = c[0] / (lattice.n * lattice.n), j = c[0] / lattice.n % lattice.n;
      std::vector<int> h;
      hexahedron(c, h);
      switch ((i + j) % 3) {
      case 0:
        addCell(h);
        return;
      case 1:
        addCell({c[0], c[1], c[3], c[4], c[5], c[7]});
        addCell({c[0], c[3], c[2], c[4], c[7], c[6]});
        return;
      default: {
        const int centre = int(x.size());
        const SbVec3f m = (lattice.at(c[0]) + lattice.at(c[7])) / 2;
        x.push_back(m[0]);
        y.push_back(m[1]);
        z.push_back(m[2]);
        // The hexahedron's facets turn towards its inside, so each is a base seen from the centre.
        const int sides[4][4] = {{0, 3, 7, 4}, {1, 5, 6, 2}, {0, 4, 5, 1}, {3, 2, 6, 7}};
        for (const auto& f : sides)
          addCell({h[f[0]], h[f[1]], h[f[2]], h[f[3]], centre});
        for (const auto& t : {std::array<int, 3>{0, 1, 2}, {0, 2, 3}, {4, 7, 6}, {4, 6, 5}})
          addCell({h[t[0]], h[t[1]], h[t[2]], centre});
        return;
      }
      }
    });
  }
  std::vector<float> radius2() const
  {
    std::vector<float> f(x.size());
    for (size_t p = 0; p < f.size(); ++p)
      f[p] = x[p] * x[p] + y[p] * y[p] + z[p] * z[p];
    return f;
  }
  PbIndexedMesh3D* mesh() const
  {
    return new PbIndexedMesh3D(int(x.size()), x.data(), y.data(), z.data(), int(counts.size()), index.data(),
                               counts.data());
  }
};

struct MeshCase {
  std::string name;
  std::unique_ptr<PbMesh3D> mesh;
};

// The unit cube as every 3D mesh kind over an n^3 lattice, with f = x as value set 0.
std::vector<MeshCase> unitCubes(int n)
{
  const Lattice lattice(n, 0, 1);
  std::vector<float> axis(n);
  for (int i = 0; i < n; ++i)
    axis[i] = float(i) / (n - 1);
  std::vector<MeshCase> cases;
  auto add = [&](const std::string& name, PbMesh3D* mesh, const std::vector<float>& x) {
    mesh->addValuesSet(0, x.data());
    cases.push_back({name, std::unique_ptr<PbMesh3D>(mesh)});
  };
  add("regular grid", new PbRegularCartesianGrid3D(n, n, n, 0, 0, 0, 1, 1, 1), lattice.x);
  add("rectilinear grid", new PbParalCartesianGrid3D(n, n, n, axis.data(), axis.data(), axis.data()), lattice.x);
  // The same cube with its z coordinates running down.
  std::vector<float> down(axis.rbegin(), axis.rend());
  add("rectilinear grid, z decreasing", new PbParalCartesianGrid3D(n, n, n, axis.data(), axis.data(), down.data()),
      lattice.x);
  add("curvilinear grid", new PbCartesianGrid3D(n, n, n, lattice.x.data(), lattice.y.data(), lattice.z.data()),
      lattice.x);
  std::vector<int> hexes, tets;
  lattice.forEachCube([&](const int* c) {
    hexahedron(c, hexes);
    tetrahedra(lattice, c, tets);
  });
  add("hexahedron mesh",
      new PbHexahedronMesh3D(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                             int(hexes.size() / 8), hexes.data()),
      lattice.x);
  add("tetrahedron mesh",
      new PbTetrahedronMesh3D(lattice.numNodes(), lattice.x.data(), lattice.y.data(), lattice.z.data(),
                              int(tets.size() / 4), tets.data()),
      lattice.x);
  const MixedMesh mixed(lattice, true);
  add("indexed mesh of four kinds, both orders", mixed.mesh(), mixed.x);
  return cases;
}

// The case of @p cases called @p name (the first when there is none).
PbMesh3D* meshNamed(const std::vector<MeshCase>& cases, const std::string& name)
{
  for (const MeshCase& c : cases)
    if (c.name == name)
      return c.mesh.get();
  return cases.front().mesh.get();
}

} // namespace

#endif
