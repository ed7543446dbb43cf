// One marching case of a cell kind: the polygons that the level surface makes in a cell whose
// nodes lie on given sides of the level, with the rotations and the complement that derive the
// kind's whole case table from a few canonical cases.
#ifndef GRIDLUX_PIMARCHINGCASE_H
#define GRIDLUX_PIMARCHINGCASE_H

#include <vector>

/**
 * @brief Marching case: id (bit i set when cell node i lies above the level), the polygons as
 * cell-local edge numbers and the cell-local node pairs of those edges.
 *
 * Each polygon lists its edges in triangle-strip order: p0 p1 p2 p3 p4 is the cycle
 * p0 p1 p3 p4 p2, drawn as the triangles (p0 p1 p2), (p1 p2 p3), (p2 p3 p4). Polygons are
 * separated by -1 (none after the last); the node-pair list has two nodes per edge and one -1
 * per separator. Optional quadrangles (four indices into the case's surface points, that is the
 * non-separator edge entries counted from 0, quadrangles separated by -1) close the ambiguous
 * faces of the cell, where two diagonal corners lie on the same side.
 *
 * Subclasses give the edge ends of their kind and the rotations that the kind provides; a
 * rotation about an axis the kind lacks posts a message and returns null.
 */
class PiMarchingCase {
public:
  PiMarchingCase(int canonicalClass, unsigned char id);
  PiMarchingCase(const PiMarchingCase& other) = default;
  PiMarchingCase& operator=(const PiMarchingCase& other) = default;
  virtual ~PiMarchingCase();

  /** New copy of this case turned @p n quarter turns about the axis (the caller owns it). */
  virtual PiMarchingCase* getRotX(int n) const;
  virtual PiMarchingCase* getRotY(int n) const;
  virtual PiMarchingCase* getRotZ(int n) const;
  /** New case with the complementary id and the same polygons facing the other way. */
  virtual PiMarchingCase* getReverse() const = 0;
  virtual int getNumNodes() const = 0;
  /** Cell-local nodes of edge @p edge; -1 when out of range. */
  virtual int getEdgeNode0(int edge) const = 0;
  virtual int getEdgeNode1(int edge) const = 0;
  /** Id of the complementary case: every node changes side. */
  virtual unsigned char getRevertId() const;
  /** Renumbers and turns the optional quadrangles after the polygons were reversed. */
  virtual void revertOptQuad();

  unsigned char getId() const { return m_id; }
  int getCanonicalClass() const { return m_class; }

  /** Sets the polygons (edge numbers, -1 between polygons) and derives the node pairs. */
  void setEdges(int num, const int* edges);
  /** Sets the optional quadrangles (four surface-point indices each, -1 between them). */
  void setOptQuads(int num, const int* quads);

  const std::vector<int>& getEdges() const { return m_edges; }
  const std::vector<int>& getNodePairs() const { return m_nodePairs; }
  const std::vector<int>& getOptQuads() const { return m_optQuads; }
  /** Number of surface points (non-separator edge entries). */
  int getNumSurfPoints() const;
  int getNumOptQuads() const;

  /**
   * Puts @p item at table[id] and counts one registration. A taken slot keeps its case: the
   * duplicate is deleted and reported on standard output. Returns 1 when stored.
   */
  static int registerCase(PiMarchingCase** table, int& count, PiMarchingCase* item);
  /** Registers @p item and its complement; returns 1 when @p item was stored. */
  static int registerWithReverse(PiMarchingCase** table, int& count, PiMarchingCase* item);
  /**
   * Registers @p canonical with its complement, then every rotation reachable from it through
   * the axes the kind provides (@p axes: bit 0 X, bit 1 Y, bit 2 Z) whose id is still free,
   * each with its complement.
   */
  static void registerOrbit(PiMarchingCase** table, int& count, PiMarchingCase* canonical, int axes);

protected:
  /** Turns this case @p n times by the node and edge permutations of one quarter turn. */
  void rot(int n, const int* nodePerm, const int* edgePerm);
  /** Makes this case its complement (see getReverse()). */
  void revert();
  void deriveNodePairs();

  unsigned char m_id;
  int m_class;
  std::vector<int> m_edges;
  std::vector<int> m_nodePairs;
  std::vector<int> m_optQuads;
};

#endif
