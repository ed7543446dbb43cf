// One cell of a mesh: node indices, node coordinates, local numbering, interpolation and location.
#ifndef GRIDLUX_PBCELL_H
#define GRIDLUX_PBCELL_H

#include <Gridlux/base/PbBase.h>
#include <Inventor/SbBox3f.h>
#include <Inventor/SbVec3f.h>

#include <cstdio>

class PbArrayOfInt;
class PbMesh;
class SbPlane;

/**
 * @brief Abstract cell: up to eight nodes in the local order of its kind.
 *
 * Meshes hand out cells through PbMesh::getCell() and keep one cell object per kind, re-filled at
 * each call: a returned cell describes the requested cell only until the next getCell() or
 * location call on the same mesh. Parametric coordinates are passed as an SbVec3f; 2D kinds read
 * the first two components. getValue() interpolates a per-node value set of the owning mesh with
 * the node weights of the kind at given parametric coordinates.
 */
class PbCell : public PbBase {
public:
  /** Highest node count of any kind. */
  enum { MAX_NODES = 8 };

  ~PbCell() override;

  /** Length of the longest of the cell's edges. */
  virtual float getLongestEdgeLength() const;
  /** Box of the node coordinates. */
  virtual SbBox3f getBoundingBox() const;
  /** Mean of the node coordinates. */
  virtual SbVec3f getCenter() const;
  /** Volume of a 3D cell; 0 for a 2D cell. */
  virtual float getVolume() const;
  /** Area of a 2D cell; 0 for a 3D cell. */
  virtual float getArea() const;

  /** Mesh node indices of the two ends of local edge @p edge; 0 (nodes untouched) when out of range. */
  virtual int getNodesIndexOfEdge(int edge, int nodes[2]) const;
  /** Mesh node indices of facet @p facet in the order of the local table; empty when out of range. */
  virtual int getNodesIndexOfFacet(int facet, PbArrayOfInt& nodes) const;
  /** The local node pair of @p edge (two ints in a table shared by the kind), or null. */
  virtual const int* getNodesLocalIndexOfEdge(int edge) const;
  virtual int getNodesLocalIndexOfEdge(int edge, int nodes[2]) const;
  /** Local node indices of @p facet; returns their number (0 when out of range). */
  virtual int getNodesLocalIndexOfFacet(int facet, PbArrayOfInt& nodes) const;

  /**
   * Computes the parametric coordinates of @p point in @p pcoord (always filled, even when the
   * point is outside) and returns 1 when every parametric constraint of the kind holds within
   * [-tolerance, 1 + tolerance].
   */
  virtual int locatePoint(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const = 0;
  /** Weights of the local nodes at @p pcoord (getNumNodes() floats). */
  virtual void getWeight(const SbVec3f& pcoord, float* weights) const = 0;
  /** Interpolates per-node vectors of the owning mesh at @p pcoord. */
  virtual SbVec3f getValue(const SbVec3f& pcoord, const SbVec3f* vectors) const;
  /** Interpolates per-node scalars of the owning mesh at @p pcoord. */
  virtual float getValue(const SbVec3f& pcoord, const float* values) const;
  virtual void print(FILE* file) const;
  /**
   * Handedness of the cell's node order: 1 when its nodes, taken in local order, turn as the
   * kind's reference cell (the node positions of the weights below, a positive volume), 0 when
   * they turn the mirrored way (a negative volume, as when two opposite facets are listed in
   * swapped order). Flat cells and 2D kinds report 1. The level surface takes a cut cell's
   * marching case as tabled for ordering 1 and its complement for ordering 0, so the surface
   * faces the same side whatever order a mesh lists its cells' nodes in.
   */
  virtual int getOrdering() const;
  /**
   * The local edges whose two ends lie on different sides of @p plane, in edge order, with the
   * parametric position of the crossing from the first end (0) to the second (1). @p edges and
   * @p params must hold getNumEdges() entries; returns the number of crossing edges.
   */
  virtual int getEdgesCrossingPlane(const SbPlane& plane, int* edges, float* params) const;

  int getIndex() const { return m_index; }
  int getNumNodes() const { return m_numNodes; }
  int getNumEdges() const { return m_numEdges; }
  int getNumFacets() const { return m_numFaces; }
  /** Mesh index of local node @p i (0 <= i < getNumNodes()). */
  int getNodeIndex(int i) const { return m_nodeIndex[i]; }
  const SbVec3f& getNodeCoord(int i) const { return m_coord[i]; }
  /** Copies the mesh node indices in local order into @p nodes (emptied first). */
  void getNodesIndex(PbArrayOfInt& nodes) const;
  /** Sum over local nodes of @p weights[i] times the value at the mesh node of local node i. */
  float getValue(const float* weights, const float* values) const;
  /** The mesh the cell belongs to (may be null for a free-standing cell). */
  const PbMesh* getMesh() const { return m_mesh; }

protected:
  /** @p numNodes, edge and facet counts and tables of the kind; tables are static per kind. */
  PbCell(const PbMesh* owner, int numNodes, int numEdges, int numFaces, const int (*edges)[2],
         const int* const* facets, const int* facetSizes);
  PbCell(const PbCell& other);
  PbCell& operator=(const PbCell& other);

  /** Stores the index and the nodes, and reads their coordinates from per-node arrays (z may be null). */
  void setNodes(int index, const int* nodes, const float* x, const float* y, const float* z);
  /** Stores the index and the nodes with coordinates given in local order. */
  void setNodes(int index, const int* nodes, const SbVec3f* coords);

  /** 1 when the point lies within tolerance of the parametric range [0, 1]. */
  static int inRange(float v, float tolerance) { return v >= -tolerance && v <= 1.0f + tolerance; }

  /**
   * Newton iteration of the 3D kinds: @p shape evaluates the weights and their derivatives along
   * r, s and t; starts at @p start, at most 10 iterations, stops when every coordinate moves by
   * less than 0.001. Returns 0 when the Jacobian vanishes.
   */
  typedef void (*ShapeFunction)(const double pc[3], double* w, double* dr, double* ds, double* dt);
  int newton3(const SbVec3f& point, ShapeFunction shape, const SbVec3f& start, SbVec3f& pcoord) const;
  /** Integral of the Jacobian determinant of @p shape over the unit cube (exact for the kinds here). */
  double integrateCubeJacobian(ShapeFunction shape) const;

  int m_numNodes;
  int m_index;
  int m_nodeIndex[MAX_NODES];
  SbVec3f m_coord[MAX_NODES];
  int m_numEdges;
  int m_numFaces;
  const PbMesh* m_mesh;
  /** Whether the owning mesh gave z coordinates (2D kinds then check the plane distance). */
  int m_hasZ;

private:
  const int (*m_edgeTable)[2];
  const int* const* m_facetTable;
  const int* m_facetSizes;
};

#endif
