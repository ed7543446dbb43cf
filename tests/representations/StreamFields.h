// Vector fields given by formulas on meshes, for the stream-line and stream-animation tests.
#ifndef GRIDLUX_TESTS_STREAMFIELDS_H
#define GRIDLUX_TESTS_STREAMFIELDS_H

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbMesh.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>

#include <Inventor/SbVec3f.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A mesh owning the vectors (set 0) and speeds (value set 0) that a formula gives at its nodes.
template <class Mesh> struct FieldOn {
  std::unique_ptr<Mesh> mesh;
  std::vector<SbVec3f> vectors;
  std::vector<float> speeds;
  FieldOn(Mesh* m, const std::function<SbVec3f(const SbVec3f&)>& field) : mesh(m)
  {
    for (int n = 0; n < mesh->getNumNodes(); ++n) {
      vectors.push_back(field(mesh->getNodeCoord(n)));
      speeds.push_back(vectors.back().length());
    }
    mesh->addVecsSet(0, vectors.data());
    mesh->addValuesSet(0, speeds.data());
  }
};

typedef FieldOn<PbRegularCartesianGrid3D> GridField;

// v = (speed, 0, 0) on cubes of edge 1 over [0, 10] x [0, 2] x [0, 2].
GridField uniformField(float speed)
{
  return GridField(new PbRegularCartesianGrid3D(11, 3, 3, 0, 0, 0, 10, 2, 2),
                   [speed](const SbVec3f&) { return SbVec3f(speed, 0, 0); });
}

// Distance from @p p to the polyline through @p line.
double distanceToPolyline(const SbVec3f& p, const std::vector<SbVec3f>& line)
{
  double best = 1e30;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const SbVec3f a = line[i], ab = line[i + 1] - a;
    const float len2 = ab.sqrLength();
    float u = len2 > 0 ? (p - a).dot(ab) / len2 : 0;
    u = u < 0 ? 0 : (u > 1 ? 1 : u);
    best = std::min(best, double((a + u * ab - p).length()));
  }
  return line.size() == 1 ? (line[0] - p).length() : best;
}

// The @p rank-th child of @p group of type T, or null.
template <class T> T* childOfType(SoGroup* group, int rank = 0)
{
  for (int i = 0; group && i < group->getNumChildren(); ++i)
    if (group->getChild(i)->isOfType(T::getClassTypeId()) && rank-- == 0)
      return static_cast<T*>(group->getChild(i));
  return nullptr;
}

// A scene root holding stream nodes over the uniform flow of speed 2 unless told otherwise.
class StreamScene : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
  }
  void TearDown() override { root->unref(); }
  template <class T> T* add(PbMesh* mesh)
  {
    T* node = new T;
    node->setMesh(mesh);
    node->vecsIndex = 0;
    root->addChild(node);
    return node;
  }
  SoSeparator* root = nullptr;
  GridField flow = uniformField(2);
};

} // namespace

#endif
