// Abstract surface mesh: optional z per node, elevation from a value set, boundary loops.
#ifndef GRIDLUX_PBMESH2D_H
#define GRIDLUX_PBMESH2D_H

#include <Gridlux/mesh/PbMesh.h>
#include <Inventor/SbBox2f.h>
#include <Inventor/SbVec2f.h>

class PbFaultLine;
class PoMesh2DVec;
class PoMeshLines;
class PoMeshFilled;
class PbTriangleMesh2D;

/**
 * @brief Base of surface meshes (grids and unstructured 2D meshes).
 *
 * Without z coordinates the mesh lies in the plane z = 0. pushZCoord() temporarily uses a
 * per-node scalar set as the z coordinates (an elevation surface) and popZCoord() restores the
 * previous ones; one level is saved, and the set must stay in the mesh until the pop.
 * Facets of 2D cells are their edges: getAdjacentCellsIndByFacet() lists the cells sharing an edge.
 */
class PbMesh2D : public PbMesh {
public:
  ~PbMesh2D() override;

  using PbMesh::addVecsSet;
  /** Adds a set of 2D vectors, always stored by the mesh as (x, y, 0). */
  virtual int addVecsSet(int index, const SbVec2f* vectors, const char* name = nullptr);

  /** The x and y ranges of the mesh's box. */
  SbBox2f getBoundingBox() const;
  /** The z coordinates in use, or null for a mesh in z = 0. */
  const float* getZcoord() const { return m_zCoord; }
  /** Saves the z pointer, then uses per-node scalar set @p valuesSetIndex as z when it is 0 or more. */
  void pushZCoord(int valuesSetIndex);
  /** Restores the z pointer saved by pushZCoord(). */
  void popZCoord();

  /**
   * Boundary loops: edges owned by one cell only, chained into closed loops; @p limitSizes gets
   * the node count of each loop and @p limitNodes the nodes of all loops one after another.
   */
  virtual void getLimitIndices(PbArrayOfInt& limitNodes, PbArrayOfInt& limitSizes) const;
  virtual int hasSidesNormals() const { return 0; }
  /** Asks @p node to draw this mesh's cell edges with the builder of its kind (none for an unknown kind). */
  virtual void meshLines(PoMeshLines* node) const { (void)node; }
  /** Asks @p node to draw this mesh with the filled builder of its kind (none for an unknown kind). */
  virtual void meshFilled(PoMeshFilled* node) const { (void)node; }
  /** Calls back @p node's vector operation of this mesh kind; a kind without one draws nothing. */
  virtual void mesh2DVec(PoMesh2DVec* node) const { (void)node; }
  /**
   * A new triangle mesh of this surface cut along the clean edges of @p fault (the caller owns
   * it), or null with a posted message. @p splitSegments refines the fault edges until each piece
   * is a Delaunay edge. Built with the fault line (PbFaultLine.cpp).
   */
  PbTriangleMesh2D* getFaultMesh(const PbFaultLine& fault, int splitSegments = 0) const;

  void getAdjacentCellsIndByFacet(int cellIndex, PbArrayOfInt& cells) const override;
  /** Sum of the cell areas. */
  float getArea() const override;
  float getVolume() const override { return 0; }
  void print(FILE* file) const override;

protected:
  PbMesh2D(int numZ, const float* z, int isDataDuplicate);
  PbMesh2D(const PbMesh2D& other);
  PbMesh2D& operator=(const PbMesh2D& other);

  /** Sets (or with a null @p z, removes) the z coordinates, copied when the mesh duplicates data. */
  void setZCoord(int numZ, const float* z);
  /** Surface meshes without a faster method find nothing. */
  const PbCell* findContainingCellProtected(const SbVec3f& point, float tolerance, SbVec3f& pcoord,
                                            PbArrayOfInt& testedCells) const override;

  const float* m_zCoord;
  const float* m_savedZCoord;
  int m_numZCoord;

private:
  float* m_ownedZ;
  int m_ownedZLength;
  int m_zPushed;
  int m_savedNumZ = 0;
};

#endif
