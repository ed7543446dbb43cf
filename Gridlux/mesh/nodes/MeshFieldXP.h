// Reading and writing helpers shared by the mesh fields; internal, not installed.
#ifndef GRIDLUX_MESHFIELDXP_H
#define GRIDLUX_MESHFIELDXP_H

#include <Inventor/SbString.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoOutput.h>

#include <vector>

class PbMesh;

/**
 * The pieces of a mesh field's file format. In ASCII every value line starts on a new line at the
 * current indentation and counts carry a comment after them; in binary the same values follow one
 * another with no comment. Readers never trust a count: lists grow as values arrive, so a count
 * larger than the data fails at the end of the input instead of allocating it up front.
 */
namespace MeshFieldIO {

/** Starts the field's value on a new line, one level deeper. */
void beginValue(SoOutput* out);
/** Ends the field's value: back to the enclosing indentation. */
void endValue(SoOutput* out);
/** ASCII only: a new line at the current indentation. */
void newLine(SoOutput* out);
/** A comment on a line of its own (nothing in binary). */
void writeCommentLine(SoOutput* out, const char* comment);
/** One or more integers on one line followed by their comment. */
void writeCounts(SoOutput* out, const int* values, int num, const char* comment);
void writeCount(SoOutput* out, int value, const char* comment);
/** Floats on one line followed by their comment. */
void writeFloatsLine(SoOutput* out, const float* values, int num, const char* comment);
/** A list: a comment line, then the values 15 per line. */
void writeFloats(SoOutput* out, const char* comment, const float* values, int num);
void writeInts(SoOutput* out, const char* comment, const int* values, int num);
/** Strings, 8 per line. */
void writeStrings(SoOutput* out, const SbString* strings, int num);
void writeString(SoOutput* out, const SbString& string);

/** The scalar, string and vector sets of @p mesh, renumbered from 0. */
void writeValueSets(SoOutput* out, const PbMesh& mesh);

/** Reads a count, refusing negative ones with a message under @p method. */
SbBool readCount(SoInput* in, int& value, const char* method, const char* what);
/** Reads @p num floats (ints) into @p values. */
SbBool readFloats(SoInput* in, int num, std::vector<float>& values);
SbBool readInts(SoInput* in, int num, std::vector<int>& values);
SbBool readFloat(SoInput* in, float& value);
/**
 * In ASCII: skips blanks up to a "#" and returns the rest of that line; anything else than a
 * comment is left in the input and the result is empty. In binary the result is empty.
 */
SbString readCommentString(SoInput* in);
/** Reads the 0 or 1 flag that says whether a surface mesh has z coordinates. */
SbBool readZFlag(SoInput* in, int& flag, const char* method);
/** The product of counts when it fits a node or cell count, else -1. */
int countProduct(int a, int b, int c = 1);
/**
 * Most nodes a structured mesh may declare by its counts alone, without a coordinate or z per
 * node in the file (regular grids, grids of axis lists): a file of a few numbers must not make
 * the representations build geometry for billions of nodes. 2^24: 4096 x 4096, 256^3.
 */
const int kMaxImplicitNodes = 1 << 24;
/** Whether @p numNodes, declared by counts alone, is at most kMaxImplicitNodes; else posts why. */
SbBool checkImplicitNodes(int numNodes, const char* method);
/** Reads the value sets written by writeValueSets() into @p mesh, whose geometry is set. */
SbBool readValueSets(SoInput* in, PbMesh& mesh, const char* method);

/** Element-wise equality of two float arrays, either possibly null when @p num is 0. */
int sameFloats(int num, const float* a, const float* b);
int sameInts(int num, const int* a, const int* b);
/** Same value sets under the same indices, with the same names, bindings and values. */
int sameValueSets(const PbMesh& a, const PbMesh& b);

/** The comments of a structured grid's geometry: counts, then one per coordinate list. */
struct GridComments {
  const char* counts;
  const char* x;
  const char* y;
  const char* z;
};

/**
 * Geometry of a structured grid given by coordinate lists: the counts, the x, y (and in 3D z)
 * lists of @p lengths[k] values, then for a surface grid the 3D flag and the z per node.
 * @p dims is 2 or 3; @p z2D is the optional z per node of a surface grid.
 */
void writeGridArrays(SoOutput* out, int dims, const int* counts, const float* const* lists, const int* lengths,
                     const float* z2D, const GridComments& comments);
/**
 * Reads what writeGridArrays() wrote. @p perNode says whether each coordinate list has one value
 * per node (curvilinear grids) or one per index along its axis. @p hasZ is set for surface grids.
 */
SbBool readGridArrays(SoInput* in, const char* method, int dims, int perNode, int* counts,
                      std::vector<float>* lists, std::vector<float>& z2D, int& hasZ);

/**
 * Geometry of a surface grid given by one coordinate list per axis (rectilinear and polar grids):
 * written by writeGridArrays(), one value per index along each axis. @p Grid has
 * getGeometry(numX, numY, x, y), getZcoord() and setGeometry() with and without z.
 */
template <class Grid>
void axisLists(const Grid& grid, int& numX, int& numY, const float*& x, const float*& y)
{
  grid.getGeometry(numX, numY, x, y);
  if (!x || !y)
    numX = numY = 0; // no geometry yet
}

template <class Grid>
void writeAxisGrid(SoOutput* out, const Grid& grid, const GridComments& comments)
{
  int counts[2];
  const float* lists[2];
  axisLists(grid, counts[0], counts[1], lists[0], lists[1]);
  const int lengths[2] = {counts[0], counts[1]};
  writeGridArrays(out, 2, counts, lists, lengths, counts[0] ? grid.getZcoord() : nullptr, comments);
}

/** Reads what writeAxisGrid() wrote into @p grid; an empty grid is read and left untouched. */
template <class Grid>
SbBool readAxisGrid(SoInput* in, const char* method, Grid& grid)
{
  int counts[2], hasZ;
  std::vector<float> lists[2], z;
  if (!readGridArrays(in, method, 2, 0, counts, lists, z, hasZ))
    return FALSE;
  if (counts[0] == 0 && counts[1] == 0)
    return TRUE;
  return hasZ ? grid.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data(), z.data())
              : grid.setGeometry(counts[0], counts[1], lists[0].data(), lists[1].data());
}

template <class Grid>
int sameAxisGrid(const Grid& a, const Grid& b)
{
  int nxa, nya, nxb, nyb;
  const float *xa, *ya, *xb, *yb;
  axisLists(a, nxa, nya, xa, ya);
  axisLists(b, nxb, nyb, xb, yb);
  return nxa == nxb && nya == nyb && sameFloats(nxa, xa, xb) && sameFloats(nya, ya, yb) &&
         (a.getZcoord() != nullptr) == (b.getZcoord() != nullptr) &&
         sameFloats(nxa * nya, a.getZcoord(), b.getZcoord());
}

/** Gives @p to the geometry of @p from, unless @p from has none. */
template <class Grid>
void copyAxisGrid(const Grid& from, Grid& to)
{
  int numX, numY;
  const float *x, *y;
  axisLists(from, numX, numY, x, y);
  if (!numX)
    return;
  if (from.getZcoord())
    to.setGeometry(numX, numY, x, y, from.getZcoord());
  else
    to.setGeometry(numX, numY, x, y);
}

/** Geometry of an unstructured mesh, as given to and got from its setGeometry() and getGeometry(). */
struct CellList {
  int numNodes = 0;
  const float* xyz[3] = {nullptr, nullptr, nullptr}; ///< z is null for a surface mesh in z = 0
  int numCells = 0;
  const int* types = nullptr; ///< null for a one-kind mesh, whose types are not written
  const int* indices = nullptr;
  int indexLength = 0;
};

/**
 * Writes the nodes ("# num nodes", the coordinate lists, for a surface mesh the 3D flag), then
 * "# num cells", the node count of each cell when @p withTypes, and "# cell's indices".
 */
void writeCellList(SoOutput* out, int dims, const CellList& cells, int withTypes);
/**
 * Reads what writeCellList() wrote into @p storage (x, y, z, types, indices) and points @p cells
 * at it. Without types, every cell has @p nodesPerCell nodes. Node counts outside 1 to 8 are
 * refused here, so that the length of the index list is known to fit.
 */
struct CellStorage {
  std::vector<float> xyz[3];
  std::vector<int> types;
  std::vector<int> indices;
};
SbBool readCellList(SoInput* in, const char* method, int dims, int withTypes, int nodesPerCell, CellList& cells,
                    CellStorage& storage);
/** Same nodes, cells and types. */
int sameCellList(int dims, const CellList& a, const CellList& b);

/**
 * Reads a cell list (as readCellList() does) and gives it to @p mesh through @p apply(mesh,
 * cells); an empty mesh is read and leaves @p mesh untouched.
 */
template <class Mesh, class Apply>
SbBool readCellMesh(SoInput* in, const char* method, int dims, int withTypes, int nodesPerCell, Mesh& mesh,
                    Apply apply)
{
  CellList cells;
  CellStorage storage;
  if (!readCellList(in, method, dims, withTypes, nodesPerCell, cells, storage))
    return FALSE;
  if (cells.numNodes == 0 && cells.numCells == 0)
    return TRUE;
  return apply(mesh, cells);
}

} // namespace MeshFieldIO

#endif
