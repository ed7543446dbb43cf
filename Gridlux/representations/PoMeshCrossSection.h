// Plane section of the current 3D mesh, coloured by a value set.
#ifndef GRIDLUX_POMESHCROSSSECTION_H
#define GRIDLUX_POMESHCROSSSECTION_H

#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/algorithms/PiPlaneCut.h>

#include <Inventor/fields/SoSFPlane.h>

#include <vector>

class PbCartesianGrid3D;
class PbParalCartesianGrid3D;
class PbRegularCartesianGrid3D;

/**
 * @brief Draws the polygons where `plane` crosses the cells of the mesh, with the colouring of
 * its value set `valuesIndex` (see PoMesh; a set bound per cell colours each polygon as its
 * cell).
 *
 * Two methods give the same section. INTERSECTION cuts each cell by the plane into one convex
 * polygon (see PiPlaneCut), drawn as an SoIndexedFaceSet; on regular and parallelepiped grids a
 * plane whose normal is +X, +Y or +Z (within 1e-4) is drawn as one SoQuadMesh over the grid's
 * lattice between the two node layers around it. ISOSURFACE draws the level surface of the
 * nodes' distances along the normal, at the plane's distance from the origin, as triangle strips.
 * A mesh tells its method (INTERSECTION for regular and parallelepiped grids, ISOSURFACE for
 * the others); the preference OIV_FIELDWORK_CROSS_SECTION_METHOD set to ISOSURFACE or
 * INTERSECTION (any case) takes over. Both face the side the plane's normal points to,
 * counter-clockwise under the shape hints.
 *
 * The distances of the nodes are kept between rebuilds: a plane that moves along its normal,
 * or turns by less than a cosine of 0.9999, reuses them (the turn is then not seen); a new mesh
 * or a mesh change recomputes them. Regular and rectilinear grids cut by INTERSECTION need no
 * such set: the distance of a node is the sum of its three coordinates' shares, and only the
 * cells whose span of distances holds the plane's are visited, column by column.
 *
 * A plane that misses the mesh draws nothing, with no message. A face lying in the plane is
 * drawn once; a cell the plane only touches at a node or an edge gives nothing.
 *
 * Field: plane (SoSFPlane, normal +Z through the origin). Part: groupCrossSection (SoGroup).
 */
class PoMeshCrossSection : public PoMesh3D {
  typedef PoMesh3D inherited;
  PO_KIT_HEADER(PoMeshCrossSection);

  SO_KIT_CATALOG_ENTRY_HEADER(groupCrossSection);

public:
  PoMeshCrossSection();
  static void initClass();

  enum CrossSectionMethod { INTERSECTION = 0, ISOSURFACE = 1 };

  SoSFPlane plane;

  /** The method the last rebuild used. */
  CrossSectionMethod getMethod() const { return m_method; }

  /**
   * Distance along the normal of every node of the mesh in force; null without a mesh, and
   * after an INTERSECTION of a regular or rectilinear grid, which needs none.
   */
  const float* getIsosurfDataSet() const override;
  float getIsosurfValue() const override { return m_level; }
  int getSurfOrientation() const override { return 1; }

  void rebuild() override;
  void basicObjectChange(PbBase* object) override;

  // The INTERSECTION polygons of each mesh kind, called back by the mesh.
  void cartGrid3DCrossSection(const PbCartesianGrid3D* mesh);
  void paralCartGrid3DCrossSection(const PbParalCartesianGrid3D* mesh);
  void regularGrid3DCrossSection(const PbRegularCartesianGrid3D* mesh);
  void hexahedronMeshCrossSection(const PbHexahedronMesh3D* mesh);
  void tetrahedronMeshCrossSection(const PbTetrahedronMesh3D* mesh);
  void indexedMeshCrossSection(const PbIndexedMesh3D* mesh);

protected:
  ~PoMeshCrossSection() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

  void meshShapeIndices(int orientation, const float* perCellValues) override;
  SoNode* makeSurfaceShape() const override;
  void addContouringElems(PiContouringFilled* cutter) const override;

private:
  /** The mesh's method unless the preference names one. */
  static CrossSectionMethod chooseMethod(const PbMesh3D* mesh);
  void updateDistanceSet();
  /** The plane for an axis grid's cutting, which needs no distance set. */
  void prepareAxisGridCut();
  /** Cuts the grid's cells one by one (any normal). */
  void gridCells(const PbGrid3D* mesh);
  /** A regular or rectilinear grid: its nodes' coordinates along each axis. */
  struct AxisGrid {
    const PbGrid3D* mesh;
    const float* coords[3];
    int dims[3];
  };
  /** Cuts the cells of an axis grid that the plane may cross, placing the points it makes. */
  void axisGridCells(const AxisGrid& grid);
  /** The lattice of the layer the plane stands in, when its normal is an axis; false otherwise. */
  bool gridAxisSlice(const AxisGrid& grid);
  void axisGridCrossSection(const AxisGrid& grid);
  /** Cuts cells listed by their nodes, @p count nodes each, or of any size when @p count is 0. */
  void indexedCells(const PbIndexedMesh3D* mesh, int count);
  void addPolygon(const int* polygon, int num, int cell);

  CrossSectionMethod m_method = ISOSURFACE;
  const float* m_perCellValues = nullptr;
  PiPlaneCut m_cut;

  std::vector<float> m_distances;
  SbVec3f m_distanceNormal;
  SbVec3f m_cutNormal; ///< the plane's normal, for an axis grid's cutting
  const PbMesh3D* m_distanceMesh = nullptr;
  bool m_distanceValid = false;
  bool m_withoutDistances = false; ///< an axis grid's cutting places the points itself
  float m_level = 0.0f;
  std::vector<float> m_axisCoords[3]; ///< a regular grid's node coordinates along each axis
  std::vector<float> m_axisShares[3]; ///< each axis's share of the distance, per coordinate

  // The lattice of an axis slice: points in rows, drawn as a quad mesh when rows > 0.
  int m_quadRows = 0;
  int m_quadColumns = 0;

  FieldSensorList m_sensors;
};

#endif
