// The axis groups through their members: classes and places of the member axes for each group
// and vertical axis, labels outside the frame and readable from the intended side (measured in
// world space), the axis type swapping a member's class, what the user set on a member kept
// across rebuilds, the domain applied once, bad frames, and files.
#include "axes/AxisScene.h"

#include <Gridlux/axes/PoGroup2Axis.h>
#include <Gridlux/axes/PoGroup3Axis3.h>
#include <Gridlux/axes/PoGroup4Axis.h>
#include <Gridlux/axes/PoGroup6Axis3.h>
#include <Gridlux/axes/PoLogAxis.h>

#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/lists/SoPathList.h>
#include <Inventor/nodekits/SoNodekitCatalog.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

PoCartesianAxis* member(SoBaseKit* group, const char* part)
{
  SoNode* node = group->getPart(part, FALSE);
  return node && node->isOfType(PoCartesianAxis::getClassTypeId())
             ? static_cast<PoCartesianAxis*>(node)
             : nullptr;
}

// What the texts of one part of a member look like in world space: the box of their glyph
// triangles, each text's box and the direction from which it reads (reading x up direction).
struct WorldLabels {
  SbBox3f box;
  std::vector<SbBox3f> boxes;
  std::vector<SbVec3f> facing;
};

WorldLabels worldLabels(SoNode* root, PoCartesianAxis* axis, const char* part = "mainGradText")
{
  struct Data {
    SoNode* labels;
    WorldLabels out;
    bool inLabels(SoCallbackAction* a) const
    {
      const SoFullPath* path = static_cast<const SoFullPath*>(a->getCurPath());
      for (int i = 0; i < path->getLength(); ++i)
        if (path->getNode(i) == labels)
          return true;
      return false;
    }
  } data{axis->getPart(part, FALSE), {}};
  if (!data.labels)
    return data.out;
  SoCallbackAction action;
  action.addPreCallback(
      SoText3::getClassTypeId(),
      [](void* d, SoCallbackAction* a, const SoNode*) {
        Data* data = static_cast<Data*>(d);
        if (data->inLabels(a)) {
          SbVec3f reading, up;
          a->getModelMatrix().multDirMatrix(SbVec3f(1, 0, 0), reading);
          a->getModelMatrix().multDirMatrix(SbVec3f(0, 1, 0), up);
          SbVec3f n = reading.cross(up);
          n.normalize();
          data->out.facing.push_back(n);
          data->out.boxes.emplace_back();
        }
        return SoCallbackAction::CONTINUE;
      },
      &data);
  action.addTriangleCallback(
      SoText3::getClassTypeId(),
      [](void* d, SoCallbackAction* a, const SoPrimitiveVertex* v1, const SoPrimitiveVertex* v2,
         const SoPrimitiveVertex* v3) {
        Data* data = static_cast<Data*>(d);
        if (!data->inLabels(a))
          return;
        for (const SoPrimitiveVertex* v : {v1, v2, v3}) {
          SbVec3f p;
          a->getModelMatrix().multVecMatrix(v->getPoint(), p);
          data->out.box.extendBy(p);
          data->out.boxes.back().extendBy(p);
        }
      },
      &data);
  action.apply(root);
  return data.out;
}

// A group under a root separator with a domain of its own, as an axis scene has.
template <class Group>
struct GroupScene : AxisSceneOf<Group> {
  explicit GroupScene(const PbDomain& d = PbDomain(0, 0, 0, 10, 10, 10)) : AxisSceneOf<Group>(d) {}
  PoCartesianAxis* operator[](const char* part)
  {
    this->probe();
    return member(this->axis, part);
  }
};

// Where one member should be: class, start, end, type, and the side of the frame that its
// labels stand beyond (index of the coordinate, -1 before the frame's start, +1 after its end).
struct Placement {
  const char* part;
  SbVec3f start;
  float end;
  PoCartesianAxis::Type type;
  int across, side;
};

void expectPlaced(SoNode* root, SoBaseKit* group, const Placement& p, const SbVec3f& lo,
                  const SbVec3f& hi, const SbVec3f& viewer)
{
  SCOPED_TRACE(p.part);
  PoCartesianAxis* axis = member(group, p.part);
  ASSERT_NE(axis, nullptr);
  EXPECT_EQ(axis->getTypeId(), PoLinearAxis::getClassTypeId());
  EXPECT_EQ(axis->start.getValue(), p.start);
  EXPECT_EQ(axis->end.getValue(), p.end);
  EXPECT_EQ(axis->type.getValue(), p.type);

  const WorldLabels labels = worldLabels(root, axis);
  ASSERT_FALSE(labels.box.isEmpty());
  if (p.side < 0)
    EXPECT_LT(labels.box.getMax()[p.across], lo[p.across]);
  else
    EXPECT_GT(labels.box.getMin()[p.across], hi[p.across]);
  // Annotation text turns itself toward the viewer; 3D text must be laid out facing it.
  if (PoBase::getTextType() == PoBase::TEXT_3D)
    for (const SbVec3f& n : labels.facing)
      EXPECT_GT(n.dot(viewer), 0.1f) << "a label reads from behind";
}

// Runs a test under 3D text, whose facing the group has to choose.
struct Text3DScope {
  Text3DScope() { PoBase::setTextType(PoBase::TEXT_3D); }
  ~Text3DScope() { PoBase::setTextType(PoBase::TEXT_ANNOTATION); }
};

TEST(AxisGroupClasses, RegisteredWithTheirMemberParts)
{
  expectCreatable("PoGroup2Axis", "PoBaseAxis");
  expectCreatable("PoGroup4Axis", "PoBaseAxis");
  expectCreatable("PoGroup6Axis3", "PoBaseAxis");
  expectCreatable("PoGroup3Axis3", "PoBaseAxis");

  const struct {
    const char* name;
    std::vector<const char*> parts;
  } groups[] = {
      {"PoGroup2Axis", {"xAxis", "yAxis"}},
      {"PoGroup4Axis", {"xUpAxis", "xDownAxis", "yLeftAxis", "yRightAxis"}},
      {"PoGroup6Axis3",
       {"xUpAxis", "xDownAxis", "yLeftAxis", "yRightAxis", "zUpAxis", "zDownAxis"}},
      {"PoGroup3Axis3", {"xAxis", "yAxis", "zAxis"}},
  };
  for (const auto& g : groups) {
    SCOPED_TRACE(g.name);
    SoBaseKit* kit = static_cast<SoBaseKit*>(SoType::fromName(g.name).createInstance());
    kit->ref();
    const SoNodekitCatalog* catalog = kit->getNodekitCatalog();
    int previous = -1;
    for (const char* part : g.parts) {
      const int number = catalog->getPartNumber(part);
      ASSERT_NE(number, SO_CATALOG_NAME_NOT_FOUND) << part;
      EXPECT_GT(number, previous) << part;
      previous = number;
      EXPECT_EQ(catalog->getType(number), PoCartesianAxis::getClassTypeId());
      EXPECT_EQ(catalog->getDefaultType(number), PoLinearAxis::getClassTypeId());
      // Every member exists from the start, before any traversal.
      EXPECT_NE(member(kit, part), nullptr) << part;
    }
    kit->unref();
  }

  PoGroup3Axis3* group = new PoGroup3Axis3;
  group->ref();
  EXPECT_EQ(group->verticalAxisName.getValue(), PoGroup3Axis3::Z_AXIS);
  EXPECT_EQ(group->end.getValue(), SbVec3f(1, 1, 1));
  EXPECT_EQ(group->zAxisType.getValue(), PoGroup3Axis3::LINEAR);
  group->unref();
}

TEST(Group2Axis, DefaultsAndTheAxisTypeSwappingTheMemberClass)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoGroup2Axis* group = new PoGroup2Axis;
  root->addChild(group);
  GeometryProbe probe(root);

  PoCartesianAxis* x = member(group, "xAxis");
  PoCartesianAxis* y = member(group, "yAxis");
  ASSERT_NE(x, nullptr);
  ASSERT_NE(y, nullptr);
  EXPECT_EQ(x->getTypeId(), PoLinearAxis::getClassTypeId());
  EXPECT_EQ(x->type.getValue(), PoCartesianAxis::XY);
  EXPECT_EQ(x->start.getValue(), SbVec3f(0, 0, 0));
  EXPECT_EQ(x->end.getValue(), 1.0f);
  EXPECT_EQ(y->type.getValue(), PoCartesianAxis::YX);
  EXPECT_EQ(y->start.getValue(), SbVec3f(0, 0, 0));
  EXPECT_EQ(y->end.getValue(), 1.0f);
  for (PoCartesianAxis* axis : {x, y}) {
    PoAxis::Visibility visibility;
    PoAxis::TitlePosition position;
    PoAxis::TextPath path;
    SbString text, font;
    float size, dist;
    axis->getTitle(visibility, position, path, text, font, size, dist);
    EXPECT_EQ(visibility, PoAxis::VISIBILITY_ON);
    EXPECT_EQ(text, SbString(""));
  }
  // The two axis lines, measured in the scene: (0,0,0)-(1,0,0) and (0,0,0)-(0,1,0).
  int lines = 0;
  for (const GeometryProbe::Segment& s : probe.segments()) {
    const SbVec3f lo(std::min(s.a[0], s.b[0]), std::min(s.a[1], s.b[1]), 0);
    const SbVec3f hi(std::max(s.a[0], s.b[0]), std::max(s.a[1], s.b[1]), 0);
    if ((lo - SbVec3f(0, 0, 0)).length() < 1e-5f &&
        ((hi - SbVec3f(1, 0, 0)).length() < 1e-5f || (hi - SbVec3f(0, 1, 0)).length() < 1e-5f))
      ++lines;
  }
  EXPECT_EQ(lines, 2);

  // The titles follow the group's fields.
  group->xTitle.setValue("Time");
  probe.apply(root);
  EXPECT_EQ(x->titleString.getValue(), SbString("Time"));

  // A logarithmic x member: the part becomes a log axis on the same frame, and what the user
  // set on the linear one comes along.
  x->gradFontSize.setValue(0.03f);
  x->tickVisibility.setValue(PoAxis::VISIBILITY_OFF);
  group->end.setValue(SbVec2f(3, 2));
  group->xAxisType.setValue(PoGroup2Axis::LOGARITHMIC);
  probe.apply(root);
  PoCartesianAxis* logX = member(group, "xAxis");
  ASSERT_NE(logX, nullptr);
  EXPECT_EQ(logX->getTypeId(), PoLogAxis::getClassTypeId());
  EXPECT_EQ(logX->type.getValue(), PoCartesianAxis::XY);
  EXPECT_EQ(logX->start.getValue(), SbVec3f(0, 0, 0));
  EXPECT_EQ(logX->end.getValue(), 3.0f);
  EXPECT_EQ(logX->titleString.getValue(), SbString("Time"));
  EXPECT_FLOAT_EQ(logX->gradFontSize.getValue(), 0.03f);
  EXPECT_EQ(logX->tickVisibility.getValue(), PoAxis::VISIBILITY_OFF);
  const float* decades = nullptr;
  EXPECT_EQ(logX->getMainGradCoords(decades), 4); // 1, 10, 100, 1000
  EXPECT_EQ(member(group, "yAxis"), y);

  group->xAxisType.setValue(PoGroup2Axis::LINEAR);
  probe.apply(root);
  EXPECT_EQ(member(group, "xAxis")->getTypeId(), PoLinearAxis::getClassTypeId());
  root->unref();
}

TEST(Group2Axis, UserTuningSurvivesRebuildsButNotTheGroupsOwnFields)
{
  GroupScene<PoGroup2Axis> s;
  s.axis->end.setValue(SbVec2f(10, 10));
  PoCartesianAxis* y = s["yAxis"];
  y->gradFontName.setValue("DejaVu Sans:Bold");
  y->marginStart.setValue(0.2f);
  y->gradPosition.setValue(PoAxis::GRAD_BELOW); // labels inside, the user's choice
  y->end.setValue(4.0f);                        // the group's to set
  y->titleVisibility.setValue(PoAxis::VISIBILITY_OFF);
  s.axis->yTitle.setValue("Depth");
  s.probe();
  EXPECT_EQ(y->end.getValue(), 10.0f);
  EXPECT_EQ(y->titleVisibility.getValue(), PoAxis::VISIBILITY_ON);
  EXPECT_EQ(y->titleString.getValue(), SbString("Depth"));
  EXPECT_EQ(y->gradFontName.getValue(), SbString("DejaVu Sans:Bold"));
  EXPECT_FLOAT_EQ(y->marginStart.getValue(), 0.2f);
  EXPECT_EQ(y->gradPosition.getValue(), PoAxis::GRAD_BELOW);
  // The margin is applied: the first graduation is at 2, not 0.
  const float* coords = nullptr;
  ASSERT_GT(y->getMainGradCoords(coords), 0);
  EXPECT_NEAR(coords[0], 2.0f, 1e-5f);
}

TEST(Group2Axis, SettledSceneRebuildsNothing)
{
  GroupScene<PoGroup2Axis> s;
  s.probe();
  int rebuilds = 0;
  auto count = [](void* data, PoBase*) { ++*static_cast<int*>(data); };
  s.axis->addPostRebuildCallback(count, &rebuilds);
  s["xAxis"]->addPostRebuildCallback(count, &rebuilds);
  s["yAxis"]->addPostRebuildCallback(count, &rebuilds);
  s.probe();
  s.probe();
  EXPECT_EQ(rebuilds, 0);
  // A change of the group's frame rebuilds the group and the members it moves, once each.
  s.axis->end.setValue(SbVec2f(4, 4));
  s.probe();
  s.probe();
  EXPECT_EQ(rebuilds, 3);
}

TEST(Group4Axis, MembersOnTheFourSidesWithLabelsOutside)
{
  GroupScene<PoGroup4Axis> s;
  s.axis->start.setValue(SbVec2f(1, 2));
  s.axis->end.setValue(SbVec2f(9, 8));
  s.axis->xTitle.setValue("x");
  s.probe();
  const SbVec3f lo(1, 2, 0), hi(9, 8, 0), viewer(0, 0, 1);
  const Placement places[] = {
      {"xUpAxis", SbVec3f(1, 8, 0), 9.0f, PoCartesianAxis::XY, 1, +1},
      {"xDownAxis", SbVec3f(1, 2, 0), 9.0f, PoCartesianAxis::XY, 1, -1},
      {"yLeftAxis", SbVec3f(1, 2, 0), 8.0f, PoCartesianAxis::YX, 0, -1},
      {"yRightAxis", SbVec3f(9, 2, 0), 8.0f, PoCartesianAxis::YX, 0, +1},
  };
  for (const Placement& p : places)
    expectPlaced(s.root, s.axis, p, lo, hi, viewer);
  EXPECT_EQ(member(s.axis, "xUpAxis")->titleString.getValue(), SbString("x"));
  // The Y titles run along their sides, beyond the labels, at mid-height.
  s.axis->yTitle.setValue("north");
  s.probe();
  for (const char* part : {"yLeftAxis", "yRightAxis"}) {
    SCOPED_TRACE(part);
    const WorldLabels title = worldLabels(s.root, member(s.axis, part), "title");
    const WorldLabels labels = worldLabels(s.root, member(s.axis, part));
    ASSERT_FALSE(title.box.isEmpty());
    EXPECT_NEAR(title.box.getCenter()[1], 5.0f, 0.05f);
    EXPECT_GT(title.box.getSize()[1], title.box.getSize()[0]); // written upward
    if (std::string(part) == "yLeftAxis")
      EXPECT_LT(title.box.getMax()[0], labels.box.getMin()[0]);
    else
      EXPECT_GT(title.box.getMin()[0], labels.box.getMax()[0]);
  }

  // Without a type field the group keeps a log axis that the user puts in a member's place.
  PoLogAxis* log = new PoLogAxis;
  log->decadeRep.setValue(PoLogAxis::DECADE_DIGIT);
  s.axis->setPart("yRightAxis", log);
  s.axis->touchKit();
  s.probe();
  EXPECT_EQ(member(s.axis, "yRightAxis"), log);
  EXPECT_EQ(log->start.getValue(), SbVec3f(9, 2, 0));
  EXPECT_EQ(log->type.getValue(), PoCartesianAxis::YX);
}

TEST(Group4Axis, ReversedFrameKeepsLabelsOutside)
{
  // A frame given from its upper right corner: "down" is now the top side.
  GroupScene<PoGroup4Axis> s;
  s.axis->start.setValue(SbVec2f(9, 8));
  s.axis->end.setValue(SbVec2f(1, 2));
  s.probe();
  const SbVec3f lo(1, 2, 0), hi(9, 8, 0), viewer(0, 0, 1);
  const Placement places[] = {
      {"xUpAxis", SbVec3f(9, 2, 0), 1.0f, PoCartesianAxis::XY, 1, -1},
      {"xDownAxis", SbVec3f(9, 8, 0), 1.0f, PoCartesianAxis::XY, 1, +1},
      {"yLeftAxis", SbVec3f(9, 8, 0), 2.0f, PoCartesianAxis::YX, 0, +1},
      {"yRightAxis", SbVec3f(1, 8, 0), 2.0f, PoCartesianAxis::YX, 0, -1},
  };
  for (const Placement& p : places)
    expectPlaced(s.root, s.axis, p, lo, hi, viewer);
}

struct VerticalRow {
  PoGroup3Axis3::AxisName vertical;
  PoCartesianAxis::Type x, y, z;
  int xAcross, yAcross, zAcross;
  SbVec3f viewer;
};

void PrintTo(const VerticalRow& row, std::ostream* os)
{
  *os << "vertical axis " << "XYZ"[row.vertical];
}

class Group3Axis3Layout : public testing::TestWithParam<VerticalRow> {};

TEST_P(Group3Axis3Layout, MembersFromTheStartCornerLabelledOutsideTheBox)
{
  const VerticalRow& row = GetParam();
  Text3DScope text3D;
  GroupScene<PoGroup3Axis3> s;
  s.axis->start.setValue(SbVec3f(1, 2, 3));
  s.axis->end.setValue(SbVec3f(9, 8, 7));
  s.axis->verticalAxisName.setValue(row.vertical);
  s.probe();
  const SbVec3f lo(1, 2, 3), hi(9, 8, 7);
  const Placement places[] = {
      {"xAxis", lo, 9.0f, row.x, row.xAcross, -1},
      {"yAxis", lo, 8.0f, row.y, row.yAcross, -1},
      {"zAxis", lo, 7.0f, row.z, row.zAcross, -1},
  };
  for (const Placement& p : places)
    expectPlaced(s.root, s.axis, p, lo, hi, row.viewer);
}

INSTANTIATE_TEST_SUITE_P(
    Verticals, Group3Axis3Layout,
    testing::Values(VerticalRow{PoGroup3Axis3::Z_AXIS, PoCartesianAxis::XZ, PoCartesianAxis::YX,
                                PoCartesianAxis::ZX, 2, 0, 0, SbVec3f(1, -1, 1)},
                    VerticalRow{PoGroup3Axis3::X_AXIS, PoCartesianAxis::XY, PoCartesianAxis::YX,
                                PoCartesianAxis::ZY, 1, 0, 1, SbVec3f(1, 1, -1)},
                    VerticalRow{PoGroup3Axis3::Y_AXIS, PoCartesianAxis::XZ, PoCartesianAxis::YZ,
                                PoCartesianAxis::ZY, 2, 2, 1, SbVec3f(-1, 1, 1)}));

TEST(Group3Axis3, LabelsApartAtTheSharedCornerAndAnnotationTextNotReversed)
{
  GroupScene<PoGroup3Axis3> s; // annotation text, the default
  s.axis->start.setValue(SbVec3f(0, 0, 0));
  s.axis->end.setValue(SbVec3f(10, 6, 4));
  s.probe();
  const WorldLabels x = worldLabels(s.root, s["xAxis"]);
  const WorldLabels y = worldLabels(s.root, s["yAxis"]);
  const WorldLabels z = worldLabels(s.root, s["zAxis"]);
  ASSERT_FALSE(x.boxes.empty());
  ASSERT_FALSE(y.boxes.empty());
  for (const WorldLabels* a : {&x, &y, &z})
    for (const WorldLabels* b : {&x, &y, &z})
      if (a < b)
        for (const SbBox3f& p : a->boxes)
          for (const SbBox3f& q : b->boxes)
            EXPECT_FALSE(p.intersect(q)) << "two members' labels meet";
  // The y axis gives way at the corner: its first graduation carries no label.
  EXPECT_EQ(s["yAxis"]->tickFirstGrad.getValue(), 2);
  EXPECT_TRUE(s["yAxis"]->tickFirstGrad.isDefault());
  EXPECT_EQ(s["zAxis"]->reverseFlag.getValue(), PoAxis::AXIS_REVERSE_DEPEND);

  // Under 3D text the upright member is reversed to read from the front; back under
  // annotation text the choice is undone.
  {
    Text3DScope text3D;
    s.axis->touchKit();
    EXPECT_EQ(s["zAxis"]->reverseFlag.getValue(), PoAxis::AXIS_REVERSE);
  }
  s.axis->touchKit();
  EXPECT_EQ(s["zAxis"]->reverseFlag.getValue(), PoAxis::AXIS_REVERSE_DEPEND);
}

TEST(Group6Axis3, PairsOnDiagonallyOppositeEdges)
{
  Text3DScope text3D;
  GroupScene<PoGroup6Axis3> s;
  s.axis->start.setValue(SbVec3f(1, 2, 3));
  s.axis->end.setValue(SbVec3f(9, 8, 7));
  s.probe();
  const SbVec3f lo(1, 2, 3), hi(9, 8, 7), viewer(1, -1, 1);
  const Placement places[] = {
      {"xUpAxis", SbVec3f(1, 8, 7), 9.0f, PoCartesianAxis::XZ, 2, +1},
      {"xDownAxis", lo, 9.0f, PoCartesianAxis::XZ, 2, -1},
      {"yLeftAxis", lo, 8.0f, PoCartesianAxis::YX, 0, -1},
      {"yRightAxis", SbVec3f(9, 2, 7), 8.0f, PoCartesianAxis::YX, 0, +1},
      {"zUpAxis", SbVec3f(9, 8, 3), 7.0f, PoCartesianAxis::ZX, 0, +1},
      {"zDownAxis", lo, 7.0f, PoCartesianAxis::ZX, 0, -1},
  };
  for (const Placement& p : places)
    expectPlaced(s.root, s.axis, p, lo, hi, viewer);

  // The type of a direction applies to both of its members.
  s.axis->zAxisType.setValue(PoGroup6Axis3::LOGARITHMIC);
  EXPECT_EQ(s["zUpAxis"]->getTypeId(), PoLogAxis::getClassTypeId());
  EXPECT_EQ(s["zDownAxis"]->getTypeId(), PoLogAxis::getClassTypeId());
  EXPECT_EQ(s["xUpAxis"]->getTypeId(), PoLinearAxis::getClassTypeId());
}

TEST(AxisGroupDomain, MembersFollowTheGroupsDomainTransformedOnce)
{
  // A domain much wider than tall, mapped into the unit box: the group must cover what two
  // lone axes in that domain do, neither more (a transform applied twice) nor less.
  PbDomain domain(0, 0, 0, 1000, 10, 1, PbDomain::AS_IS_BOX);
  domain.setTransformType(PbDomain::TRANSFORM_01);
  AxisScene lone(domain);
  lone.axis->end.setValue(1000.0f);
  lone.axis->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  PoLinearAxis* loneY = new PoLinearAxis(SbVec3f(0, 0, 0), 10.0f, PoCartesianAxis::YX);
  loneY->titleVisibility.setValue(PoAxis::VISIBILITY_ON);
  loneY->setDomain(&lone.domain);
  lone.root->addChild(loneY);
  const SbBox3f expected = lone.probe().bbox();
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_LT(expected.getMax()[0], 1.2f);

  GroupScene<PoGroup2Axis> group(domain);
  group.axis->end.setValue(SbVec2f(1000, 10));
  const SbBox3f got = group.probe().bbox();
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(got.getMin()[k], expected.getMin()[k], 1e-4f) << k;
    EXPECT_NEAR(got.getMax()[k], expected.getMax()[k], 1e-4f) << k;
  }
  EXPECT_EQ(group["xAxis"]->getDomain(), &group.domain);
}

TEST(AxisGroupInput, FrameThatIsNotFiniteLeavesTheMembers)
{
  GroupScene<PoGroup2Axis> s;
  s.axis->end.setValue(SbVec2f(5, 5));
  s.probe();
  ErrorCatcher errors;
  s.axis->start.setValue(SbVec2f(std::numeric_limits<float>::quiet_NaN(), 0));
  s.probe();
  ASSERT_EQ(errors.count(), 1);
  EXPECT_TRUE(errors.contains("PoGroup2Axis::rebuild(): frame from (nan"));
  EXPECT_EQ(s["xAxis"]->start.getValue(), SbVec3f(0, 0, 0));
  EXPECT_EQ(s["xAxis"]->end.getValue(), 5.0f);

  ErrorCatcher more;
  GroupScene<PoGroup3Axis3> g;
  g.axis->verticalAxisName.setValue(7);
  g.probe();
  EXPECT_TRUE(more.contains("vertical axis 7 is none of"));
  EXPECT_EQ(g["zAxis"]->type.getValue(), PoCartesianAxis::ZX);
}

// Writes the scene and reads it back; returns the group read (the root is kept in @p back).
template <class Group>
Group* roundTrip(SoNode* root, SoSeparator*& back)
{
  back = readBackWithoutBuiltGeometry(root);
  if (!back || back->getNumChildren() != 1 ||
      !back->getChild(0)->isOfType(Group::getClassTypeId()))
    return nullptr;
  return static_cast<Group*>(back->getChild(0));
}

TEST(AxisGroupFiles, GroupsAndTunedMembersReadBack)
{
  {
    GroupScene<PoGroup2Axis> s;
    s.axis->end.setValue(SbVec2f(3, 20));
    s.axis->xAxisType.setValue(PoGroup2Axis::LOGARITHMIC);
    s.axis->xTitle.setValue("Frequency");
    s["yAxis"]->gradFontSize.setValue(0.035f);
    static_cast<PoLogAxis*>(s["xAxis"])->decadeRep.setValue(PoLogAxis::DECADE_DIGIT);
    s.probe();
    SoSeparator* back = nullptr;
    PoGroup2Axis* read = roundTrip<PoGroup2Axis>(s.root, back);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->end.getValue(), SbVec2f(3, 20));
    EXPECT_EQ(read->xAxisType.getValue(), PoGroup2Axis::LOGARITHMIC);
    EXPECT_EQ(read->xTitle.getValue(), SbString("Frequency"));
    PoCartesianAxis* x = member(read, "xAxis");
    ASSERT_NE(x, nullptr);
    ASSERT_EQ(x->getTypeId(), PoLogAxis::getClassTypeId());
    EXPECT_EQ(static_cast<PoLogAxis*>(x)->decadeRep.getValue(), PoLogAxis::DECADE_DIGIT);
    EXPECT_FLOAT_EQ(member(read, "yAxis")->gradFontSize.getValue(), 0.035f);
    GeometryProbe probe(back);
    EXPECT_FALSE(probe.empty());
    EXPECT_EQ(member(read, "xAxis"), x);
    back->unref();
  }
  {
    // The group's own choices are not written and are made again after reading.
    GroupScene<PoGroup4Axis> s;
    s["xUpAxis"]->tickVisibility.setValue(PoAxis::VISIBILITY_OFF);
    s.probe();
    EXPECT_TRUE(s["xUpAxis"]->gradPosition.isDefault());
    SoSeparator* back = nullptr;
    PoGroup4Axis* read = roundTrip<PoGroup4Axis>(s.root, back);
    ASSERT_NE(read, nullptr);
    GeometryProbe probe(back);
    EXPECT_EQ(member(read, "xUpAxis")->tickVisibility.getValue(), PoAxis::VISIBILITY_OFF);
    EXPECT_EQ(member(read, "xUpAxis")->gradPosition.getValue(), PoAxis::GRAD_ABOVE);
    EXPECT_EQ(member(read, "yRightAxis")->gradPosition.getValue(), PoAxis::GRAD_BELOW);
    back->unref();
  }
  {
    GroupScene<PoGroup3Axis3> s;
    s.axis->verticalAxisName.setValue(PoGroup3Axis3::Y_AXIS);
    s.axis->zAxisType.setValue(PoGroup3Axis3::LOGARITHMIC);
    s.axis->zTitle.setValue("Z");
    s["xAxis"]->reverseFlag.setValue(PoAxis::AXIS_NO_REVERSE);
    SoSeparator* back = nullptr;
    PoGroup3Axis3* read = roundTrip<PoGroup3Axis3>(s.root, back);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->verticalAxisName.getValue(), PoGroup3Axis3::Y_AXIS);
    EXPECT_EQ(member(read, "zAxis")->getTypeId(), PoLogAxis::getClassTypeId());
    EXPECT_EQ(member(read, "xAxis")->reverseFlag.getValue(), PoAxis::AXIS_NO_REVERSE);
    EXPECT_FALSE(member(read, "xAxis")->reverseFlag.isDefault());
    back->unref();
  }
  {
    GroupScene<PoGroup6Axis3> s;
    s.axis->start.setValue(SbVec3f(-1, -1, -1));
    s.axis->yAxisType.setValue(PoGroup6Axis3::LOGARITHMIC);
    s["zUpAxis"]->arrowVisibility.setValue(PoAxis::VISIBILITY_OFF);
    SoSeparator* back = nullptr;
    PoGroup6Axis3* read = roundTrip<PoGroup6Axis3>(s.root, back);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->start.getValue(), SbVec3f(-1, -1, -1));
    EXPECT_EQ(member(read, "yLeftAxis")->getTypeId(), PoLogAxis::getClassTypeId());
    EXPECT_EQ(member(read, "yRightAxis")->getTypeId(), PoLogAxis::getClassTypeId());
    EXPECT_EQ(member(read, "zUpAxis")->arrowVisibility.getValue(), PoAxis::VISIBILITY_OFF);
    back->unref();
  }
}

} // namespace
