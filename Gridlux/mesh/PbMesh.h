// Abstract mesh: node and cell counts, bounding box, value sets, adjacency and cell location.
#ifndef GRIDLUX_PBMESH_H
#define GRIDLUX_PBMESH_H

#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/base/PbBase.h>
#include <Inventor/SbBox3f.h>
#include <Inventor/SbString.h>
#include <Inventor/SbVec3f.h>

#include <cstdio>

class PbCell;
class SoMFVec3f;

/**
 * @brief Base of every mesh: geometry given by the subclass, value sets addressed by index.
 *
 * Scalar sets hold one float per node (PER_NODE) or per cell (PER_CELL); string and vector sets
 * hold one entry per node. A mesh built with data duplication copies every array it is given and
 * owns the copies; without it, it keeps the caller's pointers, which must stay alive and unchanged.
 * Adding or removing a set notifies the following nodes (change types 3, 4 and 5).
 *
 * Queries return pointers into the mesh, valid until its next change or query of the same kind;
 * a cell from getCell() or findContainingCell() is a reused object of the mesh. Cell location
 * writes scratch state of the mesh: one thread at a time locates cells on a mesh.
 */
class PbMesh : public PbBase {
public:
  enum DataBinding {
    PER_CELL = 0,
    PER_NODE = 1
  };

  ~PbMesh() override;

  virtual SbVec3f getNodeCoord(int nodeIndex) const = 0;

  /** Adds (or replaces) scalar set @p index, @p binding values long; 1 on success. */
  int addValuesSet(int index, const float* values, DataBinding binding, const char* name = nullptr);
  /** Adds (or replaces) a per-node scalar set. */
  virtual int addValuesSet(int index, const float* values, const char* name = nullptr);
  virtual int addStringsSet(int index, const SbString* strings, const char* name = nullptr);
  virtual int addVecsSet(int index, const SbVec3f* vectors, const char* name = nullptr);

  /** Names of sets, or null when there is no set with that index. */
  virtual const SbString* getValuesSetName(int index) const;
  virtual const SbString* getStringsSetName(int index) const;
  virtual const SbString* getVecsSetName(int index) const;
  /** Values of sets, or null when there is no set with that index. */
  virtual const float* getValuesSet(int index) const;
  virtual const SbString* getStringsSet(int index) const;
  virtual const SbVec3f* getVecsSet(int index) const;
  /** Binding of scalar set @p index; PER_NODE when there is none. */
  DataBinding getValuesBinding(int index) const;

  /** Remove a set; 0 and a posted message when there is no set with that index. */
  virtual int removeValuesSet(int index);
  virtual int removeStringsSet(int index);
  virtual int removeVecsSet(int index);
  virtual void removeAllValuesSet();
  virtual void removeAllStringsSet();
  virtual void removeAllVecsSet();

  virtual int getNumValuesSet() const { return m_numValuesSet; }
  virtual int getNumStringsSet() const { return m_numStringsSet; }
  virtual int getNumVecsSet() const { return m_numVecsSet; }
  /** Set index of the @p rank-th set in index order, or -1. */
  int getValuesSetIndex(int rank) const;
  int getStringsSetIndex(int rank) const;
  int getVecsSetIndex(int rank) const;

  /** Minimum (maximum) over the set's values, NaN skipped; 0 and @p min untouched when none. */
  virtual int getMinValuesSet(int index, float& min) const;
  /** Smallest (largest) vector length of the set; 0 and the output untouched when none. */
  virtual int getMinVecsSet(int index, float& min) const;
  virtual int getMaxValuesSet(int index, float& max) const;
  virtual int getMaxVecsSet(int index, float& max) const;

  /** Adjacency queries; @p cells is emptied first. */
  virtual void getNodeOwnerCellsInd(int nodeIndex, PbArrayOfInt& cells) const = 0;
  virtual void getNodesOwnerCellsInd(const PbArrayOfInt& nodeIndices, PbArrayOfInt& cells) const;
  virtual void getAdjacentCellsIndByNode(int cellIndex, PbArrayOfInt& cells) const;
  virtual void getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const;

  /** The mesh's reused cell object set to cell @p cellIndex, or null when out of range. */
  virtual const PbCell* getCell(int cellIndex) const = 0;
  /** Box of the cell of smallest (biggest) box volume; @p cellIndex receives its index (-1 if none). */
  virtual SbBox3f getSmallestCellBox(int& cellIndex) const;
  virtual SbBox3f getBiggestCellBox(int& cellIndex) const;
  virtual float getVolume() const = 0;
  virtual float getArea() const = 0;

  /** The cell containing @p point within @p tolerance, with the point's parametric coordinates. */
  virtual const PbCell* findContainingCell(const SbVec3f& point, float tolerance, SbVec3f& pcoord) const;
  /**
   * As above, searching the neighbourhood of @p adjacentCell (a cell of this mesh) first: the cells
   * sharing a facet with it, then those sharing a node, then the rest. @p adjacentCell itself is
   * not tested: callers such as stream lines test it before asking for its neighbours.
   */
  virtual const PbCell* findContainingCell(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                           const PbCell* adjacentCell) const;
  /** Longest distance measured in the cells (0 for surface meshes); cached until the geometry changes. */
  virtual float getLongestEdgeLength() const;
  virtual void print(FILE* file) const;
  virtual int isEmpty() const { return m_numMeshNodes == 0; }
  /** Every node coordinate in node order. */
  virtual void getNodesCoord(SoMFVec3f& coords) const;

  int getNumNodes() const { return m_numMeshNodes; }
  int getNumCells() const { return m_numMeshCells; }
  const SbBox3f& getBoundingBox() const { return m_boundingBox; }
  int isDataDuplicated() const { return m_isDataDuplicate; }

  /**
   * Interval of a sorted (increasing or decreasing) array holding @p value: i such that value lies
   * strictly beyond array[i] and up to array[i+1]; -1 before the first element, num - 1 past the last.
   */
  static int getPositionInSortedArray(float value, int num, const float* array);

protected:
  explicit PbMesh(int isDataDuplicate);
  PbMesh(const PbMesh& other);
  PbMesh& operator=(const PbMesh& other);

  virtual void updateBoundingBox() = 0;
  /** Recomputes the smallest and biggest cell boxes by box volume. */
  virtual void updateCellBoundingBox() const;
  /** Full search of the mesh kind, skipping the cells listed in @p testedCells when it can. */
  virtual const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                                    PbArrayOfInt& testedCells) const = 0;
  /** Longest edge of the mesh kind, called when the cached value is stale. */
  virtual float computeLongestEdgeLength() const { return 0; }

  /** Sets the node and cell counts and marks every derived datum (cell boxes, longest edge) stale. */
  void setCounts(int numNodes, int numCells);
  /** Marks the cell boxes and the longest edge stale; subclasses call it when the geometry changes. */
  void geometryChanged();
  /** Reports a geometry change (type 2) to the followers. */
  void notifyGeometry();
  /** Posts a message and returns 1 when @p num floats of @p values hold a NaN or an infinity. */
  static int hasInvalidFloat(const char* method, const char* what, int num, const float* values);

  int m_isDataDuplicate;
  int m_numMeshNodes;
  int m_numMeshCells;
  SbBox3f m_boundingBox;
  mutable int m_cellBoxesCurrent;
  mutable SbBox3f m_smallestCellBox;
  mutable SbBox3f m_biggestCellBox;
  mutable int m_smallestCellIndex;
  mutable int m_biggestCellIndex;
  mutable int m_longestEdgeCurrent;
  mutable float m_longestEdge;

  struct ValuesSet {
    int index;
    float* values;
    int ownedLength; ///< number of floats allocated by the mesh, 0 when the caller's array
    SbString name;
    DataBinding binding;
    ValuesSet* next;
  };
  struct VecsSet {
    int index;
    int isOwner;
    int ownedLength;
    SbVec3f* vectors;
    SbString name;
    VecsSet* next;
  };
  struct StringsSet {
    int index;
    int ownedLength;
    SbString* strings;
    SbString name;
    StringsSet* next;
  };

  ValuesSet* m_valuesSets;
  int m_numValuesSet;
  VecsSet* m_vecsSets;
  int m_numVecsSet;
  StringsSet* m_stringsSets;
  int m_numStringsSet;

  mutable PbArrayOfInt m_testedCells;
  /** Scratch lists of the neighbourhood search, kept to avoid allocating per located point. */
  mutable PbArrayOfInt m_scratchA;
  mutable PbArrayOfInt m_scratchB;
  mutable PbArrayOfInt m_scratchNodes;

  /** Stores @p vectors as vector set @p index; copied into the mesh's array when @p copy. */
  int storeVecsSet(int index, const SbVec3f* vectors, const char* name, int copy);

private:
  void copySets(const PbMesh& other);
  ValuesSet* findValuesSet(int index) const;
  VecsSet* findVecsSet(int index) const;
  StringsSet* findStringsSet(int index) const;
};

#endif
