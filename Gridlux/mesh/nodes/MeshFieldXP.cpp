// Mesh-field file format pieces: counts with comments, value lists, value sets, comment reading.
#include <Gridlux/mesh/nodes/MeshFieldXP.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh.h>

#include <Inventor/SbVec3f.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace MeshFieldIO {

namespace {

const int kFloatsPerLine = 15;
const int kStringsPerLine = 8;
// Binary lists are read in chunks, so that a count larger than the data never allocates it all.
const int kBinaryChunk = 16384;

void writeFloatValue(SoOutput* out, float value)
{
  if (out->isBinary()) {
    out->write(value);
    return;
  }
  // The shortest text that reads back as the very same float (nine digits always do).
  char text[32];
  for (int digits = 6; digits <= 9; digits++) {
    std::snprintf(text, sizeof(text), "%.*g", digits, double(value));
    // Checked both ways a reader may go: straight to float, or through a double.
    if ((std::strtof(text, nullptr) == value && float(std::strtod(text, nullptr)) == value) || value != value)
      break;
  }
  out->write(text);
}

void writeIntValue(SoOutput* out, int value)
{
  out->write(value);
}

// Values on one line after a new line, followed by their comment (ASCII only).
template <class T, class WriteOne>
void writeLine(SoOutput* out, const T* values, int num, const char* comment, WriteOne writeOne)
{
  newLine(out);
  for (int i = 0; i < num; i++) {
    if (i > 0 && !out->isBinary())
      out->write(' ');
    writeOne(out, values[i]);
  }
  if (!out->isBinary()) {
    out->write("   ");
    out->write(comment);
  }
}

// A list after its optional comment line: one binary array, or kFloatsPerLine values a line.
// @p Binary is the element type the toolkit writes binary arrays of.
template <class Binary, class T, class WriteOne>
void writeList(SoOutput* out, const char* comment, const T* values, int num, WriteOne writeOne)
{
  if (comment)
    writeCommentLine(out, comment);
  if (out->isBinary()) {
    if (num > 0)
      out->writeBinaryArray(reinterpret_cast<const Binary*>(values), num);
    return;
  }
  for (int i = 0; i < num; i++) {
    if (i % kFloatsPerLine == 0)
      newLine(out);
    else
      out->write(' ');
    writeOne(out, values[i]);
  }
}

// Reads @p num values, a binary list chunk by chunk (see kBinaryChunk).
template <class Binary, class T>
SbBool readList(SoInput* in, int num, std::vector<T>& values)
{
  values.clear();
  if (num < 0)
    return FALSE;
  if (in->isBinary()) {
    while (int(values.size()) < num) {
      const size_t start = values.size();
      const int chunk = std::min(kBinaryChunk, num - int(start));
      values.resize(start + chunk);
      if (!in->readBinaryArray(reinterpret_cast<Binary*>(values.data() + start), chunk))
        return FALSE;
    }
    return TRUE;
  }
  values.reserve(std::min(num, kBinaryChunk));
  for (int i = 0; i < num; i++) {
    T v;
    if (!in->read(v))
      return FALSE;
    values.push_back(v);
  }
  return TRUE;
}

} // namespace

void newLine(SoOutput* out)
{
  if (out->isBinary())
    return;
  out->write('\n');
  out->indent();
}

void beginValue(SoOutput* out)
{
  if (out->isBinary())
    return;
  out->incrementIndent();
}

void endValue(SoOutput* out)
{
  if (out->isBinary())
    return;
  out->decrementIndent();
}

void writeCommentLine(SoOutput* out, const char* comment)
{
  if (out->isBinary())
    return;
  newLine(out);
  out->write(comment);
}

void writeCounts(SoOutput* out, const int* values, int num, const char* comment)
{
  writeLine(out, values, num, comment, writeIntValue);
}

void writeCount(SoOutput* out, int value, const char* comment)
{
  writeCounts(out, &value, 1, comment);
}

void writeFloatsLine(SoOutput* out, const float* values, int num, const char* comment)
{
  writeLine(out, values, num, comment, writeFloatValue);
}

void writeFloats(SoOutput* out, const char* comment, const float* values, int num)
{
  writeList<float>(out, comment, values, num, writeFloatValue);
}

void writeInts(SoOutput* out, const char* comment, const int* values, int num)
{
  writeList<int32_t>(out, comment, values, num, writeIntValue);
}

void writeString(SoOutput* out, const SbString& string)
{
  if (out->isBinary()) {
    out->write(string);
    return;
  }
  // Quoted, with each quote escaped: the toolkit's string reader undoes only that escape.
  SbString quoted("\"");
  const char* s = string.getString();
  for (int i = 0; s[i]; i++) {
    if (s[i] == '"')
      quoted += '\\';
    quoted += s[i];
  }
  quoted += '"';
  out->write(quoted.getString());
}

void writeStrings(SoOutput* out, const SbString* strings, int num)
{
  for (int i = 0; i < num; i++) {
    if (i % kStringsPerLine == 0)
      newLine(out);
    else if (!out->isBinary())
      out->write(' ');
    writeString(out, strings[i]);
  }
}

namespace {

// A set's name on a line of its own, after the set's comment line.
void writeSetName(SoOutput* out, const SbString& name)
{
  newLine(out);
  writeString(out, name);
  if (!out->isBinary())
    out->write(" # set name");
}

} // namespace

void writeValueSets(SoOutput* out, const PbMesh& mesh)
{
  const int numNodes = mesh.getNumNodes();
  const int numCells = mesh.getNumCells();
  writeCount(out, mesh.getNumStringsSet(), "# number of string data-set");
  writeCount(out, mesh.getNumValuesSet(), "# number of scalar data-set");
  writeCount(out, mesh.getNumVecsSet(), "# number of vector data-set");

  SbString comment;
  for (int rank = 0; rank < mesh.getNumValuesSet(); rank++) {
    const int index = mesh.getValuesSetIndex(rank);
    const PbMesh::DataBinding binding = mesh.getValuesBinding(index);
    comment.sprintf("# set of scalars, index %d, binding per %s", rank,
                    binding == PbMesh::PER_CELL ? "cell" : "node");
    writeCommentLine(out, comment.getString());
    // Binary files have no comment to carry the binding: an integer takes its place.
    if (out->isBinary())
      out->write(int(binding));
    writeSetName(out, *mesh.getValuesSetName(index));
    writeFloats(out, nullptr, mesh.getValuesSet(index), binding == PbMesh::PER_CELL ? numCells : numNodes);
  }
  for (int rank = 0; rank < mesh.getNumStringsSet(); rank++) {
    const int index = mesh.getStringsSetIndex(rank);
    comment.sprintf("# set of strings, index %d", rank);
    writeCommentLine(out, comment.getString());
    writeSetName(out, *mesh.getStringsSetName(index));
    writeStrings(out, mesh.getStringsSet(index), numNodes);
  }
  std::vector<float> flat;
  for (int rank = 0; rank < mesh.getNumVecsSet(); rank++) {
    const int index = mesh.getVecsSetIndex(rank);
    comment.sprintf("# set of vectors, index %d", rank);
    writeCommentLine(out, comment.getString());
    writeSetName(out, *mesh.getVecsSetName(index));
    const SbVec3f* vectors = mesh.getVecsSet(index);
    flat.resize(3 * size_t(numNodes));
    for (int n = 0; n < numNodes; n++)
      for (int k = 0; k < 3; k++)
        flat[3 * size_t(n) + k] = vectors[n][k];
    writeFloats(out, nullptr, flat.data(), 3 * numNodes);
  }
}

// ---------------------------------------------------------------------------------------------
// Reading

SbBool readCount(SoInput* in, int& value, const char* method, const char* what)
{
  if (!in->read(value))
    return FALSE;
  if (value < 0) {
    PoDebugError::post(method, "negative %s (%d)", what, value);
    return FALSE;
  }
  return TRUE;
}

SbBool readFloat(SoInput* in, float& value)
{
  return in->read(value);
}

SbBool readFloats(SoInput* in, int num, std::vector<float>& values)
{
  return readList<float>(in, num, values);
}

SbBool readInts(SoInput* in, int num, std::vector<int>& values)
{
  return readList<int32_t>(in, num, values);
}

SbString readCommentString(SoInput* in)
{
  SbString comment;
  if (in->isBinary())
    return comment;
  char c = 0;
  while (in->get(c)) {
    if (c == '#')
      break;
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
      // Not a comment: leave the value for the next read.
      in->putBack(c);
      return comment;
    }
  }
  if (c != '#')
    return comment;
  while (in->get(c) && c != '\n')
    comment += c;
  return comment;
}

SbBool readZFlag(SoInput* in, int& flag, const char* method)
{
  if (!in->read(flag))
    return FALSE;
  if (flag != 0 && flag != 1) {
    PoDebugError::post(method, "the 3D mesh flag is %d, not 0 or 1", flag);
    return FALSE;
  }
  return TRUE;
}

int countProduct(int a, int b, int c)
{
  if (a < 0 || b < 0 || c < 0)
    return -1;
  if (a == 0 || b == 0 || c == 0)
    return 0;
  // Node vectors hold three floats per node. a * b fits in 64 bits; the product with c is
  // checked before it is made, since three counts near 2^31 overflow even 64 bits.
  const long long limit = INT_MAX / 3;
  const long long ab = (long long)a * b;
  if (ab > limit || ab > limit / c)
    return -1;
  return int(ab * c);
}

SbBool checkImplicitNodes(int numNodes, const char* method)
{
  if (numNodes <= kMaxImplicitNodes)
    return TRUE;
  PoDebugError::post(method, "%d nodes declared by counts alone, more than %d; nothing read", numNodes,
                     kMaxImplicitNodes);
  return FALSE;
}

namespace {

// What writeSetName() wrote, with the comment after the name.
SbBool readSetName(SoInput* in, SbString& name)
{
  if (!in->read(name))
    return FALSE;
  readCommentString(in);
  return TRUE;
}

} // namespace

SbBool readValueSets(SoInput* in, PbMesh& mesh, const char* method)
{
  const SbBool ascii = !in->isBinary();
  int first;
  if (!readCount(in, first, method, "number of data sets"))
    return FALSE;
  int numStrings = 0, numScalars = 0, numVecs = 0;
  // Files written before string sets existed start with the number of scalar sets.
  if (!ascii || readCommentString(in).find("number of string data-set") >= 0) {
    numStrings = first;
    if (!readCount(in, numScalars, method, "number of scalar data-sets"))
      return FALSE;
    readCommentString(in);
  }
  else
    numScalars = first;
  if (!readCount(in, numVecs, method, "number of vector data-sets"))
    return FALSE;
  readCommentString(in);

  const int numNodes = mesh.getNumNodes();
  const int numCells = mesh.getNumCells();
  std::vector<float> values;
  SbString name;
  // The mesh refuses null arrays; an empty mesh still takes an empty set.
  float none = 0.0f;

  for (int i = 0; i < numScalars; i++) {
    PbMesh::DataBinding binding = PbMesh::PER_NODE;
    if (ascii) {
      if (readCommentString(in).find("binding per cell") >= 0)
        binding = PbMesh::PER_CELL;
    }
    else {
      int b;
      if (!in->read(b))
        return FALSE;
      if (b != PbMesh::PER_CELL && b != PbMesh::PER_NODE) {
        PoDebugError::post(method, "unknown binding %d of scalar set %d", b, i);
        return FALSE;
      }
      binding = PbMesh::DataBinding(b);
    }
    if (!readSetName(in, name))
      return FALSE;
    if (!readFloats(in, binding == PbMesh::PER_CELL ? numCells : numNodes, values))
      return FALSE;
    if (!mesh.addValuesSet(i, values.empty() ? &none : values.data(), binding, name.getString()))
      return FALSE;
  }

  std::vector<SbString> strings;
  for (int i = 0; i < numStrings; i++) {
    readCommentString(in);
    if (!readSetName(in, name))
      return FALSE;
    strings.clear();
    for (int n = 0; n < numNodes; n++) {
      SbString s;
      if (!in->read(s))
        return FALSE;
      strings.push_back(s);
    }
    SbString empty;
    if (!mesh.addStringsSet(i, strings.empty() ? &empty : strings.data(), name.getString()))
      return FALSE;
  }

  std::vector<SbVec3f> vectors;
  for (int i = 0; i < numVecs; i++) {
    readCommentString(in);
    if (!readSetName(in, name))
      return FALSE;
    if (!readFloats(in, 3 * numNodes, values))
      return FALSE;
    vectors.resize(size_t(numNodes) + 1);
    for (int n = 0; n < numNodes; n++)
      vectors[n].setValue(values[3 * size_t(n)], values[3 * size_t(n) + 1], values[3 * size_t(n) + 2]);
    if (!mesh.addVecsSet(i, vectors.data(), name.getString()))
      return FALSE;
  }
  return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Structured grids

void writeGridArrays(SoOutput* out, int dims, const int* counts, const float* const* lists, const int* lengths,
                     const float* z2D, const GridComments& comments)
{
  beginValue(out);
  writeCounts(out, counts, dims, comments.counts);
  const char* listComments[3] = {comments.x, comments.y, comments.z};
  for (int k = 0; k < dims; k++)
    writeFloats(out, listComments[k], lists[k], lengths[k]);
  if (dims == 2) {
    writeCount(out, z2D ? 1 : 0, z2D ? "# 3D mesh" : "# 2D mesh");
    if (z2D)
      writeFloats(out, comments.z, z2D, countProduct(counts[0], counts[1]));
  }
}

SbBool readGridArrays(SoInput* in, const char* method, int dims, int perNode, int* counts,
                      std::vector<float>* lists, std::vector<float>& z2D, int& hasZ)
{
  static const char* const names[3] = {"num_x", "num_y", "num_z"};
  for (int k = 0; k < dims; k++)
    if (!readCount(in, counts[k], method, names[k]))
      return FALSE;
  const int numNodes = countProduct(counts[0], counts[1], dims == 3 ? counts[2] : 1);
  if (numNodes < 0) {
    PoDebugError::post(method, "too many nodes");
    return FALSE;
  }
  for (int k = 0; k < dims; k++)
    if (!readFloats(in, perNode ? numNodes : counts[k], lists[k]))
      return FALSE;
  hasZ = 0;
  z2D.clear();
  if (dims == 2) {
    if (!readZFlag(in, hasZ, method))
      return FALSE;
    if (hasZ && !readFloats(in, numNodes, z2D))
      return FALSE;
  }
  // Per-node coordinates or z were read, one number per node; axis lists alone are few numbers.
  return perNode || hasZ || checkImplicitNodes(numNodes, method);
}

// ---------------------------------------------------------------------------------------------
// Unstructured meshes

void writeCellList(SoOutput* out, int dims, const CellList& cells, int withTypes)
{
  static const char* const coordComments[3] = {"# x coordinates of mesh nodes", "# y coordinates of mesh nodes",
                                               "# z coordinates of mesh nodes"};
  beginValue(out);
  writeCount(out, cells.numNodes, "# num nodes");
  writeFloats(out, coordComments[0], cells.xyz[0], cells.numNodes);
  writeFloats(out, coordComments[1], cells.xyz[1], cells.numNodes);
  if (dims == 2) {
    const float* z = cells.numNodes ? cells.xyz[2] : nullptr;
    writeCount(out, z ? 1 : 0, z ? "# 3D mesh" : "# 2D mesh");
    if (z)
      writeFloats(out, coordComments[2], z, cells.numNodes);
  }
  else
    writeFloats(out, coordComments[2], cells.xyz[2], cells.numNodes);
  writeCount(out, cells.numCells, "# num cells");
  if (withTypes)
    writeInts(out, "# cell's type", cells.types, cells.numCells);
  writeInts(out, "# cell's indices", cells.indices, cells.indexLength);
}

SbBool readCellList(SoInput* in, const char* method, int dims, int withTypes, int nodesPerCell, CellList& cells,
                    CellStorage& storage)
{
  cells = CellList();
  if (!readCount(in, cells.numNodes, method, "number of nodes") || countProduct(cells.numNodes, 1) < 0)
    return FALSE;
  for (int k = 0; k < 2; k++)
    if (!readFloats(in, cells.numNodes, storage.xyz[k]))
      return FALSE;
  int hasZ = 1;
  if (dims == 2 && !readZFlag(in, hasZ, method))
    return FALSE;
  storage.xyz[2].clear();
  if (hasZ && !readFloats(in, cells.numNodes, storage.xyz[2]))
    return FALSE;
  if (!readCount(in, cells.numCells, method, "number of cells"))
    return FALSE;
  if (withTypes) {
    if (!readInts(in, cells.numCells, storage.types))
      return FALSE;
    for (int c = 0; c < cells.numCells; c++)
      if (storage.types[c] < 1 || storage.types[c] > 8) {
        PoDebugError::post(method, "cell %d has %d nodes; no cell has fewer than 1 or more than 8", c,
                           storage.types[c]);
        return FALSE;
      }
  }
  const long long length = withTypes ? 0 : (long long)cells.numCells * nodesPerCell;
  long long sum = length;
  for (int c = 0; withTypes && c < cells.numCells; c++)
    sum += storage.types[c];
  if (sum > INT_MAX) {
    PoDebugError::post(method, "too many cells");
    return FALSE;
  }
  cells.indexLength = int(sum);
  if (!readInts(in, cells.indexLength, storage.indices))
    return FALSE;
  // Empty arrays still need an address: the meshes refuse null arrays.
  for (int k = 0; k < 3; k++) {
    if (k < 2 || hasZ)
      storage.xyz[k].reserve(1);
    cells.xyz[k] = (k < 2 || hasZ) ? storage.xyz[k].data() : nullptr;
  }
  storage.types.reserve(1);
  storage.indices.reserve(1);
  cells.types = withTypes ? storage.types.data() : nullptr;
  cells.indices = storage.indices.data();
  return TRUE;
}

int sameCellList(int dims, const CellList& a, const CellList& b)
{
  if (a.numNodes != b.numNodes || a.numCells != b.numCells || a.indexLength != b.indexLength)
    return 0;
  for (int k = 0; k < 3; k++) {
    if (k == 2 && dims == 2 && (a.xyz[2] != nullptr) != (b.xyz[2] != nullptr))
      return 0;
    if (!sameFloats(a.numNodes, a.xyz[k], b.xyz[k]))
      return 0;
  }
  return sameInts(a.numCells, a.types, b.types) && sameInts(a.indexLength, a.indices, b.indices);
}

// ---------------------------------------------------------------------------------------------
// Comparison

int sameFloats(int num, const float* a, const float* b)
{
  if (num <= 0)
    return 1;
  if (!a || !b)
    return a == b;
  for (int i = 0; i < num; i++)
    if (!(a[i] == b[i]))
      return 0;
  return 1;
}

int sameInts(int num, const int* a, const int* b)
{
  if (num <= 0)
    return 1;
  if (!a || !b)
    return a == b;
  return std::memcmp(a, b, sizeof(int) * size_t(num)) == 0;
}

int sameValueSets(const PbMesh& a, const PbMesh& b)
{
  if (a.getNumNodes() != b.getNumNodes() || a.getNumCells() != b.getNumCells())
    return 0;
  if (a.getNumValuesSet() != b.getNumValuesSet() || a.getNumStringsSet() != b.getNumStringsSet() ||
      a.getNumVecsSet() != b.getNumVecsSet())
    return 0;
  const int numNodes = a.getNumNodes();
  for (int rank = 0; rank < a.getNumValuesSet(); rank++) {
    const int index = a.getValuesSetIndex(rank);
    if (b.getValuesSetIndex(rank) != index || a.getValuesBinding(index) != b.getValuesBinding(index) ||
        *a.getValuesSetName(index) != *b.getValuesSetName(index))
      return 0;
    const int num = a.getValuesBinding(index) == PbMesh::PER_CELL ? a.getNumCells() : numNodes;
    if (!sameFloats(num, a.getValuesSet(index), b.getValuesSet(index)))
      return 0;
  }
  for (int rank = 0; rank < a.getNumStringsSet(); rank++) {
    const int index = a.getStringsSetIndex(rank);
    if (b.getStringsSetIndex(rank) != index || *a.getStringsSetName(index) != *b.getStringsSetName(index))
      return 0;
    const SbString* sa = a.getStringsSet(index);
    const SbString* sb = b.getStringsSet(index);
    for (int n = 0; n < numNodes; n++)
      if (sa[n] != sb[n])
        return 0;
  }
  for (int rank = 0; rank < a.getNumVecsSet(); rank++) {
    const int index = a.getVecsSetIndex(rank);
    if (b.getVecsSetIndex(rank) != index || *a.getVecsSetName(index) != *b.getVecsSetName(index))
      return 0;
    const SbVec3f* va = a.getVecsSet(index);
    const SbVec3f* vb = b.getVecsSet(index);
    for (int n = 0; n < numNodes; n++)
      if (va[n] != vb[n])
        return 0;
  }
  return 1;
}

} // namespace MeshFieldIO
