// Filled cells of a 2D mesh, coloured by the inherited material, by values or by contour bands.
#ifndef GRIDLUX_POMESHFILLED_H
#define GRIDLUX_POMESHFILLED_H

#include <Gridlux/representations/PoMesh2D.h>

class PbCartesianGrid2D;
class PbGrid2D;
class PbIndexedMesh2D;
class PbParalCartesianGrid2D;
class PbPolarGrid2D;
class PbQuadrangleMesh2D;
class PbRegularCartesianGrid2D;
class PbTriangleMesh2D;
class SoGroup;
class SoMaterialBinding;
class SoNode;

/**
 * @brief Draws the cells of the current 2D mesh as filled polygons.
 *
 * The effective colouring (see PoMesh) decides the picture: COLOR_INHERITED draws the geometry
 * in the inherited material; COLOR_AVERAGE gives each cell the colour of the mean of its node
 * values; COLOR_MAPPING gives each node its colour, blended across the cells; COLOR_CONTOURING
 * cuts the cells along the isovalues into flat bands; COLOR_TEXTURE_CONTOURING draws the bands
 * with a one-texel-per-band texture, the node values serving as texture coordinates. A value
 * set bound per cell, or none, draws with the inherited material.
 *
 * Structured grids come as an SoQuadMesh, unstructured meshes as an SoIndexedFaceSet with one
 * face per cell; contour bands are always an SoIndexedFaceSet. The z of the nodes is the set
 * zValuesIndex when it is given, else the mesh's own z, else 0.
 *
 * No fields of its own. Part: groupFilled (SoGroup), receiving the whole geometry.
 */
class PoMeshFilled : public PoMesh2D {
  typedef PoMesh2D inherited;
  PO_KIT_HEADER(PoMeshFilled);

  SO_KIT_CATALOG_ENTRY_HEADER(groupFilled);

public:
  PoMeshFilled();
  static void initClass();

  void rebuild() override;

  /** Called back by the mesh (PbMesh2D::meshFilled), one per mesh kind. */
  void cartGridFilled(const PbCartesianGrid2D* mesh);
  void paralCartGridFilled(const PbParalCartesianGrid2D* mesh);
  void regularCartGridFilled(const PbRegularCartesianGrid2D* mesh);
  void polarGridFilled(const PbPolarGrid2D* mesh);
  void indexedMeshFilled(const PbIndexedMesh2D* mesh);
  void triangleMeshFilled(const PbTriangleMesh2D* mesh);
  void quadrangleMeshFilled(const PbQuadrangleMesh2D* mesh);

protected:
  ~PoMeshFilled() override;

  void preRebuild() override;

private:
  /** The grid builders serve every structured kind, the node layout being the same. */
  template <class Grid> void typedGridFilled(const Grid* mesh);
  void gridFilled(const PbGrid2D* mesh);
  void cartGridFilledInhColr();
  void cartGridFilledAvergColr();
  void cartGridFilledMapColr();
  void cartGridFilledContColr();
  void cartGridFilledTexContColr();

  /** The indexed builders serve every unstructured kind: one face per cell. */
  void indexedMeshFilledInhColr();
  void indexedMeshFilledAvergColr();
  void indexedMeshFilledMapColr();
  void indexedMeshFilledContColr();
  void indexedMeshFilledTexContColr();

  /** Resets the working members for a new build and records the values and z. */
  void beginBuild();
  /** Cuts the cells into bands; without any isovalue, the plain geometry instead. */
  void fillBands();
  /** Whether this build cuts bands, the only colouring that needs the cutter's copy of the mesh. */
  bool cutsBands() const;
  SoNode* makeQuadMesh() const;
  SoNode* makeFaceSet() const;
  void addMaterialBinding(int binding);
  void addTextureCoordinates();

  SoGroup* m_group = nullptr;
  SoMaterialBinding* m_materialBinding = nullptr;
  SoNode* m_texture = nullptr;

  // The mesh being drawn and its inputs, set by the kind's entry point.
  const float* m_values = nullptr;
  const float* m_z = nullptr;
  int m_numX = 0, m_numY = 0;
  const PbIndexedMesh2D* m_indexedMesh = nullptr;
};

#endif
