// Fault lines on surface meshes: cleaning against the mesh, and the mesh cut along the fault,
// checked by area, by the pieces its boundary falls into, and by values of a linear field.
#include "support/ErrorCatcher.h"

#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbFaultLine.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/PiConstrainedTriangulation.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A 5 x 5 node block of unit quadrangles over [0, 4]^2, with the field x + 2y on its nodes.
struct Block {
  std::vector<float> x, y, values;
  std::vector<int> quads;
  PbQuadrangleMesh2D mesh;
  Block()
  {
    for (int i = 0; i < 5; i++)
      for (int j = 0; j < 5; j++) {
        x.push_back(float(i));
        y.push_back(float(j));
        values.push_back(float(i + 2 * j));
      }
    for (int i = 0; i < 4; i++)
      for (int j = 0; j < 4; j++) {
        const int n = i * 5 + j;
        quads.insert(quads.end(), {n, n + 5, n + 6, n + 1});
      }
    mesh.setGeometry(25, x.data(), y.data(), 16, quads.data());
    mesh.addValuesSet(3, values.data(), "linear");
  }
};

// Signed side of point (px, py) with respect to the line through a and b.
double side(double ax, double ay, double bx, double by, double px, double py)
{
  return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

struct CutChecks {
  int numLoops = 0;
  int straddling = 0; // triangles with vertices strictly on both sides of the fault line
  double maxValueError = 0;
};

CutChecks checkCut(const PbTriangleMesh2D& cut, double ax, double ay, double bx, double by)
{
  CutChecks r;
  PbArrayOfInt loops, sizes;
  cut.getLimitIndices(loops, sizes);
  r.numLoops = sizes.getNum();
  const float* v = cut.getValuesSet(3);
  for (int n = 0; n < cut.getNumNodes(); n++) {
    const SbVec3f p = cut.getNodeCoord(n);
    r.maxValueError = std::max(r.maxValueError, std::abs(double(v[n]) - (p[0] + 2 * p[1])));
  }
  for (int c = 0; c < cut.getNumCells(); c++) {
    const PbCell* cell = cut.getCell(c);
    int below = 0, above = 0;
    for (int k = 0; k < 3; k++) {
      const double s = side(ax, ay, bx, by, cell->getNodeCoord(k)[0], cell->getNodeCoord(k)[1]);
      below += s < -1e-4;
      above += s > 1e-4;
    }
    r.straddling += below && above;
  }
  return r;
}

} // namespace

TEST(UnstructuredFault, CleaningClipsDropsAndMergesEdges)
{
  Block block;
  PbFaultLine fault(&block.mesh);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  fault.addEdge(SbVec3f(-1, 1, 0), SbVec3f(1, 1, 0));       // clipped at x = 0
  fault.addEdge(SbVec3f(1, 1, 0), SbVec3f(2, 1.5f, 0));     // shares its first end with the last
  fault.addEdge(SbVec3f(2, 1.5f, 0), SbVec3f(1, 1, 0));     // repeats the previous edge
  fault.addEdge(SbVec3f(1.5f, 0.5f, 0), SbVec3f(1.5f, 3, 0)); // crosses a kept edge
  fault.addEdge(SbVec3f(6, 6, 0), SbVec3f(7, 7, 0));        // wholly outside
  fault.addEdge(SbVec3f(nan, 1, 0), SbVec3f(1, 2, 0));      // not finite
  fault.addEdge(SbVec3f(3, 3, 0), SbVec3f(3, 3, 5));        // a single point in the plane
  fault.lastEdge();
  ErrorCatcher errors;
  fault.addEdge(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0)); // after the end of the recording
  EXPECT_EQ(errors.count(), 1);
  EXPECT_EQ(fault.selectCleanEdges(), 2);
  ASSERT_EQ(fault.getNumPoints(), 3);
  EXPECT_EQ(fault.getNumMeshPoints(), 3);
  EXPECT_EQ(fault.getEdge(0)[1], fault.getEdge(1)[0]);
  EXPECT_EQ(fault.getEdge(2), nullptr);
  const SbVec3f clipped = fault.getPoints()[fault.getEdge(0)[0]];
  EXPECT_NEAR(clipped[0], 0.0f, 1e-5);
  EXPECT_NEAR(clipped[1], 1.0f, 1e-6);
  // The points carry the mesh's values where they lie.
  ASSERT_EQ(fault.getNumValuesSet(), 1);
  for (int p = 0; p < fault.getNumPoints(); p++)
    EXPECT_NEAR(fault.getValuesSet(0)[p], fault.getPoints()[p][0] + 2 * fault.getPoints()[p][1], 1e-4);

  SoSeparator* drawing = fault.getSceneGraph();
  ASSERT_NE(drawing, nullptr);
  drawing->ref();
  ASSERT_EQ(drawing->getNumChildren(), 2);
  EXPECT_EQ(static_cast<SoCoordinate3*>(drawing->getChild(0))->point.getNum(), 3);
  drawing->unref();
}

TEST(UnstructuredFault, AFaultAcrossTheMeshCutsItInTwo)
{
  Block block;
  PbFaultLine fault(&block.mesh);
  fault.addEdge(SbVec3f(-1, 0.7f, 0), SbVec3f(5, 2.3f, 0));
  fault.lastEdge();
  ASSERT_EQ(fault.selectCleanEdges(), 1);
  if (!PiConstrainedTriangulation::isAvailable()) {
    ErrorCatcher errors;
    EXPECT_EQ(block.mesh.getFaultMesh(fault), nullptr);
    EXPECT_TRUE(errors.contains("GRIDLUX_WITH_CGAL=OFF"));
    return;
  }
  for (int split = 0; split < 2; split++) {
    std::unique_ptr<PbTriangleMesh2D> cut(block.mesh.getFaultMesh(fault, split));
    ASSERT_NE(cut, nullptr);
    EXPECT_NEAR(cut->getArea(), 16.0f, 1e-4) << "split " << split;
    const CutChecks r = checkCut(*cut, -1, 0.7, 5, 2.3);
    EXPECT_EQ(r.numLoops, 2) << "two pieces, each with its own boundary; split " << split;
    EXPECT_EQ(r.straddling, 0) << "split " << split;
    EXPECT_LT(r.maxValueError, 1e-4) << "split " << split;
    EXPECT_GE(cut->getNumNodes(), 25 + 2 + 2);
  }
}

TEST(UnstructuredFault, AFaultEndingInsideOpensASlit)
{
  Block block;
  PbFaultLine fault(&block.mesh);
  fault.addEdge(SbVec3f(-1, 2.2f, 0), SbVec3f(1.1f, 2.2f, 0));
  fault.addEdge(SbVec3f(1.1f, 2.2f, 0), SbVec3f(2.3f, 2.6f, 0));
  fault.lastEdge();
  ASSERT_EQ(fault.selectCleanEdges(), 2);
  if (!PiConstrainedTriangulation::isAvailable())
    GTEST_SKIP() << "built without a constrained triangulator";
  std::unique_ptr<PbTriangleMesh2D> cut(block.mesh.getFaultMesh(fault));
  ASSERT_NE(cut, nullptr);
  EXPECT_NEAR(cut->getArea(), 16.0f, 1e-4);
  PbArrayOfInt loops, sizes;
  cut->getLimitIndices(loops, sizes);
  ASSERT_EQ(sizes.getNum(), 1) << "the slit opens the outer boundary, it does not cut a piece off";
  // Every node of the slit but its tip sits twice at its place, once per lip.
  auto copiesAt = [&cut](float x, float y) {
    int n = 0;
    for (int k = 0; k < cut->getNumNodes(); k++)
      n += std::abs(cut->getNodeCoord(k)[0] - x) < 1e-4f && std::abs(cut->getNodeCoord(k)[1] - y) < 1e-4f;
    return n;
  };
  EXPECT_EQ(copiesAt(0.0f, 2.2f), 2) << "where the slit leaves the mesh";
  EXPECT_EQ(copiesAt(1.1f, 2.2f), 2);
  EXPECT_EQ(copiesAt(2.3f, 2.6f), 1) << "the tip";
  EXPECT_EQ(copiesAt(1.0f, 2.0f), 1) << "a node off the fault";
  // The loop runs along both lips: the 16 outer nodes, the slit's start twice, its bend twice, its tip.
  EXPECT_EQ(sizes[0], 16 + 5);
}

TEST(UnstructuredFault, MisuseIsReported)
{
  Block block, other;
  PbFaultLine fault(&block.mesh);
  ErrorCatcher errors;
  EXPECT_EQ(block.mesh.getFaultMesh(fault), nullptr); // nothing clean yet
  fault.addEdge(SbVec3f(0.5f, 0.5f, 0), SbVec3f(3.5f, 0.5f, 0));
  fault.lastEdge();
  fault.selectCleanEdges();
  EXPECT_EQ(other.mesh.getFaultMesh(fault), nullptr);
  EXPECT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("recorded on another mesh"));
  PbFaultLine orphan(nullptr);
  EXPECT_EQ(orphan.selectCleanEdges(), 0);
  EXPECT_EQ(orphan.getSceneGraph(), nullptr);
}
