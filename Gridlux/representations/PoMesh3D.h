// Base of the representations of volume meshes: the typed 3D mesh and the level-surface machinery
// (marching cases per mesh kind, shared surface points, face quadrangles and colourings).
#ifndef GRIDLUX_POMESH3D_H
#define GRIDLUX_POMESH3D_H

#include <Gridlux/representations/PoMesh.h>

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class PbMesh3D;
class PbGrid3D;
class PbHexahedronMesh3D;
class PbIndexedMesh3D;
class PbTetrahedronMesh3D;
class PiContouringFilled;
class PiMarchingCase;
class SoGroup;
class SoMFVec2f;
class SoMFVec3f;
class SoMaterialBinding;
class SoNode;

/**
 * @brief Abstract base of the representations of a 3D mesh (skins, level surfaces, sections).
 *
 * The mesh is the one given to the node, else the state's current 3D mesh. No fields of its own.
 *
 * Level surfaces are built here for every mesh kind: the mesh calls back the operation of its
 * kind (PbMesh3D::meshLevelSurfShapeIndices), which moves the level off the node values, forms
 * each cut cell's marching case and appends its polygons as triangle strips over shared surface
 * points (one per crossed mesh edge) to m_coordIndexArray. A face quadrangle of a case is drawn
 * only when two cells produce it with the same cycle. The colouring builders then interpolate
 * the points and add coordinates, strips and colours to the group being built
 * (m_levelSurfGroup).
 *
 * Facing: the tables' triangles turn counter-clockwise seen from the values above the level in
 * a cell whose nodes turn as the reference cell of its kind (PbCell::getOrdering() 1). Each cut
 * cell's own ordering decides, on every mesh class alike: a mirrored cell (ordering 0) takes the
 * complement case, so a mesh that mixes both orders (a cube split into six tetrahedra, say)
 * still gives a surface whose triangles all face one side. Orientation 0 swaps that side.
 *
 * Speed: a structured grid is walked row by row along its third index; a first pass counts the
 * nodes above the level in each row, and the cells of four neighbouring rows are visited only
 * between the first and the last crossing of those rows. Its surface points are found through
 * the grid's edge numbering instead of the point hash.
 */
class PoMesh3D : public PoMesh {
  typedef PoMesh inherited;
  PO_KIT_ABSTRACT_HEADER(PoMesh3D);

public:
  static void initClass();

  using PoMesh::setMesh;
  void setMesh(PbMesh3D* mesh);
  const PbMesh3D* getMesh() const;

  void basicObjectChange(PbBase* object) override;

  /** Level-surface subclasses say which surface they draw. */
  virtual const float* getIsosurfDataSet() const { return nullptr; }
  virtual float getIsosurfValue() const { return 0.0f; }
  virtual int getSurfOrientation() const { return 1; }

  /** Face quadrangles: emptied per build, counted per cycle, drawn when met twice. */
  virtual void initOptQuadrangleList();
  /** Records @p count quadrangles (four point indices each, -1 between them) with @p value. */
  virtual void addOptQuadrangle(int count, int* quads, float value);
  /** Appends the quadrangles met more than once as strips (and their values when asked). */
  virtual void addLevelSurfOptQuadrangle(int withValues);

  /**
   * Appends the polygons of one cell: case @p id of the kind (its complement when
   * @p orientation is 0), @p nodes the cell's mesh nodes in local order; with @p withValue, one
   * @p value per polygon goes to m_pointValues.
   */
  virtual void addTetrahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value);
  virtual void addHexahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value);
  virtual void addPentahedronLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value);
  virtual void addPyramidLevelSurfPart(int id, const int* nodes, int orientation, int withValue, float value);

  /**
   * The colouring the node's effective colouring asks for, with @p colorValues bound per cell
   * when @p perCell (each polygon its cell's colour, or the inherited material).
   */
  void buildMeshLevelSurfColoring(const float* levelValues, const float* colorValues, bool perCell);
  /** The four colourings of a level surface; the vector argument is unused. */
  virtual void buildMeshLevelSurfInhColr(const float* levelValues, SbVec3f* unused);
  virtual void buildMeshLevelSurfPerCellColr(const float* levelValues, const float* colorValues, SbVec3f* unused);
  virtual void buildMeshLevelSurfMapColr(const float* levelValues, const float* colorValues, SbVec3f* unused);
  virtual void buildMeshLevelSurfContColr(const float* levelValues, const float* colorValues, SbVec3f* unused);

  /**
   * Strip indices of the level surface of one mesh kind into m_coordIndexArray, with one
   * @p perCellValues entry per polygon in m_pointValues when given. Orientation 1 takes the cases
   * as tabled (their triangles turn counter-clockwise seen from the values above the level).
   */
  void grid3DLevelSurfShapeIndices(const PbGrid3D* mesh, int orientation, const float* perCellValues);
  void hexahedronMeshLevelSurfShapeIndices(const PbHexahedronMesh3D* mesh, int orientation,
                                           const float* perCellValues);
  void tetrahedronMeshLevelSurfShapeIndices(const PbTetrahedronMesh3D* mesh, int orientation,
                                            const float* perCellValues);
  void indexedMeshLevelSurfShapeIndices(const PbIndexedMesh3D* mesh, int orientation, const float* perCellValues);

  /** Empties the surface-point table (allocated on first use). */
  void initSurfPointList();
  /** The point on mesh edge (@p node0, @p node1) in @p pointIndex; 1 when it is new, 0 when known. */
  int addSurfPoint(int node0, int node1, int& pointIndex);
  int getNumSurfPoints() const { return static_cast<int>(m_surfPairs.size() / 2); }
  /**
   * Point lookup of a walk over a grid's cells along its first index, faster than the hash:
   * initGridEdgePoints() sizes the slots for node planes of @p planeSize nodes; gridEdgePoint()
   * gives the point on the edge between nodes @p a and @p b (neighbours along an axis; node
   * strides 1, @p dy and @p dx) while the walk is in cell layer @p layer.
   */
  void initGridEdgePoints(int planeSize);
  int gridEdgePoint(int a, int b, int layer, int dx, int dy);
  /**
   * Records where surface point @p point lies and its fraction @p t of the way from its lower
   * node to its higher one, as the builder that made it found them: the point builders then take
   * these instead of interpolating the level values (which may be null), until the point list is
   * emptied. Either every point is given or none.
   */
  void setSurfPointGiven(int point, const SbVec3f& where, float t);
  bool arePointsGiven() const { return m_pointsGiven; }
  /** Lower and higher node of each surface point, two ints per point. */
  const int* getSurfPointPairs() const { return m_surfPairs.data(); }

  /**
   * Outlines on the outer faces (sections' contours, skeletons): a plane is given by each mesh
   * node's distance along its normal, @p distances, and its own, @p level (both kept by the
   * caller for the cuts that follow). Also forgets the edges found lying in the plane.
   */
  void beginFaceCuts(const float* distances, float level);
  /**
   * The segment where the plane crosses a face of three or four nodes, if any, as two surface
   * points and -1 in m_coordIndexArray: nodes on the plane, then crossings of edges whose ends
   * lie strictly on both sides. A face lying in the plane gives nothing (the faces around it draw
   * its outline), and an edge lying in the plane is drawn by the first of its two faces only.
   */
  void crossPlaneAndTriangle(const int* nodes) { crossPlaneAndFace(nodes, 3); }
  void crossPlaneAndQuadrangle(const int* nodes) { crossPlaneAndFace(nodes, 4); }
  /** Cuts the six sides of a grid with the plane of beginFaceCuts(). */
  void getGrid3DCrossContour(const PbGrid3D* mesh);
  /** Cuts the skin faces of an unstructured mesh (brought up to date first), quadrangles first. */
  void getSkinCrossContour(const PbIndexedMesh3D* mesh);

  /** The surface points interpolated at @p level between their nodes, into @p coords. */
  void computeLevelSurfPointCoord(const PbMesh3D* mesh, const float* levelValues, float level, SoMFVec3f& coords);
  /** The same, and a material with the colour of the interpolated @p colorValues per point. */
  void computeLevelSurfPointCoordAndMaterial(const PbMesh3D* mesh, const float* levelValues, float level,
                                             SoMFVec3f& coords, const float* colorValues);
  /** The same, and one band-texture coordinate per point in @p texCoords. */
  void computeLevelSurfPointCoordAndTexture(const PbMesh3D* mesh, const float* levelValues, float level,
                                            SoMFVec3f& coords, const float* colorValues, SoMFVec2f& texCoords);
  /** The same, the points also into m_points and the interpolated colour values into m_pointValues. */
  void computeLevelSurfPointCoordAndValues(const PbMesh3D* mesh, const float* levelValues, float level,
                                           SoMFVec3f& coords, const float* colorValues);
  /** Material of one data-mapping colour per entry of m_pointValues (one per strip). */
  void computeLevelSurfPerCellMaterial();

  /** Strip indices, per-strip values and level of the last level-surface shape indices. */
  static const PbArrayOfLong& getLevelSurfIndices() { return m_coordIndexArray; }
  static const float* getLevelSurfValues(int& num)
  {
    num = m_numValues;
    return m_pointValues;
  }
  float getLevelSurfLevel() const { return m_levelInForce; }

protected:
  PoMesh3D();
  ~PoMesh3D() override;

  void preRebuild() override;

  /**
   * The polygons of the surface into m_coordIndexArray (and one value per polygon into
   * m_pointValues when @p perCellValues is given): by default the mesh's level-surface strips.
   */
  virtual void meshShapeIndices(int orientation, const float* perCellValues);
  /** The shape node drawing m_coordIndexArray over the points: by default triangle strips. */
  virtual SoNode* makeSurfaceShape() const;
  /** Hands the polygons of m_coordIndexArray to the band cutter: by default as strips. */
  virtual void addContouringElems(PiContouringFilled* cutter) const;
  /** Hands each run of m_coordIndexArray (between -1s) to @p cutter, as a polygon or a strip. */
  void addIndexRuns(PiContouringFilled* cutter, bool polygons) const;
  /**
   * Places what the builders made: the texture, a generated material (the user's own material
   * part stays unless a generated one replaced it) and m_levelSurfGroup in part @p groupPart,
   * with the transparency handling of the mapping; releases the group.
   */
  void placeLevelSurfParts(const char* groupPart);
  /**
   * Starts a build that placeLevelSurfParts() ends: forgets the generated material, binding and
   * texture and the values; without a mesh (or an empty one) empties the parts and returns false,
   * else makes m_levelSurfGroup (referenced) for the builders.
   */
  bool beginLevelSurfParts(const char* groupPart);
  /** The level the points are interpolated at, for builders that do not move it off the nodes. */
  void setLevelInForce(float level) { m_levelInForce = level; }

  void appendIndices(const int* indices, int count);
  void pushIndex(int index);
  void pushValue(float value);

  const PbMesh3D* m_mesh3DInForce = nullptr;

  // Output of the level-surface builders for the node that places it.
  SoGroup* m_levelSurfGroup = nullptr;
  SoMaterialBinding* m_levelSurfMaterialBinding = nullptr;
  SoNode* m_levelSurfTexture = nullptr;

private:
  /** Empties the output buffers, asks the mesh for its shape indices; 1 when there are strips. */
  int levelSurfShapeIndices(int orientation, const float* perCellValues);
  /** Takes the level set of @p mesh, moves the level off its values and flags the nodes above. */
  const float* beginShapeIndices(const PbMesh3D* mesh, bool orEqual);
  void addLevelSurfPart(const PiMarchingCase* item, const int* nodes, int withValue, float value);
  /** Appends the polygons of @p item over @p nodes, each point found by @p pointOf(node0, node1). */
  template <class PointOf>
  void emitCase(const PiMarchingCase* item, const int* nodes, int withValue, float value, PointOf& pointOf);
  /** Shape indices of a mesh whose cells have N nodes each, listed in cellIndex. */
  template <int N>
  void walkUniformCells(const PbIndexedMesh3D* mesh, int orientation, const float* perCellValues);
  /** Counts, per row of a grid, the nodes above @p level; returns the number of nodes equal to it. */
  long long countGridRows(int numRows, int rowLength, const float* values, float level);
  /** The hash of surface points made current again after points were added without it. */
  void syncPointHash();
  /** Point coordinates and, per point, the interpolation parameter from the lower node. */
  void interpolatePoints(const PbMesh3D* mesh, const float* levelValues, float level, SoMFVec3f& coords);

  void crossPlaneAndFace(const int* nodes, int num);

  PbMesh3D* m_mesh3D = nullptr;
  float m_levelInForce = 0.0f;

  const float* m_cutDistances = nullptr; ///< node distances of the face cuts' plane
  float m_cutLevel = 0.0f;
  std::unordered_set<uint64_t> m_edgesInPlane;

  unsigned char* m_nodeFlags = nullptr;
  int m_allocNodeFlags = 0;

  std::vector<int> m_surfPairs;    ///< lower and higher node per point
  std::vector<int> m_pointSlots;   ///< open-addressing hash of the points by node pair, -1 when free
  int m_pointSlotBits = 0;         ///< the hash holds 2^bits slots
  int m_hashedPoints = 0;          ///< points entered in the hash; later ones came from a grid walk
  std::vector<float> m_surfParams; ///< interpolation parameter per point
  std::vector<SbVec3f> m_givenPoints; ///< positions given by the builder, when m_pointsGiven
  bool m_pointsGiven = false;

  // Grid walk scratch: nodes above the level per row, and the point of each edge of the two node
  // planes in hand (checked against the point's pair before use, so stale entries are harmless).
  std::vector<int> m_rowAbove;
  std::vector<int> m_rowFirst, m_rowLast;
  std::vector<int> m_gridEdgePoints;

  /** A face quadrangle with its smallest point first, how often it was met and its value. */
  struct OptQuad {
    int q[4];
    int count;
    float value;
    int next; ///< next record with the same first two points, -1 at the end
  };
  static std::vector<OptQuad> m_optQuads;
  static std::unordered_map<unsigned long long, int> m_optQuadHeads;
};

inline int PoMesh3D::gridEdgePoint(int a, int b, int layer, int dx, int dy)
{
  // Kept under the edge's lower node and direction, for the two node planes that the current
  // layer of cells touches (even and odd planes in turn); a slot is trusted only when the point
  // it names has the edge's nodes, so slots left from before need no clearing. The six slots of
  // a node's place in the plane sit together: a cell's edges then share a few cache lines.
  const int lo = a < b ? a : b, hi = a < b ? b : a;
  const int d = hi - lo;
  const int dir = d == 1 ? 0 : d == dy ? 1 : 2;
  const int plane = layer + (lo >= (layer + 1) * dx);
  int& slot = m_gridEdgePoints[(static_cast<size_t>(lo - plane * dx) * 2 + (plane & 1)) * 3 + dir];
  const int known = slot;
  if (known >= 0 && known < getNumSurfPoints() && m_surfPairs[2 * known] == lo && m_surfPairs[2 * known + 1] == hi)
    return known;
  slot = getNumSurfPoints();
  m_surfPairs.push_back(lo);
  m_surfPairs.push_back(hi);
  return slot;
}

#endif
