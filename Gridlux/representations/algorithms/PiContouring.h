// Contouring engine shared by contour lines and filled bands: mesh nodes, cells and edge crossings.
#ifndef GRIDLUX_PICONTOURING_H
#define GRIDLUX_PICONTOURING_H

#include <Gridlux/representations/algorithms/PiFieldwork.h>

#include <Inventor/SbVec3f.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class PbCartesianGrid2D;
class PbDataMapping;
class PbIndexedMesh2D;
class PbIsovaluesList;
class PbMesh2D;
class PbParalCartesianGrid2D;
class PbPolarGrid2D;
class PbQuadrangleMesh2D;
class PbRegularCartesianGrid2D;
class PbTriangleMesh2D;
class SoCoordinate3;

/**
 * @brief Cuts the edges of a 2D mesh's cells at the isovalues and links the cuts cell by cell.
 *
 * setMesh() records the node coordinates (z from the given array, else 0) and the cells: grids
 * stay implicit (their cells follow from the node indices), unstructured meshes keep their
 * triangles and quadrangles. computeCrossings() then moves isovalues off node values, removes
 * the nodes that the data mapping's transparent thresholds delete, and finds every crossing of
 * an isovalue with an edge, once per edge even when two cells share it; within each cell the
 * crossings of one isovalue are linked in pairs (a saddle quadrangle pairs them so that the
 * shortest candidate segment is kept). Subclasses turn the linked crossings into their output.
 *
 * Every array persists between calls and only grows, so repeated contouring of same-sized
 * meshes allocates nothing.
 */
class PiContouring {
public:
  PiContouring();
  virtual ~PiContouring();

  /** Records the mesh's nodes and cells, dispatching on the mesh kind; @p z may be null. */
  void setMesh(const PbMesh2D* mesh, const float* z);
  void setMesh(const PbRegularCartesianGrid2D* mesh, const float* z);
  void setMesh(const PbCartesianGrid2D* mesh, const float* z);
  void setMesh(const PbParalCartesianGrid2D* mesh, const float* z);
  void setMesh(const PbPolarGrid2D* mesh, const float* z);
  void setMesh(const PbIndexedMesh2D* mesh, const float* z);
  void setMesh(const PbTriangleMesh2D* mesh, const float* z);
  void setMesh(const PbQuadrangleMesh2D* mesh, const float* z);

  /**
   * Contouring of a free surface (a level surface, a section, a skin) instead of a mesh:
   * initGeometry() empties the elements and points; addStripElems() adds the elements of one
   * triangle strip of @p num point indices (its outline, fanned from its first point into
   * quadrangles and a last triangle); addPolygonElems() adds those of a convex polygon given by
   * its outline; setPoints() takes the first @p num points of @p coords. Values then come one
   * per point.
   */
  void initGeometry();
  void addStripElems(int num, const int* strip);
  void addPolygonElems(int num, const int* polygon);
  void setPoints(int num, const SoCoordinate3* coords);

  void setDataMapping(const PbDataMapping* mapping) { m_dataMapping = mapping; }
  void setIsovaluesList(const PbIsovaluesList* list) { m_isoAdjuster.setIsovaluesList(list); }

  int getNumNodes() const { return m_numNodes; }
  const PbDataMapping* getDataMapping() const { return m_dataMapping; }
  /** Node coordinates recorded by the last setMesh(), z being 0 where none was given. */
  SbVec3f getNodeCoord(int n) const { return SbVec3f(nodeX(n), nodeY(n), nodeZ(n)); }
  /** Writes the coordinates of every node, in node order, to @p out (getNumNodes() entries). */
  void getNodeCoords(SbVec3f* out) const;

protected:
  /** A crossing of one isovalue with one edge. */
  struct CrossPoint {
    int isoRank;  ///< index of the isovalue in ascending adjusted order
    int link[2];  ///< neighbouring crossings in the cells on each side, -1 when free
    int used;
  };

  /**
   * Runs the isovalue adjustment, deletion and edge crossing over @p values (one per node);
   * 0 when there is nothing to cut (no list, no nodes, no values).
   */
  int computeCrossings(const float* values);
  /**
   * The first half of computeCrossings(): adjusts and sorts the isovalues, gives each node its
   * band and empties the crossings; no edge is cut yet. 0 when there is nothing to cut.
   */
  int prepareCrossings(const float* values);

  /**
   * Calls f(nodes, numNodes, bandMin, bandMax) for every cell that keeps at least three nodes:
   * a quadrangle with one node deleted comes as the triangle of the other three, in cell order.
   * Bands count the isovalues below a node's value.
   */
  template <class F> void forEachCell(F&& f) const;
  /** forEachCell()'s work for one cell: @p f gets its kept nodes and band range, if any. */
  template <class F> void forEachKept(const int* nodes, int numNodes, F& f) const;
  /**
   * Whether the mesh is a grid of axis-aligned rectangles in the plane z = 0, and its node counts
   * (nodes run along y fastest). Neighbouring cells of one band then join into one rectangle.
   */
  bool isFlatRectilinearGrid() const { return m_kind == MESH_GRID && m_rectilinear && !m_hasZ; }
  int getGridNumX() const { return m_numX; }
  int getGridNumY() const { return m_numY; }

  /**
   * First crossing of the edge (p, q) with the isovalue ranks rankLo to rankHi - 1, which
   * follow it in rank order; computed on the first request, found in the edge table of a grid
   * or the edge hash after.
   */
  int edgeCrossings(int p, int q, int rankLo, int rankHi);
  /**
   * For four crossings of one isovalue on the four edges of a quadrangle, in edge order:
   * whether the first pairs with the fourth (and the second with the third) rather than with
   * the second, so that the pairing keeps the shortest candidate segment.
   */
  static bool pairsWithLast(const float* P, const float* N, const float* O, const float* R);

  const int* getBands() const { return m_band.data(); }
  /** Replaces the z of every node recorded by setMesh(). */
  void setZ(const float* z);
  /** Adjusted isovalue of rank @p rank and the list's original value it came from. */
  float getRankIsovalue(int rank) const { return m_isoSorted[rank]; }
  float getRankOriginal(int rank) const { return m_isoOriginal[rank]; }
  int getNumIsovalues() const { return static_cast<int>(m_isoSorted.size()); }

  std::vector<CrossPoint> m_crossPoints;
  std::vector<float> m_crossCoords; ///< x, y, z per crossing

private:
  /** False (with a message when misused) when a free-surface element cannot be added. */
  bool checkFreeElems(const char* method, int num, const int* points);
  /** The elements of m_outline, fanned from its first point. */
  void addOutlineElems();
  enum MeshKind { MESH_NONE, MESH_GRID, MESH_ELEMENTS };

  void clearMesh();
  void setGridNodes(int numX, int numY);
  void computeBands(const float* values);
  void crossElement(const int* nodes, int numNodes);
  void link(int a, int b);
  void growHash();

  // A regular grid keeps one x per column and one y per row instead of three floats per node:
  // only the crossings need coordinates, and a large grid has far fewer of them than nodes.
  float nodeX(int n) const { return m_implicitXY ? m_columnX[n / m_numY] : m_x[n]; }
  float nodeY(int n) const { return m_implicitXY ? m_rowY[n % m_numY] : m_y[n]; }
  float nodeZ(int n) const { return m_zFilled ? m_z[n] : 0.0f; }

  const PbDataMapping* m_dataMapping = nullptr;
  PiFieldwork m_isoAdjuster;

  MeshKind m_kind = MESH_NONE;
  int m_numNodes = 0;
  int m_numX = 0;
  int m_numY = 0;
  bool m_rectilinear = false;
  bool m_hasZ = false;
  bool m_freeSurface = false; ///< elements from strips: their indices are checked before use
  std::vector<int> m_outline;
  bool m_implicitXY = false; ///< node x and y come from m_columnX and m_rowY, not m_x and m_y
  bool m_zFilled = false;    ///< m_z holds one z per node; otherwise every z is 0
  std::vector<float> m_x, m_y, m_z;
  std::vector<float> m_columnX, m_rowY;
  std::vector<int> m_elemNodes;  ///< four slots per element, the fourth -1 for a triangle
  int m_numElems = 0;

  const float* m_values = nullptr;
  std::vector<float> m_isoSorted;   ///< adjusted isovalues, ascending
  std::vector<float> m_isoOriginal; ///< the list's value of each sorted entry
  std::vector<int> m_order;
  std::vector<int> m_band;          ///< isovalues below each node's value; -1 for a deleted node
  int m_numIsoBands = 0;            ///< number of isovalues + 1

  // Crossed edges, keyed by their two node indices (smaller first).
  struct EdgeSlot {
    int lo, hi;       ///< node indices; lo is -1 in a free slot
    int firstPoint;   ///< crossing of the lowest isovalue on the edge
  };
  std::vector<EdgeSlot> m_hash;
  int m_hashUsed = 0;
  // Grid edges, two per node (towards the next row, towards the next column), hold their first
  // crossing directly: the walk meets them column by column, where a hash would scatter them.
  // Entries are -1 except those listed in m_gridEdgesSet, reset by the next preparation.
  std::vector<int> m_gridEdges;
  std::vector<int> m_gridEdgesSet;
};

template <class F> void PiContouring::forEachKept(const int* nodes, int numNodes, F& f) const
{
  const int* band = m_band.data();
  int bMin = band[nodes[0]], bMax = bMin, deleted = bMin < 0;
  for (int k = 1; k < numNodes; ++k) {
    const int b = band[nodes[k]];
    bMin = b < bMin ? b : bMin;
    bMax = b > bMax ? b : bMax;
    deleted += b < 0;
  }
  if (!deleted) {
    f(nodes, numNodes, bMin, bMax);
    return;
  }
  // A cell keeps its remaining nodes when they still make a triangle.
  if (numNodes - deleted < 3)
    return;
  int kept[3], m = 0;
  bMin = m_numIsoBands;
  bMax = 0;
  for (int k = 0; k < numNodes; ++k) {
    const int b = band[nodes[k]];
    if (b >= 0) {
      kept[m++] = nodes[k];
      bMin = b < bMin ? b : bMin;
      bMax = b > bMax ? b : bMax;
    }
  }
  f(kept, 3, bMin, bMax);
}

template <class F> void PiContouring::forEachCell(F&& f) const
{
  if (m_kind == MESH_GRID) {
    int nodes[4];
    for (int i = 0; i + 1 < m_numX; ++i) {
      for (int j = 0; j + 1 < m_numY; ++j) {
        nodes[0] = i * m_numY + j;
        nodes[1] = nodes[0] + m_numY;
        nodes[2] = nodes[1] + 1;
        nodes[3] = nodes[0] + 1;
        forEachKept(nodes, 4, f);
      }
    }
  } else if (m_kind == MESH_ELEMENTS) {
    for (int e = 0; e < m_numElems; ++e) {
      const int* nodes = &m_elemNodes[4 * static_cast<size_t>(e)];
      forEachKept(nodes, nodes[3] < 0 ? 3 : 4, f);
    }
  }
}

#endif
