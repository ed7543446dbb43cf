// Index-level filtering of the parts of a shape whose mapped transparency marks them as deleted.
#ifndef GRIDLUX_PITRANSPARENCYDELETION_H
#define GRIDLUX_PITRANSPARENCYDELETION_H

#include <cstdint>
#include <vector>

/**
 * @brief Drops the faces, polylines, strips or quads whose transparency reaches a threshold.
 *
 * Works on the index arrays of the toolkit's indexed shapes (each polygon, polyline or strip
 * ends with -1) and on the per-part, per-face or per-vertex transparencies of a material, so
 * that the node base only has to copy the result into a replacement shape. A part stays while
 * its transparency is strictly below the threshold.
 */
class PiTransparencyDeletion {
public:
  /** How the transparencies are bound to the shape. */
  enum Binding { PER_PART, PER_FACE, PER_VERTEX };

  /** The index lists of the replacement shape. */
  struct Result {
    std::vector<int32_t> coordIndex;
    std::vector<int32_t> materialIndex;
  };

  /**
   * Face sets. PER_PART and PER_FACE keep whole faces and list each kept face's number in
   * materialIndex. PER_VERTEX keeps runs of leading vertices below the threshold (indexed by
   * coordinate index); a run of more than two vertices becomes a face of its own.
   */
  static void filterFaceSet(const int32_t* coordIndex, int numIndices, const float* transparency,
                            int numTransparency, Binding binding, float threshold, Result& out);

  /**
   * Line sets. PER_VERTEX cuts polylines into runs of at least two vertices below the threshold.
   * PER_PART (one value per segment) keeps runs of segments and lists, for each kept segment, the
   * number of the segment it came from. PER_FACE leaves the line set as it is (returns FALSE).
   */
  static bool filterLineSet(const int32_t* coordIndex, int numIndices, const float* transparency,
                            int numTransparency, Binding binding, float threshold, Result& out);

  /**
   * Triangle strip sets. PER_PART keeps whole strips (materialIndex: strip numbers). PER_FACE
   * (one value per triangle) and PER_VERTEX keep runs of triangles; a run that starts on an odd
   * triangle of its strip begins with a repeated vertex so that its orientation is kept.
   * PER_FACE lists one material index per triangle of the output, the leading degenerate one
   * included, so that the indices stay aligned with the triangles the toolkit counts.
   */
  static void filterTriangleStripSet(const int32_t* coordIndex, int numIndices,
                                     const float* transparency, int numTransparency,
                                     Binding binding, float threshold, Result& out);

  /**
   * Quad meshes of @p rows x @p columns vertices starting at coordinate @p startIndex, turned into
   * one four-vertex strip (and -1) per kept quad. PER_FACE: one value per quad, materialIndex
   * gets the quad's number once per triangle; PER_VERTEX: a quad stays when its four vertices
   * are below the threshold. PER_PART leaves the mesh as it is (returns FALSE).
   */
  static bool filterQuadMesh(int startIndex, int rows, int columns, const float* transparency,
                             int numTransparency, Binding binding, float threshold, Result& out);
};

#endif
