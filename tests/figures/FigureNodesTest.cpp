// Figure nodes through the geometry they build: shapes, areas, lengths, files and bad values.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/Gridlux.h>

#include <Inventor/nodekits/SoNodekitCatalog.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const double kPi = 3.14159265358979;

class FigureNodes : public ::testing::Test {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }

  // Holds a figure under a separator for the test's lifetime.
  template <class T> T* hold(T* figure)
  {
    m_root = new SoSeparator;
    m_root->ref();
    m_root->addChild(figure);
    return figure;
  }
  GeometryProbe probe() { return GeometryProbe(m_root); }

  void TearDown() override
  {
    if (m_root)
      m_root->unref();
  }

  SoSeparator* m_root = nullptr;
};

// The first child of a given type in a figure's part, or null.
template <class T> T* partChild(PoBase* figure, const char* part)
{
  SoGroup* group = static_cast<SoGroup*>(figure->getPart(part, FALSE));
  if (!group)
    return nullptr;
  for (int i = 0; i < group->getNumChildren(); ++i)
    if (group->getChild(i)->isOfType(T::getClassTypeId()))
      return static_cast<T*>(group->getChild(i));
  return nullptr;
}

void expectBox(const SbBox3f& box, const SbVec3f& min, const SbVec3f& max, float tol = 1e-5f)
{
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(box.getMin()[i], min[i], tol) << "min " << i;
    EXPECT_NEAR(box.getMax()[i], max[i], tol) << "max " << i;
  }
}

TEST(FigureRegistration, EveryFigureClassHasItsParentAndPart)
{
  PoGridlux::init();
  struct Row {
    const char *name, *parent, *part;
    bool concrete;
  };
  const Row rows[] = {
      {"PoRectangle", "PoChartwork", "rectangle", true},
      {"PoParallelogram", "PoChartwork", "parallelogram", true},
      {"PoParallelogram3", "PoChartwork", "parallelogram3", true},
      {"PoCircle", "PoChartwork", "circle", false},
      {"PoCircleCenterRadius", "PoCircle", "circle", true},
      {"PoCircleThreePoints", "PoCircle", "circle", true},
      {"PoCircleArc", "PoChartwork", "circleArc", false},
      {"PoCircleArcCtrPtAngle", "PoCircleArc", "circleArc", true},
      {"PoCircleArcCtrTwoPts", "PoCircleArc", "circleArc", true},
      {"PoCircleArcThreePts", "PoCircleArc", "circleArc", true},
      {"PoCircleArcCtrRadTwoAngle", "PoCircleArc", "circleArc", true},
      {"PoCircle3", "PoChartwork", "circle3", false},
      {"PoCircle3CenterRadius", "PoCircle3", "circle3", true},
      {"PoCircle3ThreePoints", "PoCircle3", "circle3", true},
      {"PoCircleArc3", "PoChartwork", "circleArc3", false},
      {"PoCircleArc3CtrPtAngle", "PoCircleArc3", "circleArc3", true},
      {"PoCircleArc3CtrTwoPts", "PoCircleArc3", "circleArc3", true},
      {"PoCircleArc3ThreePts", "PoCircleArc3", "circleArc3", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SoType type = SoType::fromName(row.name);
    ASSERT_FALSE(type.isBad());
    EXPECT_EQ(type.getParent().getName(), SbName(row.parent));
    EXPECT_EQ(type.canCreateInstance(), row.concrete);
    if (!row.concrete)
      continue;
    SoBaseKit* kit = static_cast<SoBaseKit*>(type.createInstance());
    kit->ref();
    const SoNodekitCatalog* catalog = kit->getNodekitCatalog();
    const int part = catalog->getPartNumber(row.part);
    ASSERT_NE(part, SO_CATALOG_NAME_NOT_FOUND);
    EXPECT_EQ(catalog->getType(part), SoGroup::getClassTypeId());
    // The figure's part comes after the node base's five.
    EXPECT_GT(part, catalog->getPartNumber("domainTransform"));
    kit->unref();
  }
}

TEST_F(FigureNodes, DefaultRectangleIsTheUnitSquareWhateverTheCornerOrder)
{
  PoRectangle* rect = hold(new PoRectangle);
  GeometryProbe square = probe();
  EXPECT_NEAR(square.area(), 1.0, 1e-6);
  expectBox(square.bbox(), SbVec3f(0, 0, 0), SbVec3f(1, 1, 0));
  ASSERT_NE(partChild<SoFaceSet>(rect, "rectangle"), nullptr);
  EXPECT_EQ(partChild<SoFaceSet>(rect, "rectangle")->numVertices[0], 4);

  rect->p.setValue(3, 2);
  rect->q.setValue(1, -1);
  GeometryProbe other = probe();
  EXPECT_NEAR(other.area(), 6.0, 1e-5);
  expectBox(other.bbox(), SbVec3f(1, -1, 0), SbVec3f(3, 2, 0));
}

TEST_F(FigureNodes, ParallelogramsHaveTheFourthCornerOppositeQ)
{
  PoParallelogram* flat = hold(new PoParallelogram);
  EXPECT_NEAR(probe().area(), 1.0, 1e-6);
  flat->p.setValue(0, 0);
  flat->q.setValue(2, 0);
  flat->r.setValue(3, 1);
  GeometryProbe g = probe();
  EXPECT_NEAR(g.area(), 2.0, 1e-5);
  expectBox(g.bbox(), SbVec3f(0, 0, 0), SbVec3f(3, 1, 0));
  const SbVec3f* corners = partChild<SoCoordinate3>(flat, "parallelogram")->point.getValues(0);
  EXPECT_EQ(corners[3], SbVec3f(1, 1, 0));

  TearDown();
  PoParallelogram3* tilted = hold(new PoParallelogram3);
  tilted->p.setValue(0, 0, 0);
  tilted->q.setValue(0, 2, 0);
  tilted->r.setValue(0, 2, 3);
  GeometryProbe g3 = probe();
  EXPECT_NEAR(g3.area(), 6.0, 1e-5);
  expectBox(g3.bbox(), SbVec3f(0, 0, 0), SbVec3f(0, 2, 3));
}

TEST_F(FigureNodes, DefaultCircleIsADiscOf181Points)
{
  PoCircleCenterRadius* circle = hold(new PoCircleCenterRadius);
  GeometryProbe g = probe();
  EXPECT_NEAR(g.area(), kPi, kPi * 1e-3);
  expectBox(g.bbox(), SbVec3f(-1, -1, 0), SbVec3f(1, 1, 0), 1e-3f);
  SoCoordinate3* coords = partChild<SoCoordinate3>(circle, "circle");
  ASSERT_NE(coords, nullptr);
  EXPECT_EQ(coords->point.getNum(), 181);
  EXPECT_EQ(partChild<SoFaceSet>(circle, "circle")->numVertices[0], 181);

  circle->center.setValue(5, -2);
  circle->radius = 3;
  GeometryProbe moved = probe();
  EXPECT_NEAR(moved.area(), 9 * kPi, 9 * kPi * 1e-3);
  expectBox(moved.bbox(), SbVec3f(2, -5, 0), SbVec3f(8, 1, 0), 1e-3f);
}

TEST_F(FigureNodes, CollinearPointsDrawNothingAndSayNothing)
{
  ErrorCatcher errors;
  PoCircleThreePoints* circle = hold(new PoCircleThreePoints);
  EXPECT_NEAR(probe().area(), kPi, kPi * 1e-3);
  circle->p.setValue(0, 0);
  circle->q.setValue(1, 1);
  circle->r.setValue(-2, -2);
  EXPECT_TRUE(probe().empty());
  EXPECT_EQ(circle->getPart("circle", FALSE), nullptr);

  TearDown();
  PoCircleArc3ThreePts* arc = hold(new PoCircleArc3ThreePts);
  arc->startPoint.setValue(0, 0, 0);
  arc->middlePoint.setValue(1, 1, 1);
  arc->endPoint.setValue(3, 3, 3);
  EXPECT_TRUE(probe().empty());
  EXPECT_EQ(errors.count(), 0);
}

TEST_F(FigureNodes, ArcsOfOneDegreeOneTurnAndHalfATurn)
{
  PoCircleArcCtrRadTwoAngle* arc = hold(new PoCircleArcCtrRadTwoAngle);
  arc->endAngle = float(kPi / 180);
  GeometryProbe degree = probe();
  ASSERT_EQ(degree.segments().size(), 1u); // two points
  EXPECT_EQ(partChild<SoLineSet>(arc, "circleArc")->numVertices[0], 2);

  arc->endAngle = 10; // beyond a turn: one full turn
  GeometryProbe turn = probe();
  EXPECT_EQ(turn.segments().size(), 180u);
  EXPECT_NEAR(turn.length(), 2 * kPi, 2 * kPi * 1e-3);
  expectBox(turn.bbox(), SbVec3f(-1, -1, 0), SbVec3f(1, 1, 0), 1e-3f);

  TearDown();
  PoCircleArcCtrTwoPts* two = hold(new PoCircleArcCtrTwoPts);
  EXPECT_NEAR(probe().length(), 2 * kPi, 2 * kPi * 1e-3); // default: equal points, a full turn
  two->endPoint.setValue(-4, 0);                          // opposite: half a turn, over the top
  GeometryProbe half = probe();
  EXPECT_NEAR(half.length(), kPi, kPi * 1e-3);
  expectBox(half.bbox(), SbVec3f(-1, 0, 0), SbVec3f(1, 1, 0), 1e-3f);
  two->endPoint.setValue(7, 0); // the start direction farther out: a full turn of radius 1
  EXPECT_NEAR(probe().length(), 2 * kPi, 2 * kPi * 1e-3);
}

TEST_F(FigureNodes, ClosedArcsCoverTheirSegmentOrSlice)
{
  PoCircleArcCtrPtAngle* arc = hold(new PoCircleArcCtrPtAngle);
  arc->center.setValue(1, 1);
  arc->startPoint.setValue(3, 1);
  arc->angle = float(kPi / 2);
  arc->arcType = PoCircleArc::CENTER_CLOSE;
  GeometryProbe slice = probe();
  EXPECT_NEAR(slice.area(), kPi, kPi * 1e-3); // a quarter of radius 2
  expectBox(slice.bbox(), SbVec3f(1, 1, 0), SbVec3f(3, 3, 0), 1e-3f);
  SoCoordinate3* coords = partChild<SoCoordinate3>(arc, "circleArc");
  EXPECT_EQ(coords->point.getNum(), 47);
  EXPECT_EQ(coords->point[46], SbVec3f(1, 1, 0)); // the centre closes the slice
  EXPECT_EQ(partChild<SoFaceSet>(arc, "circleArc")->numVertices[0], 47);

  arc->arcType = PoCircleArc::END_CLOSE; // a quarter minus the triangle under the chord
  EXPECT_NEAR(probe().area(), kPi - 2.0, (kPi - 2) * 1e-3);

  // A slice of more than half a turn is not convex: it must still cover three quarters.
  arc->angle = float(1.5 * kPi);
  arc->arcType = PoCircleArc::CENTER_CLOSE;
  GeometryProbe big = probe();
  EXPECT_NEAR(big.area(), 3 * kPi, 3 * kPi * 1e-3);
  for (const GeometryProbe::Triangle& t : big.triangles()) // nothing in the missing quarter
    for (const SbVec3f& v : t.v)
      EXPECT_FALSE(v[0] > 1.01f && v[1] < 0.99f);
}

TEST_F(FigureNodes, SpaceFiguresLieInTheirPlane)
{
  PoCircle3CenterRadius* circle = hold(new PoCircle3CenterRadius);
  circle->radius = 2;
  circle->normal.setValue(0, 3, 0);
  GeometryProbe g = probe();
  EXPECT_NEAR(g.area(), 4 * kPi, 4 * kPi * 1e-3);
  expectBox(g.bbox(), SbVec3f(-2, 0, -2), SbVec3f(2, 0, 2), 1e-3f);

  TearDown();
  PoCircleArc3CtrPtAngle* arc = hold(new PoCircleArc3CtrPtAngle);
  arc->normal.setValue(1, 0, 0);
  arc->startPoint.setValue(0, 1, 0);
  arc->angle = float(kPi / 2); // from +y to +z
  GeometryProbe quarter = probe();
  EXPECT_NEAR(quarter.length(), kPi / 2, 1e-3);
  expectBox(quarter.bbox(), SbVec3f(0, 0, 0), SbVec3f(0, 1, 1), 1e-5f);

  TearDown();
  PoCircle3ThreePoints* three = hold(new PoCircle3ThreePoints);
  three->p.setValue(1, 0, 0);
  three->q.setValue(0, 1, 0);
  three->r.setValue(0, 0, 1);
  const double r2 = 2.0 / 3; // circumradius squared of that triangle
  EXPECT_NEAR(probe().area(), kPi * r2, kPi * r2 * 1e-3);
}

TEST_F(FigureNodes, BadValuesAreReportedAndDrawNothing)
{
  ErrorCatcher errors;
  PoCircleCenterRadius* circle = hold(new PoCircleCenterRadius);
  circle->radius = -1;
  EXPECT_TRUE(probe().empty());
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("PoCircleCenterRadius::rebuild")) << errors.messages()[0];
  EXPECT_TRUE(errors.contains("negative"));

  circle->radius = 1;
  circle->center.setValue(NAN, 0);
  EXPECT_TRUE(probe().empty());
  ASSERT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("field center"));

  circle->center.setValue(0, 0); // good values draw again
  EXPECT_NEAR(probe().area(), kPi, kPi * 1e-3);

  TearDown();
  errors.clear();
  PoCircleArc3CtrPtAngle* arc = hold(new PoCircleArc3CtrPtAngle);
  arc->normal.setValue(0, 0, 0);
  EXPECT_TRUE(probe().empty());
  EXPECT_EQ(errors.count(), 1);
  arc->normal.setValue(0, 0, 1);
  arc->arcType.setValue(7);
  EXPECT_TRUE(probe().empty());
  EXPECT_EQ(errors.count(), 2);
  EXPECT_TRUE(errors.contains("arcType 7"));
}

// Each figure with values of its own, written to a scene file and read back.
struct FileRow {
  const char* name;
  const char* values;
};

void PrintTo(const FileRow& row, std::ostream* os)
{
  *os << row.name << " { " << row.values << " }";
}

class FigureFiles : public ::testing::TestWithParam<FileRow> {
protected:
  static void SetUpTestSuite() { PoGridlux::init(); }
};

TEST_P(FigureFiles, ReadBackFigureBuildsTheSameGeometry)
{
  const FileRow& row = GetParam();
  SoSeparator* root = new SoSeparator;
  root->ref();
  SoBaseKit* figure = static_cast<SoBaseKit*>(SoType::fromName(row.name).createInstance());
  ASSERT_NE(figure, nullptr);
  // SoBaseKit::set() would read the text as part names: set the node's own fields.
  ASSERT_TRUE(figure->SoFieldContainer::set(row.values)) << row.values;
  root->addChild(figure);
  const GeometryProbe before(root);
  ASSERT_FALSE(before.empty());

  const std::string text = writeToString(root);

  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* copy = readFromString(text);
  ASSERT_NE(copy, nullptr) << text;
  copy->ref();
  EXPECT_EQ(errors.count(), 0) << text;
  const GeometryProbe after(copy);
  EXPECT_EQ(after.triangles().size(), before.triangles().size()) << text;
  EXPECT_EQ(after.segments().size(), before.segments().size()) << text;
  EXPECT_NEAR(after.area(), before.area(), 1e-4 * (1 + before.area()));
  EXPECT_NEAR(after.length(), before.length(), 1e-4 * (1 + before.length()));
  const SbBox3f a = after.bbox(), b = before.bbox();
  EXPECT_LT((a.getMin() - b.getMin()).length(), 1e-4) << text;
  EXPECT_LT((a.getMax() - b.getMax()).length(), 1e-4) << text;
  copy->unref();
  root->unref();
}

const FileRow kFileRows[] = {
    {"PoRectangle", "p -1 -2 q 3 0.5"},
    {"PoParallelogram", "p 0 0 q 2 0.5 r 2.5 2"},
    {"PoParallelogram3", "p 0 0 1 q 2 0 0 r 2 2 1"},
    {"PoCircleCenterRadius", "center 1 2 radius 0.7"},
    {"PoCircleThreePoints", "p 2 0 q 0 3 r -1 0"},
    {"PoCircleArcCtrRadTwoAngle",
     "arcType END_CLOSE center 1 0 radius 2 startAngle 0.3 endAngle 2"},
    {"PoCircleArcCtrPtAngle", "arcType CENTER_CLOSE center 1 1 startPoint 2 3 angle -4"},
    {"PoCircleArcCtrTwoPts", "center 0 1 startPoint 2 1 endPoint -1 0"},
    {"PoCircleArcThreePts", "startPoint 1 0 middlePoint 0 -1 endPoint 0 1"},
    {"PoCircle3CenterRadius", "center 0 0 1 radius 2 normal 1 1 0"},
    {"PoCircle3ThreePoints", "p 1 0 0 q 0 2 0 r 0 0 1"},
    {"PoCircleArc3CtrPtAngle", "arcType CENTER_CLOSE startPoint 0 2 0 angle 2 normal 1 0 1"},
    {"PoCircleArc3CtrTwoPts", "arcType END_CLOSE startPoint 0 1 0 endPoint 0 -1 1"},
    {"PoCircleArc3ThreePts", "startPoint 1 0 0 middlePoint 0 1 1 endPoint -1 0 0"},
};

INSTANTIATE_TEST_SUITE_P(EveryFigure, FigureFiles, ::testing::ValuesIn(kFileRows),
                         [](const ::testing::TestParamInfo<FileRow>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(FigureNodes, ChangedFieldRebuildsOnceAtTheNextTraversal)
{
  int rebuilds = 0;
  PoCircleArcThreePts* arc = hold(new PoCircleArcThreePts);
  arc->addPostRebuildCallback([](void* data, PoBase*) { ++*static_cast<int*>(data); }, &rebuilds);
  probe();
  EXPECT_EQ(rebuilds, 1);
  arc->middlePoint.setValue(0, 1);
  arc->endPoint.setValue(-1, 0);
  arc->arcType = PoCircleArc::END_CLOSE;
  EXPECT_EQ(rebuilds, 1); // nothing until the figure is traversed
  EXPECT_NEAR(probe().area(), kPi / 2, kPi / 2 * 1e-3);
  EXPECT_EQ(rebuilds, 2);
  probe();
  EXPECT_EQ(rebuilds, 2);
}

} // namespace
