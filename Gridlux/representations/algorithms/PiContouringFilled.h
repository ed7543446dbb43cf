// Filled contour bands of a 2D mesh: each cell cut along the isovalues into flat-coloured faces.
#ifndef GRIDLUX_PICONTOURINGFILLED_H
#define GRIDLUX_PICONTOURINGFILLED_H

#include <Gridlux/representations/algorithms/PiContouring.h>

#include <Inventor/SbColor.h>

#include <cstdint>
#include <vector>

class SoGroup;
class SoMaterial;
class SoMaterialBinding;

/**
 * @brief Cuts every cell of a 2D mesh along the isovalues into faces that each lie in one band.
 *
 * A band is the region between two consecutive isovalues (below the first one, above the last
 * one); a face takes the data-mapping colour of the band's lower isovalue, or of -1e20 below the
 * first. The faces tile the cells exactly and meet the contour lines of the same values: a cell
 * whose band boundaries form a saddle is split along the same segments as the lines. Crossing
 * points are shared between neighbouring cells, so the surface has no cracks.
 *
 * The arrays grow by need and are kept from one call to the next.
 */
class PiContouringFilled : public PiContouring {
public:
  PiContouringFilled();

  /**
   * Adds to @p group the binding (PER_FACE), an SoCoordinate3 (the mesh nodes, then the
   * crossing points) and an SoIndexedFaceSet of the bands of @p values (one per node), and
   * fills @p material with one diffuse colour per face (and one transparency per face when the
   * mapping has transparency). @p z replaces the z given to setMesh() when not null. The caller
   * places @p material. Nothing is added when there are no values, nodes or isovalues.
   */
  void fillSurf(const float* values, const float* z, SoGroup* group, SoMaterial* material,
                SoMaterialBinding* binding);

  /** Number of faces and face band of the last fillSurf(); band 0 lies below the first isovalue. */
  int getNumFaces() const { return static_cast<int>(m_faceBand.size()); }
  const int* getFaceBands() const { return m_faceBand.data(); }

private:
  /** A point on a cell's outline: coordinate index and level (2 x band for a node, 2 x rank + 1
   *  for a crossing, which bounds the bands rank and rank + 1). */
  struct RingPoint {
    int coord;
    int level;
  };

  void fillCell(const int* nodes, int numNodes, int bMin, int bMax);
  void fillRectilinearGrid();
  void buildRing(const int* nodes, int numNodes);
  void emitBandsOfRing(int bMin, int bMax);
  bool cutAlongChords(int bMin, int bMax);
  void emitFace(const int* coords, int num, int band);
  void bandColors();

  std::vector<int32_t> m_faceIndex;  ///< coordinate indices, each face ended by -1
  std::vector<int> m_faceBand;
  std::vector<RingPoint> m_ring;
  std::vector<int> m_face;
  std::vector<int> m_pieces;      ///< ring positions of every piece, one after the other
  std::vector<int> m_pieceStart;  ///< start of each piece in m_pieces, and the end
  std::vector<int> m_scratch;
  std::vector<int> m_runs;       ///< column, first row, last row, band of each joined run
  std::vector<int> m_breaks;     ///< rows where a face of a column has a corner, column by column
  std::vector<int> m_breakStart; ///< start of each column in m_breaks, and the end
  std::vector<SbColor> m_bandColor;
  std::vector<float> m_bandTransparency;
  std::vector<char> m_bandHasColor;
};

#endif
