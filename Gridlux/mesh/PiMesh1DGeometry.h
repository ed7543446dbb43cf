// Series geometry on plain arrays: the vertices of each geometry interpretation and curve cuts.
#ifndef GRIDLUX_PIMESH1DGEOMETRY_H
#define GRIDLUX_PIMESH1DGEOMETRY_H

#include <vector>

/**
 * @brief The XY geometry of a one-dimensional series, without scene-graph types.
 *
 * Each vertex records the nodes it stands for: its attributes (colours, further per-node values)
 * are those of node a blended toward node b by t, so that a caller can colour vertices from
 * per-node colours. The interpretations are numbered as PoMesh1DHints::GeomInterpretation.
 */
class PiMesh1DGeometry {
public:
  /** A vertex of a series polyline and the nodes whose attributes it blends. */
  struct Vertex {
    float x, y;
    int a, b; ///< nodes whose attributes the vertex takes
    float t;  ///< blend from node a (0) to node b (1)
  };
  /** A point on segment k (vertex k to k + 1) of a polyline, at fraction t along it. */
  struct Cut {
    float x, y;
    int segment;
    float t;
  };

  /**
   * Vertices of the @p n points (x, y) under @p interpretation; @p nodeVertex gets, per node,
   * the index of the vertex that ends the node's step. Unknown interpretations are taken AS_IS.
   */
  static void interpret(int interpretation, int n, const float* x, const float* y, std::vector<Vertex>& vertices,
                        std::vector<int>& nodeVertex);

  /**
   * Points of the polyline @p vertices at each of @p coords along @p axis (0 x, 1 y), in
   * coordinate order then segment order. A coordinate on an inner vertex gives one point (from
   * the segment that starts there); one on the last vertex gives none.
   */
  static void cutAlongAxis(const std::vector<Vertex>& vertices, int axis, const std::vector<float>& coords,
                           std::vector<Cut>& cuts);
};

#endif
