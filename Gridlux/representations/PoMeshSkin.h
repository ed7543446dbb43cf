// Outer boundary of the current 3D mesh, or of the cells a cell filter accepts.
#ifndef GRIDLUX_POMESHSKIN_H
#define GRIDLUX_POMESHSKIN_H

#include <Gridlux/representations/PoMesh3D.h>
#include <Gridlux/representations/algorithms/PiMeshSkin.h>

#include <vector>

class PbCartesianGrid3D;
class PbParalCartesianGrid3D;
class PbRegularCartesianGrid3D;
class PoCellFilter;

/**
 * @brief Draws the faces that belong to one cell only (the skin) as one SoIndexedFaceSet over a
 * SoCoordinate3 of the mesh nodes those faces use (in order of first use); with a cell filter in the state, the boundary of the set of
 * accepted cells instead.
 *
 * Faces turn clockwise seen from outside (the shape hints say so): the order of the cells' face
 * lists for unstructured meshes, the same for the grids' six sides; the faces of a cell whose
 * nodes turn the mirrored way (PbCell::getOrdering() 0), and of a grid whose coordinates fall
 * along an axis, are drawn reversed, so mixed meshes still face out throughout.
 *
 * Unstructured skins come from the mesh's own face tables (PbIndexedMesh3D::updateSkin), the
 * quadrangles first; a grid's skin is its six sides. Filtered skins: a grid draws each face
 * between an accepted and a refused cell (or the outside); an indexed mesh enters every face of
 * every accepted cell into a PiMeshSkin, where faces met twice cancel. The value a cell is
 * filtered by is its value in the set `valuesIndexForCellFilter` when bound per cell, the mean of
 * its nodes' values when bound per node, 0 without that set.
 *
 * Colouring of the value set `valuesIndex`: COLOR_INHERITED draws the inherited material; values
 * bound per cell give each face its cell's colour; values bound per node give each node its
 * colour, interpolated over the faces. The contouring colourings are drawn as that per-node
 * mapping here (no bands on the skin yet).
 *
 * No fields of its own. Part: groupSkin (SoGroup).
 */
class PoMeshSkin : public PoMesh3D {
  typedef PoMesh3D inherited;
  PO_KIT_HEADER(PoMeshSkin);

  SO_KIT_CATALOG_ENTRY_HEADER(groupSkin);

public:
  PoMeshSkin();
  static void initClass();

  void rebuild() override;

  // The skin of each mesh kind, called back by the mesh.
  void cartGrid3DSkin(const PbCartesianGrid3D* mesh);
  void paralCartGrid3DSkin(const PbParalCartesianGrid3D* mesh);
  void regularGrid3DSkin(const PbRegularCartesianGrid3D* mesh);
  void hexahedronMeshSkin(const PbHexahedronMesh3D* mesh);
  void tetrahedronMeshSkin(const PbTetrahedronMesh3D* mesh);
  void indexedMeshSkin(const PbIndexedMesh3D* mesh);
  void grid3DSkinFilter(const PbGrid3D* mesh, const PoCellFilter* filter);
  void indexed3DSkinFilter(const PbIndexedMesh3D* mesh, const PoCellFilter* filter);

protected:
  ~PoMeshSkin() override;
  void preRebuild() override;

private:
  /** Appends one face (its nodes, reversed for a @p mirrored cell, then -1) and its owning cell. */
  void addFace(int cell, const int* nodes, int num, bool mirrored);
  /** Whether @p cell lists its nodes in the mirrored order of its kind. */
  static bool isMirrored(const PbIndexedMesh3D* mesh, int cell);
  /** The six sides of a grid, or with @p filter the faces between accepted and refused cells. */
  void gridFaces(const PbGrid3D* mesh, const PoCellFilter* filter);
  /** Coordinates, colours and the face set of the faces gathered, into the group being built. */
  void drawFaces(const PbMesh3D* mesh);
  /** The value @p cell is filtered by (see the class comment). */
  float filterValue(const PbMesh3D* mesh, int cell, const int* nodes, int numNodes) const;

  std::vector<int> m_faceCells;
  std::vector<int> m_nodeSlot;  ///< per mesh node its point in the skin, -1 when unused
  std::vector<int> m_usedNodes; ///< the mesh node of each point
  PiMeshSkin m_filtered;
};

#endif
