// Face tables of an unstructured volume mesh's skin: faces met twice cancel, the outer ones stay.
#ifndef GRIDLUX_PBMESHSKINDATA_H
#define GRIDLUX_PBMESHSKINDATA_H

#include <vector>

/**
 * @brief Two hash tables, of triangles and of quadrangles, keyed by their sorted node indices.
 *
 * Adding a face that is present removes it; so after every face of every cell went in, what
 * remains are the faces of one cell only: the skin. Each remaining face keeps its nodes in the
 * order given (which turns it as its cell listed it) and its owning cell.
 *
 * A table initialised for n expected faces gets n / 10 buckets, at least 100; the bucket
 * array is kept afterwards. Buckets are visited in index order and each chain from its most
 * recently added face. Records live in a pool reused from one initialisation to the next, so
 * that entering the faces of a large mesh allocates nothing per face.
 */
class PbMeshSkinData {
public:
  PbMeshSkinData();

  void init3pFaceList(int expected);
  void init4pFaceList(int expected);
  void addFace3p(int cell, int n0, int n1, int n2);
  void addFace4p(int cell, int n0, int n1, int n2, int n3);

  void startGettingFace3p();
  void startGettingFace4p();
  /** The next remaining triangle, nodes in the given order: 1, or 0 at the end. */
  int getFace3p(int& cell, int& n0, int& n1, int& n2);
  int getFace4p(int& cell, int& n0, int& n1, int& n2, int& n3);

  int getNumFaces3p() const { return m_tables[0].numFaces; }
  int getNumFaces4p() const { return m_tables[1].numFaces; }

private:
  // The chain walk reads only the link and the key, so they come first, on one cache line.
  struct Record {
    int next; ///< next record of the bucket, or of the free list; -1 at the end
    int sorted[4];
    int cell;
    int given[4];
  };
  struct Table {
    std::vector<int> heads; ///< first record of each bucket, -1 when empty
    unsigned long long modMagic = 0; ///< reciprocal of the bucket count, for remainders without division
    std::vector<Record> records;
    int freeList = -1;
    int numFaces = 0;
    int cursorBucket = 0;
    int cursorRecord = -1;
  };

  static void init(Table& table, int expected);
  template <int N>
  static void add(Table& table, int cell, const int* nodes);
  static void start(Table& table);
  static bool next(Table& table, int& cell, const int*& given);
  template <int N>
  static unsigned bucketOf(const Table& table, const int* sorted);

  Table m_tables[2];
};

#endif
