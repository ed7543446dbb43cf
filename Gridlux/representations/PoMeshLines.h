// Cell edges of a 2D mesh: the grid lines of structured grids, the cell outlines of unstructured ones.
#ifndef GRIDLUX_POMESHLINES_H
#define GRIDLUX_POMESHLINES_H

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

/**
 * @brief Draws the cell edges of the current 2D mesh as one SoIndexedLineSet over a
 * SoCoordinate3 of every mesh node.
 *
 * Structured grids: for each value of the first grid index the polyline through the nodes along
 * the second index, then for each value of the second index the polyline along the first one.
 * Unstructured meshes: each cell's outline, closed by its first node again (an edge shared by two
 * cells is drawn twice); cells that are neither triangles nor quadrangles are skipped.
 *
 * The mesh calls back the entry point of its kind (PbMesh2D::meshLines), which picks the InhColr
 * variant under the effective colouring COLOR_INHERITED, the MapColr variant otherwise: one
 * data-mapping colour per node value, bound per vertex through the line set's indices. A value
 * set bound per cell draws with the inherited material. The z of the nodes is the set
 * zValuesIndex when it is given, else the mesh's own z, else 0.
 *
 * No fields of its own. Part: groupLines (SoGroup); appearance.material receives the generated
 * material (a user's own material part stays under the inherited colouring).
 */
class PoMeshLines : public PoMesh2D {
  typedef PoMesh2D inherited;
  PO_KIT_HEADER(PoMeshLines);

  SO_KIT_CATALOG_ENTRY_HEADER(groupLines);

public:
  PoMeshLines();
  static void initClass();

  void rebuild() override;

  /** Called back by the mesh (PbMesh2D::meshLines), one per mesh kind. */
  void cartGridLines(const PbCartesianGrid2D* mesh);
  void paralCartGridLines(const PbParalCartesianGrid2D* mesh);
  void regularCartGridLines(const PbRegularCartesianGrid2D* mesh);
  void polarGridLines(const PbPolarGrid2D* mesh);
  void indexedLines(const PbIndexedMesh2D* mesh);
  void triangleLines(const PbTriangleMesh2D* mesh);
  void quadrangleLines(const PbQuadrangleMesh2D* mesh);

  /** The variants of each kind: @p z per node or null, @p values one per node. */
  void cartGridLinesInhColr(const PbCartesianGrid2D* mesh, const float* z);
  void cartGridLinesMapColr(const PbCartesianGrid2D* mesh, const float* z, const float* values);
  void paralCartGridLinesInhColr(const PbParalCartesianGrid2D* mesh, const float* z);
  void paralCartGridLinesMapColr(const PbParalCartesianGrid2D* mesh, const float* z, const float* values);
  void regularCartGridLinesInhColr(const PbRegularCartesianGrid2D* mesh, const float* z);
  void regularCartGridLinesMapColr(const PbRegularCartesianGrid2D* mesh, const float* z, const float* values);
  void polarGridLinesInhColr(const PbPolarGrid2D* mesh, const float* z);
  void polarGridLinesMapColr(const PbPolarGrid2D* mesh, const float* z, const float* values);
  void indexedLinesInhColr(const PbIndexedMesh2D* mesh, const float* z);
  void indexedLinesMapColr(const PbIndexedMesh2D* mesh, const float* z, const float* values);
  void triangleLinesInhColr(const PbTriangleMesh2D* mesh, const float* z);
  void triangleLinesMapColr(const PbTriangleMesh2D* mesh, const float* z, const float* values);
  void quadrangleLinesInhColr(const PbQuadrangleMesh2D* mesh, const float* z);
  void quadrangleLinesMapColr(const PbQuadrangleMesh2D* mesh, const float* z, const float* values);

protected:
  ~PoMeshLines() override;

  void preRebuild() override;

private:
  /** Every structured kind shares the node layout, every unstructured kind the cell lists. */
  void gridLines(const PbGrid2D* mesh);
  void gridLinesInhColr(const PbGrid2D* mesh, const float* z);
  void gridLinesMapColr(const PbGrid2D* mesh, const float* z, const float* values);
  void unstructuredLines(const PbIndexedMesh2D* mesh);
  void unstructuredLinesInhColr(const PbIndexedMesh2D* mesh, const float* z);
  void unstructuredLinesMapColr(const PbIndexedMesh2D* mesh, const float* z, const float* values);
  /** The per-node values to colour by, or null when the colouring is inherited. */
  const float* nodeValues() const;
  void addNodeColors(int numNodes, const float* values);

  SoGroup* m_group = nullptr;
};

#endif
