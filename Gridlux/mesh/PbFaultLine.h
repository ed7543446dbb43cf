// A fault recorded on a surface mesh: a polyline cleaned against the mesh, drawn, and used to cut it.
#ifndef GRIDLUX_PBFAULTLINE_H
#define GRIDLUX_PBFAULTLINE_H

#include <Inventor/SbVec3f.h>

#include <vector>

class PbMesh2D;
class SoSeparator;

/**
 * @brief Fault line on a PbMesh2D: edges recorded with addEdge(), closed by lastEdge(), then
 * cleaned against the mesh by selectCleanEdges().
 *
 * Cleaning works in the xy plane of the mesh, in the order the edges were recorded: an edge with
 * an end that is not finite or whose ends coincide is dropped; an edge is clipped to the part of
 * it that lies in the mesh's cells (the first such stretch; an edge that misses them is dropped); ends closer than a
 * millionth of the mesh's extent are merged into one point; an edge that repeats an earlier one or
 * crosses an earlier kept edge is dropped. The clean points lie on the mesh surface (their z is
 * interpolated from the mesh) and carry the interpolated values of every per-node scalar set of
 * the mesh. PbMesh2D::getFaultMesh() then builds a mesh cut along the clean edges.
 *
 * The mesh must outlive the fault line and keep its geometry while the line is in use.
 */
class PbFaultLine {
public:
  explicit PbFaultLine(const PbMesh2D* mesh);
  ~PbFaultLine();

  /** Records the edge from @p from to @p to (ignored after lastEdge() until the next clean). */
  void addEdge(const SbVec3f& from, const SbVec3f& to);
  /** Ends the recording. */
  void lastEdge();
  /** Cleans the recorded edges against the mesh; returns the number of clean edges. */
  int selectCleanEdges();

  /** Clean edges: each is two indices into getPoints(); null when @p i is out of range. */
  int getNumEdges() const { return int(m_edges.size() / 2); }
  const int* getEdge(int i) const;
  int getNumPoints() const { return int(m_points.size()); }
  const SbVec3f* getPoints() const { return m_points.empty() ? nullptr : m_points.data(); }
  /** Number of clean points that lie in a cell of the mesh (all of them after a clean). */
  int getNumMeshPoints() const { return m_numMeshPoints; }
  /** Values of the mesh's @p i-th per-node scalar set (in set order) at the clean points, or null. */
  const float* getValuesSet(int i) const;
  int getNumValuesSet() const { return int(m_valueSets.size()); }
  /** A new separator drawing the clean edges as lines (reference count 0), or null without edges. */
  SoSeparator* getSceneGraph() const;

  const PbMesh2D* getMesh() const { return m_mesh; }
  /** The edges as recorded, two points each. */
  const std::vector<SbVec3f>& getRecordedEdges() const { return m_recorded; }

private:
  PbFaultLine(const PbFaultLine&) = delete;
  PbFaultLine& operator=(const PbFaultLine&) = delete;

  int insideMesh(const SbVec3f& p, double tolerance) const;
  SbVec3f boundaryPoint(SbVec3f inside, SbVec3f outside) const;
  int pointIndex(const SbVec3f& p, float mergeDistance);

  const PbMesh2D* m_mesh;
  std::vector<SbVec3f> m_recorded;
  int m_closed;
  std::vector<SbVec3f> m_points;
  std::vector<int> m_edges;
  int m_numMeshPoints;
  std::vector<std::vector<float>> m_valueSets;
};

#endif
