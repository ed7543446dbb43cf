// Mesh probe: the cells it reports while moving, the order of its callbacks, bad input, files.
#include "support/ErrorCatcher.h"
#include "support/SceneText.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/representations/PoMeshProbePoint.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct Log {
  std::vector<std::string> events;
  std::vector<int> changedCells;
};

void record(Log* log, const char* what, const PbCell* cell)
{
  log->events.push_back(std::string(what) + (cell ? ":" + std::to_string(cell->getIndex()) : ":-"));
}

class Probe : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  void SetUp() override
  {
    root = new SoSeparator;
    root->ref();
    gridNode = new PoRegularCartesianGrid2D;
    // Unit cells over [0, 6] x [0, 5].
    gridNode->mesh.setValue(PbRegularCartesianGrid2D(7, 6, 0, 0, 6, 5));
    probe = new PoMeshProbePoint;
    root->addChild(gridNode);
    root->addChild(probe);
    probe->setChangeCellCallback(
      [](void* data, PoMeshProbePoint*, const PbCell* cell) {
        Log* log = static_cast<Log*>(data);
        record(log, "change", cell);
        log->changedCells.push_back(cell ? cell->getIndex() : -1);
      },
      &log);
    probe->setMotionCallback([](void* data, PoMeshProbePoint*, const PbCell* cell) {
      record(static_cast<Log*>(data), "motion", cell);
    }, &log);
    probe->setEnterMeshCallback([](void* data, PoMeshProbePoint*, const PbCell* cell) {
      record(static_cast<Log*>(data), "enter", cell);
    }, &log);
    probe->setLeaveMeshCallback([](void* data, PoMeshProbePoint*, const PbCell* cell) {
      record(static_cast<Log*>(data), "leave", cell);
    }, &log);
  }
  void TearDown() override { root->unref(); }

  void moveTo(float x, float y)
  {
    probe->position.setValue(x, y, 0);
    SoCallbackAction action;
    action.apply(root);
  }
  std::vector<std::string> takeEvents()
  {
    std::vector<std::string> events;
    events.swap(log.events);
    return events;
  }

  SoSeparator* root = nullptr;
  PoRegularCartesianGrid2D* gridNode = nullptr;
  PoMeshProbePoint* probe = nullptr;
  Log log;
};

// The unit cells (i, j) of a grid with @p rows cells along y that the segment p -> q crosses, in
// order, as cell indices i * rows + j: a walk from cell boundary to cell boundary.
std::vector<int> gridWalk(double px, double py, double qx, double qy, int rows)
{
  std::vector<int> cells;
  int i = int(std::floor(px)), j = int(std::floor(py));
  const int lastI = int(std::floor(qx)), lastJ = int(std::floor(qy));
  const double dx = qx - px, dy = qy - py;
  const int stepI = dx > 0 ? 1 : -1, stepJ = dy > 0 ? 1 : -1;
  // Parameters along the segment at which the next vertical and horizontal grid lines are met.
  double nextX = dx != 0 ? ((stepI > 0 ? i + 1 : i) - px) / dx : INFINITY;
  double nextY = dy != 0 ? ((stepJ > 0 ? j + 1 : j) - py) / dy : INFINITY;
  const double deltaX = dx != 0 ? 1 / std::fabs(dx) : INFINITY, deltaY = dy != 0 ? 1 / std::fabs(dy) : INFINITY;
  cells.push_back(i * rows + j);
  while (i != lastI || j != lastJ) {
    if (nextX < nextY) {
      i += stepI;
      nextX += deltaX;
    } else {
      j += stepJ;
      nextY += deltaY;
    }
    cells.push_back(i * rows + j);
  }
  return cells;
}

TEST_F(Probe, CellsMetAlongASegmentAreThoseAGridWalkCrosses)
{
  const double segments[][4] = {{0.3, 0.7, 5.6, 4.2}, {5.9, 0.2, 0.45, 4.85}, {2.5, 4.6, 2.7, 0.1},
                                {0.1, 2.5, 5.9, 2.55}};
  for (const auto& s : segments) {
    SCOPED_TRACE(s[0]);
    log.changedCells.clear();
    const int steps = 2000;
    for (int k = 0; k <= steps; ++k) {
      const double t = double(k) / steps;
      moveTo(float(s[0] + t * (s[2] - s[0])), float(s[1] + t * (s[3] - s[1])));
    }
    std::vector<int> expected = gridWalk(s[0], s[1], s[2], s[3], 5);
    EXPECT_EQ(log.changedCells, expected);
    EXPECT_EQ(probe->getCellIndex(), expected.back());
    moveTo(-1, -1); // out, so that the next segment starts afresh
  }
}

TEST_F(Probe, CallbacksComeInTheirOrder)
{
  // Inside at the first rebuild: change of cell, motion, enter.
  moveTo(0.5f, 0.5f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:0", "motion:0", "enter:0"}));
  EXPECT_TRUE(probe->isInside());
  // Within the cell: motion only.
  moveTo(0.7f, 0.2f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"motion:0"}));
  // Into the neighbour along y, then along x.
  moveTo(0.7f, 1.2f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:1", "motion:1"}));
  moveTo(1.5f, 1.2f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:6", "motion:6"}));
  // Out: the leave callback once, with no cell; further out, motion only.
  moveTo(-0.5f, 1.2f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:-", "motion:-", "leave:-"}));
  EXPECT_FALSE(probe->isInside());
  moveTo(-1.5f, 1.2f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"motion:-"}));
  // Back in.
  moveTo(5.5f, 4.5f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:29", "motion:29", "enter:29"}));
  // A traversal without a change rebuilds nothing and calls nothing.
  SoCallbackAction action;
  action.apply(root);
  EXPECT_TRUE(takeEvents().empty());
}

TEST_F(Probe, ToleranceKeepsTheCurrentCellAcrossItsEdge)
{
  probe->tolerance = 0.05f;
  moveTo(0.98f, 0.5f);
  takeEvents();
  moveTo(1.02f, 0.5f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"motion:0"}));
  moveTo(1.2f, 0.5f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:5", "motion:5"}));
}

TEST_F(Probe, UnsetCallbacksAreSkipped)
{
  probe->setChangeCellCallback(nullptr, nullptr);
  probe->setEnterMeshCallback(nullptr, nullptr);
  moveTo(2.5f, 2.5f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"motion:12"}));
  EXPECT_EQ(probe->getCellIndex(), 12);
}

TEST_F(Probe, BadInputMovesNothing)
{
  ErrorCatcher errors;
  moveTo(2.5f, 2.5f);
  takeEvents();
  moveTo(NAN, 1);
  EXPECT_TRUE(takeEvents().empty());
  EXPECT_TRUE(errors.contains("PoMeshProbePoint::rebuild(): position is not finite"));
  EXPECT_EQ(probe->getCellIndex(), 12);
  errors.clear();
  probe->tolerance = -1;
  moveTo(3.5f, 2.5f);
  EXPECT_TRUE(takeEvents().empty());
  EXPECT_TRUE(errors.contains("tolerance -1 is negative"));
  probe->tolerance = 0;

  // Without a mesh nothing is called; a new mesh starts with no current cell.
  errors.clear();
  root->removeChild(gridNode);
  moveTo(1.5f, 0.5f);
  EXPECT_TRUE(takeEvents().empty());
  EXPECT_EQ(errors.count(), 0);
  PbRegularCartesianGrid2D other(3, 3, 0, 0, 2, 2);
  probe->setMesh(&other);
  moveTo(1.5f, 0.5f);
  EXPECT_EQ(takeEvents(), (std::vector<std::string>{"change:2", "motion:2"})); // still inside
}

TEST(ProbeUnstructured, ReportsTheTriangleHoldingThePoint)
{
  PoGridlux::init();
  const float x[] = {0, 2, 2, 0}, y[] = {0, 0, 2, 2};
  const int triangles[] = {0, 1, 2, 0, 2, 3};
  PbTriangleMesh2D mesh(4, x, y, 2, triangles);
  PoMeshProbePoint* probe = new PoMeshProbePoint;
  probe->ref();
  probe->setMesh(&mesh);
  std::vector<int> cells;
  probe->setChangeCellCallback(
    [](void* data, PoMeshProbePoint*, const PbCell* cell) {
      static_cast<std::vector<int>*>(data)->push_back(cell ? cell->getIndex() : -1);
    },
    &cells);
  // Across the diagonal y = x and out at the top.
  for (float t : {0.1f, 0.3f, 0.45f, 0.55f, 0.7f, 0.9f, 1.1f}) {
    probe->position.setValue(1.8f * t + 0.1f, 2.0f * t, 0);
    SoCallbackAction action;
    action.apply(probe);
  }
  // Below the diagonal (x > y) is triangle 0, above it triangle 1.
  EXPECT_EQ(cells, (std::vector<int>{0, 1, -1}));
  probe->unref();
}

TEST(ProbeFile, ReadsBackAsWritten)
{
  PoGridlux::init();
  PoMeshProbePoint* probe = new PoMeshProbePoint;
  probe->ref();
  probe->position.setValue(1, 2, 3);
  probe->tolerance = 0.25f;
  SoSeparator* back = readFromString(writeToString(probe));
  ASSERT_TRUE(back && back->getNumChildren() == 1);
  back->ref();
  ASSERT_TRUE(back->getChild(0)->isOfType(PoMeshProbePoint::getClassTypeId()));
  const PoMeshProbePoint* copy = static_cast<PoMeshProbePoint*>(back->getChild(0));
  EXPECT_EQ(copy->position.getValue(), SbVec3f(1, 2, 3));
  EXPECT_FLOAT_EQ(copy->tolerance.getValue(), 0.25f);
  back->unref();
  probe->unref();
}

} // namespace
