// Sample mesh property nodes of every kind, scene-file round trips and an independent mesh comparison.
#ifndef GRIDLUX_TESTS_MESH_MESHFIELDSUPPORT_H
#define GRIDLUX_TESTS_MESH_MESHFIELDSUPPORT_H

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh.h>
#include <Gridlux/mesh/nodes/PoMeshProperty.h>

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoOutput.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace meshfield {

template <class T> struct Ref {
  explicit Ref(T* n = nullptr) : node(n) { if (node) node->ref(); }
  ~Ref() { if (node) node->unref(); }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  T* get() const { return node; }
  T* operator->() const { return node; }
  T* node;
};

/** One mesh kind: its node's class name and a builder of a small node with value sets. */
struct MeshKind {
  const char* name;
  std::function<PoMeshProperty*()> make;
};

/** Every mesh kind that the library has a property node for, each with a small sample. */
const std::vector<MeshKind>& meshKinds();

/** Writes @p root into a string in ASCII or binary. */
inline std::string writeScene(SoNode* root, bool binary)
{
  SoOutput out;
  out.setBuffer(std::malloc(1024), 1024, std::realloc);
  out.setBinary(binary);
  SoWriteAction write(&out);
  write.apply(root);
  void* buffer;
  size_t size;
  out.getBuffer(buffer, size);
  std::string text(static_cast<const char*>(buffer), size);
  std::free(buffer);
  return text;
}

/** Reads a scene from the first @p size bytes of @p data; null when it does not parse. */
inline SoSeparator* readScene(const char* data, size_t size)
{
  SoInput in;
  in.setBuffer(data, size);
  return SoDB::readAll(&in);
}

/** The first node of @p type under @p root, or null. */
inline SoNode* findNode(SoNode* root, SoType type)
{
  SoSearchAction search;
  search.setType(type);
  search.setInterest(SoSearchAction::FIRST);
  search.apply(root);
  return search.getPath() ? search.getPath()->getTail() : nullptr;
}

/**
 * Checks, through the mesh interface only, that @p b has the geometry of @p a and the value sets
 * of @p a renumbered from 0 in index order.
 */
inline void expectSameMesh(const PbMesh& a, const PbMesh& b)
{
  ASSERT_EQ(a.getNumNodes(), b.getNumNodes());
  ASSERT_EQ(a.getNumCells(), b.getNumCells());
  for (int n = 0; n < a.getNumNodes(); n++)
    ASSERT_EQ(a.getNodeCoord(n), b.getNodeCoord(n)) << "node " << n;
  for (int c = 0; c < a.getNumCells(); c++) {
    const PbCell* ca = a.getCell(c);
    std::vector<int> na, nb;
    for (int k = 0; ca && k < ca->getNumNodes(); k++)
      na.push_back(ca->getNodeIndex(k));
    const PbCell* cb = b.getCell(c);
    for (int k = 0; cb && k < cb->getNumNodes(); k++)
      nb.push_back(cb->getNodeIndex(k));
    ASSERT_EQ(na, nb) << "cell " << c;
  }
  ASSERT_EQ(a.getNumValuesSet(), b.getNumValuesSet());
  for (int r = 0; r < a.getNumValuesSet(); r++) {
    const int ia = a.getValuesSetIndex(r);
    ASSERT_EQ(b.getValuesSetIndex(r), r);
    EXPECT_EQ(a.getValuesBinding(ia), b.getValuesBinding(r)) << "scalar set " << r;
    EXPECT_STREQ(a.getValuesSetName(ia)->getString(), b.getValuesSetName(r)->getString());
    const int num = a.getValuesBinding(ia) == PbMesh::PER_CELL ? a.getNumCells() : a.getNumNodes();
    for (int i = 0; i < num; i++)
      ASSERT_EQ(a.getValuesSet(ia)[i], b.getValuesSet(r)[i]) << "scalar set " << r << " value " << i;
  }
  ASSERT_EQ(a.getNumStringsSet(), b.getNumStringsSet());
  for (int r = 0; r < a.getNumStringsSet(); r++) {
    const int ia = a.getStringsSetIndex(r);
    ASSERT_EQ(b.getStringsSetIndex(r), r);
    EXPECT_STREQ(a.getStringsSetName(ia)->getString(), b.getStringsSetName(r)->getString());
    for (int n = 0; n < a.getNumNodes(); n++)
      ASSERT_STREQ(a.getStringsSet(ia)[n].getString(), b.getStringsSet(r)[n].getString());
  }
  ASSERT_EQ(a.getNumVecsSet(), b.getNumVecsSet());
  for (int r = 0; r < a.getNumVecsSet(); r++) {
    const int ia = a.getVecsSetIndex(r);
    ASSERT_EQ(b.getVecsSetIndex(r), r);
    EXPECT_STREQ(a.getVecsSetName(ia)->getString(), b.getVecsSetName(r)->getString());
    for (int n = 0; n < a.getNumNodes(); n++)
      ASSERT_EQ(a.getVecsSet(ia)[n], b.getVecsSet(r)[n]);
  }
}

} // namespace meshfield

#endif
