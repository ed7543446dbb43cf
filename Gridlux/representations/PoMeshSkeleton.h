// Skeleton of the current 3D mesh: where evenly spaced planes across each axis cut its skin.
#ifndef GRIDLUX_POMESHSKELETON_H
#define GRIDLUX_POMESHSKELETON_H

#include <Gridlux/representations/PoMesh3D.h>

#include <Inventor/fields/SoMFVec3f.h>
#include <Inventor/fields/SoSFInt32.h>

#include <vector>

class PbCartesianGrid3D;
class PbParalCartesianGrid3D;
class PbRegularCartesianGrid3D;

/**
 * @brief Draws the outlines where planes perpendicular to X, Y and Z cross the outer faces of
 * the mesh (a grid's six sides, an unstructured mesh's skin), one SoIndexedLineSet over one
 * SoCoordinate3 per axis.
 *
 * `numXContour` planes across X lie at min + (i + 0.5) (max - min) / numXContour of the mesh's
 * bounding box (i = 0 ... numXContour - 1), so the default three sit at 1/6, 1/2 and 5/6; 0 gives
 * none, a negative count is refused with a message (so is a count above 100000). Each plane is
 * cut like a PoMeshCrossContour outline: faces crossed in two points give a segment, an edge lying
 * in a plane is drawn once.
 *
 * Colouring: with the value set `valuesIndex` bound per node and an effective colouring other
 * than COLOR_INHERITED, every point takes the data-mapping colour of the value interpolated there
 * (the part skeletonMaterialBinding is then PER_VERTEX_INDEXED, each axis's material goes into its
 * appearance part; the contouring colourings are drawn as this mapping). Values bound per cell,
 * or none, draw with the inherited material or the axis's own appearance.
 *
 * Fields: numXContour, numYContour, numZContour (SoSFInt32, 3). File-format name PoMeshSkeleton.
 * Parts: skeletonMaterialBinding (SoMaterialBinding), then per axis skeletonXContourSep
 * (SoSeparator) holding skeletonXContourApp (SoAppearanceKit) and skeletonXContourGroup (SoGroup),
 * and the same for Y and Z.
 */
class PoMeshSkeleton : public PoMesh3D {
  typedef PoMesh3D inherited;
  PO_KIT_HEADER(PoMeshSkeleton);

  SO_KIT_CATALOG_ENTRY_HEADER(skeletonMaterialBinding);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonXContourSep);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonXContourApp);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonXContourGroup);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonYContourSep);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonYContourApp);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonYContourGroup);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonZContourSep);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonZContourApp);
  SO_KIT_CATALOG_ENTRY_HEADER(skeletonZContourGroup);

public:
  PoMeshSkeleton();
  static void initClass();

  SoSFInt32 numXContour;
  SoSFInt32 numYContour;
  SoSFInt32 numZContour;

  void rebuild() override;

  // The skeleton of each mesh kind, called back by the mesh: per-node colour values (or null)
  // and the plane positions across X, Y and Z.
  void cartGrid3DSkeleton(const PbCartesianGrid3D* mesh, const float* values, float* xPlanes, float* yPlanes,
                          float* zPlanes);
  void paralCartGrid3DSkeleton(const PbParalCartesianGrid3D* mesh, const float* values, float* xPlanes,
                               float* yPlanes, float* zPlanes);
  void regularGrid3DSkeleton(const PbRegularCartesianGrid3D* mesh, const float* values, float* xPlanes,
                             float* yPlanes, float* zPlanes);
  void hexahedronMeshSkeleton(const PbHexahedronMesh3D* mesh, const float* values, float* xPlanes, float* yPlanes,
                              float* zPlanes);
  void tetrahedronMeshSkeleton(const PbTetrahedronMesh3D* mesh, const float* values, float* xPlanes,
                               float* yPlanes, float* zPlanes);
  void indexedMeshSkeleton(const PbIndexedMesh3D* mesh, const float* values, float* xPlanes, float* yPlanes,
                           float* zPlanes);

protected:
  ~PoMeshSkeleton() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

private:
  /**
   * The outlines of each axis's planes on @p grid's sides or @p skin's faces (one of the two is
   * given), into the axis parts.
   */
  void buildAxes(const PbMesh3D* mesh, const PbGrid3D* grid, const PbIndexedMesh3D* skin, const float* values,
                 float* const planes[3]);
  /** Empties the axis groups and the materials this node put in the axis appearances. */
  void clearAxes();

  int m_numPlanes[3] = {0, 0, 0};
  int m_ownsAxisMaterial[3] = {0, 0, 0};
  std::vector<float> m_planes[3];
  std::vector<float> m_distances;
  SoMFVec3f m_planePoints; ///< the points of one plane, before they join their axis

  FieldSensorList m_sensors;
};

#endif
