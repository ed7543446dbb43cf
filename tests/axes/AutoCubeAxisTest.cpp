// The auto-cube axis: its view geometry on plain values (faces toward the eye, silhouette edges,
// writing directions) and the node through its built parts for views from opposite sides.
#include "AxisScene.h"

#include "support/OffscreenFixture.h"

#include <Gridlux/axes/PiAutoCube.h>
#include <Gridlux/axes/PoAutoCubeAxis.h>
#include <Gridlux/axes/PoGenAxis.h>
#include <Gridlux/axes/PoLogAxis.h>

#include <Inventor/SbViewVolume.h>
#include <Inventor/nodes/SoOrthographicCamera.h>
#include <Inventor/nodes/SoPerspectiveCamera.h>
#include <Inventor/nodes/SoSwitch.h>

#include <random>

namespace {

// Viewing and projection matrices of a camera at @p eye looking at @p at, z up, square viewport.
struct View {
  SbMatrix viewing, projection;
  SbViewVolume volume;
  SbVec3f eye;
  SbMatrix toClip() const
  {
    SbMatrix m = viewing;
    m.multRight(projection);
    return m;
  }
};
View lookFrom(const SbVec3f& eye, const SbVec3f& at, bool perspective = true)
{
  PoGridlux::init();
  SoCamera* camera = perspective ? static_cast<SoCamera*>(new SoPerspectiveCamera)
                                 : static_cast<SoCamera*>(new SoOrthographicCamera);
  camera->ref();
  camera->position.setValue(eye);
  camera->pointAt(at, SbVec3f(0, 0, 1));
  camera->nearDistance.setValue(0.1f);
  camera->farDistance.setValue(1000.0f);
  View view;
  view.volume = camera->getViewVolume(1.0f);
  view.volume.getMatrices(view.viewing, view.projection);
  view.eye = eye;
  camera->unref();
  return view;
}

// Faces turned toward an eye at a point, in closed form.
bool faceTowardEye(int face, const SbVec3f& min, const SbVec3f& max, const SbVec3f& eye)
{
  const int a = face / 2;
  return face % 2 ? eye[a] > max[a] : eye[a] < min[a];
}

// ---------------------------------------------------------------------------------------------
// Box numbering

TEST(AutoCubeGeometry, EdgesAndFacesFollowTheCornerNumbers)
{
  const SbVec3f min(0, 0, 0), max(1, 1, 1);
  for (int edge = 0; edge < 12; ++edge) {
    int from, to;
    PiAutoCube::getEdgeCorners(edge, from, to);
    const SbVec3f d = PiAutoCube::getCorner(min, max, to) - PiAutoCube::getCorner(min, max, from);
    SbVec3f unit(0, 0, 0);
    unit[PiAutoCube::getEdgeDirection(edge)] = 1.0f;
    EXPECT_EQ(d, unit) << edge; // from the lower to the upper end of its direction
    int fa, fb;
    PiAutoCube::getEdgeFaces(edge, fa, fb);
    for (int face : {fa, fb}) {
      int corners[4];
      PiAutoCube::getFaceCorners(face, corners);
      EXPECT_NE(std::find(corners, corners + 4, from), corners + 4) << edge;
      EXPECT_NE(std::find(corners, corners + 4, to), corners + 4) << edge;
    }
  }
  for (int face = 0; face < 6; ++face) {
    int c[4];
    PiAutoCube::getFaceCorners(face, c);
    const SbVec3f p0 = PiAutoCube::getCorner(min, max, c[0]);
    const SbVec3f n = (PiAutoCube::getCorner(min, max, c[1]) - p0)
                          .cross(PiAutoCube::getCorner(min, max, c[2]) - p0);
    EXPECT_EQ(n, PiAutoCube::getFaceNormal(face)) << face; // counter-clockwise from outside
  }
  // The part names carry the corners: edge 6 is yAxis45.
  int from, to;
  PiAutoCube::getEdgeCorners(6, from, to);
  EXPECT_EQ(from * 10 + to, 45);
}

// ---------------------------------------------------------------------------------------------
// Views

TEST(AutoCubeGeometry, FrontFacesAndSilhouetteEdgesAgreeWithTheEyeOverRandomViews)
{
  const SbVec3f min(-1, 2, 0), max(3, 4, 1), centre = 0.5f * (min + max);
  std::mt19937 random(7);
  std::uniform_real_distribution<float> coordinate(-12.0f, 12.0f);
  int views = 0;
  while (views < 200) {
    const SbVec3f eye(coordinate(random), coordinate(random), coordinate(random));
    if ((eye - centre).length() < 6.0f || std::fabs(eye[0] - centre[0]) < 0.1f)
      continue; // too close, or looking straight down (up vector undefined)
    ++views;
    const bool perspective = views % 2 == 0;
    const View view = lookFrom(eye, centre, perspective);
    PiAutoCube cube;
    ASSERT_TRUE(cube.compute(min, max, view.toClip()));
    for (int face = 0; face < 6; ++face) {
      // A parallel view sees a face when the direction toward the eye leaves through it.
      const bool expected = perspective
                                ? faceTowardEye(face, min, max, eye)
                                : (eye - centre).dot(PiAutoCube::getFaceNormal(face)) > 0.0f;
      EXPECT_EQ(cube.isFaceFront(face), expected) << "face " << face << " view " << views;
    }
    for (int d = 0; d < 3; ++d) {
      const PiAutoCube::Choice& choice = cube.getChoice(d);
      bool outline = false;
      for (int edge = 4 * d; edge < 4 * d + 4; ++edge) {
        int fa, fb;
        PiAutoCube::getEdgeFaces(edge, fa, fb);
        outline = outline || cube.isFaceFront(fa) != cube.isFaceFront(fb);
      }
      // Hidden behind the front face (the eye within the box's extent across d): no axis.
      if (!outline) {
        EXPECT_EQ(choice.edge, -1);
        continue;
      }
      ASSERT_GE(choice.edge, 4 * d);
      ASSERT_LT(choice.edge, 4 * d + 4);
      EXPECT_TRUE(cube.isFaceFront(choice.textFace));
      EXPECT_FALSE(cube.isFaceFront(choice.labelFace));
      // No other silhouette edge of the direction lies lower (further left) on the screen.
      const auto screenMid = [&](int edge) {
        int from, to;
        PiAutoCube::getEdgeCorners(edge, from, to);
        SbVec3f a, b;
        view.volume.projectToScreen(PiAutoCube::getCorner(min, max, from), a);
        view.volume.projectToScreen(PiAutoCube::getCorner(min, max, to), b);
        return 0.5f * (a + b);
      };
      const int key = choice.vertical ? 0 : 1;
      for (int edge = 4 * d; edge < 4 * d + 4; ++edge) {
        int fa, fb;
        PiAutoCube::getEdgeFaces(edge, fa, fb);
        if (cube.isFaceFront(fa) != cube.isFaceFront(fb))
          EXPECT_GE(screenMid(edge)[key], screenMid(choice.edge)[key] - 1e-5f) << edge;
      }
    }
  }
}

TEST(AutoCubeGeometry, ADirectionSeenEndOnGetsNoAxis)
{
  const SbVec3f min(0, 0, 0), max(1, 1, 1);
  const View view = lookFrom(SbVec3f(0.5f, 0.5f, 10), SbVec3f(0.5f, 0.5f, 0), false);
  PiAutoCube cube;
  ASSERT_TRUE(cube.compute(min, max, view.toClip()));
  EXPECT_EQ(cube.getChoice(2).edge, -1);
  EXPECT_TRUE(cube.isFaceFront(5));
  for (int face = 0; face < 5; ++face)
    EXPECT_FALSE(cube.isFaceFront(face)) << face; // the sides are seen edge-on
  EXPECT_GE(cube.getChoice(0).edge, 0);
  EXPECT_GE(cube.getChoice(1).edge, 0);
}

TEST(AutoCubeGeometry, RefusesFlatBoxesBrokenMatricesAndAnEyeInsideTheBox)
{
  const SbVec3f min(0, 0, 0), max(1, 1, 1);
  const View outside = lookFrom(SbVec3f(5, -4, 3), SbVec3f(0.5f, 0.5f, 0.5f));
  PiAutoCube cube;
  EXPECT_FALSE(cube.compute(min, SbVec3f(1, 0, 1), outside.toClip()));
  EXPECT_FALSE(cube.compute(min, SbVec3f(NAN, 1, 1), outside.toClip()));
  SbMatrix broken = outside.toClip();
  broken[1][2] = NAN;
  EXPECT_FALSE(cube.compute(min, max, broken));
  SbMatrix zero;
  zero.makeIdentity();
  zero[0][0] = zero[1][1] = 0.0f;
  EXPECT_FALSE(cube.compute(min, max, zero));
  const View inside = lookFrom(SbVec3f(0.5f, 0.4f, 0.5f), SbVec3f(0.5f, 2, 0.5f));
  EXPECT_FALSE(cube.compute(min, max, inside.toClip()));
  EXPECT_EQ(cube.getChoice(0).edge, -1);
  EXPECT_TRUE(cube.compute(min, max, outside.toClip()));
}

TEST(AutoCubeGeometry, WritingDirectionsReadLeftToRightFromEitherSide)
{
  const SbVec3f min(0, 0, 0), max(1, 1, 1), x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
  PiAutoCube cube;
  // Each case is a frame whose text faces the camera (mirrored when along x across faces away).
  // From -y, z up, +x runs right on the screen.
  ASSERT_TRUE(cube.compute(min, max, lookFrom(SbVec3f(0.5f, -8, 0.5f), SbVec3f(0.5f, 0.5f, 0.5f)).toClip()));
  EXPECT_EQ(cube.choosePath(SbVec3f(0.5f, 0, 0), x, z, false), int(PiText::PATH_RIGHT));
  // "Above" pointing down: turned half a turn about its up, the text reads upside down
  // unless written leftward.
  EXPECT_EQ(cube.choosePath(SbVec3f(0.5f, 0, 0), x, -z, true), int(PiText::PATH_LEFT));
  // An upright axis: text across it, reading +x, through a down or (mirrored) up path.
  EXPECT_EQ(cube.choosePath(SbVec3f(0, 0, 0.5f), z, -x, false), int(PiText::PATH_DOWN));
  EXPECT_EQ(cube.choosePath(SbVec3f(0, 0, 0.5f), z, x, true), int(PiText::PATH_UP));
  // From +y, -x runs right.
  ASSERT_TRUE(cube.compute(min, max, lookFrom(SbVec3f(0.5f, 8, 0.5f), SbVec3f(0.5f, 0.5f, 0.5f)).toClip()));
  EXPECT_EQ(cube.choosePath(SbVec3f(0.5f, 1, 0), x, z, true), int(PiText::PATH_RIGHT));
  EXPECT_EQ(cube.choosePath(SbVec3f(0, 1, 0.5f), z, x, false), int(PiText::PATH_DOWN));
  EXPECT_EQ(cube.choosePath(SbVec3f(0, 1, 0.5f), z, -x, true), int(PiText::PATH_UP));
  (void)y;
}

// ---------------------------------------------------------------------------------------------
// The node

typedef AxisSceneOf<PoAutoCubeAxis> CubeScene;


// A label of a shown member: where it stands and which way its face looks, in world space.
struct Label {
  SbVec3f at, normal;
};
std::vector<Label> labels(CubeScene& scene)
{
  std::vector<Label> out;
  SoCallbackAction action;
  action.addPreCallback(
      SoText3::getClassTypeId(),
      [](void* data, SoCallbackAction* a, const SoNode*) {
        const SbMatrix& m = a->getModelMatrix();
        Label l;
        m.multVecMatrix(SbVec3f(0, 0, 0), l.at);
        m.multDirMatrix(SbVec3f(0, 0, 1), l.normal);
        l.normal.normalize();
        static_cast<std::vector<Label>*>(data)->push_back(l);
        return SoCallbackAction::CONTINUE;
      },
      &out);
  action.apply(scene.root);
  return out;
}

// The library's text type for the life of the guard.
struct TextTypeScope {
  PoBase::TextType before = PoBase::getTextType();
  explicit TextTypeScope(PoBase::TextType type) { PoBase::setTextType(type); }
  ~TextTypeScope() { PoBase::setTextType(before); }
};

void setView(PoAutoCubeAxis* cube, const View& view)
{
  cube->viewingMatrix.setValue(view.viewing);
  cube->projectionMatrix.setValue(view.projection);
}

// The scene's cube spans the domain, whose transform is then the identity.
struct Cube : CubeScene {
  Cube()
  {
    axis->end.setValue(10, 10, 10);
    axis->xTitle.setValue("x");
  }
  PoCartesianAxis* shown(int d)
  {
    probe();
    const int edge = axis->getShownEdge(d);
    if (edge < 0)
      return nullptr;
    static const char* const names[12] = {"xAxis03", "xAxis12", "xAxis65", "xAxis74",
                                          "yAxis01", "yAxis76", "yAxis45", "yAxis32",
                                          "zAxis07", "zAxis34", "zAxis25", "zAxis16"};
    return static_cast<PoCartesianAxis*>(axis->getPart(names[edge], FALSE));
  }
};

TEST(AutoCubeAxis, OppositeViewpointsPutTheGraduationsOnEdgesFacingEachCamera)
{
  const SbVec3f centre(5, 5, 5);
  // 3D text, whose face shows which way it reads.
  const TextTypeScope text(PoBase::TEXT_3D);
  // In front of the box and behind it, at the same height.
  const SbVec3f eyes[2] = {SbVec3f(28, -20, 16), SbVec3f(-18, 30, 16)};
  int shown[2][3];
  for (int v = 0; v < 2; ++v) {
    Cube scene;
    const View view = lookFrom(eyes[v], centre);
    setView(scene.axis, view);
    scene.probe();
    ASSERT_EQ(scene.axis->getPart("domainTransform", FALSE), nullptr);
    int switchesOn = 0;
    for (int d = 0; d < 3; ++d) {
      shown[v][d] = scene.axis->getShownEdge(d);
      ASSERT_GE(shown[v][d], 0) << d;
      int fa, fb;
      PiAutoCube::getEdgeFaces(shown[v][d], fa, fb);
      // One face of the edge toward the camera, one away: an edge of the outline.
      EXPECT_NE(faceTowardEye(fa, SbVec3f(0, 0, 0), SbVec3f(10, 10, 10), eyes[v]),
                faceTowardEye(fb, SbVec3f(0, 0, 0), SbVec3f(10, 10, 10), eyes[v]));
    }
    // Only the three shown members are traversed: the others' switches are off.
    SoCallbackAction visit;
    visit.addPreCallback(
        PoCartesianAxis::getClassTypeId(),
        [](void* data, SoCallbackAction*, const SoNode*) {
          ++*static_cast<int*>(data);
          return SoCallbackAction::CONTINUE;
        },
        &switchesOn);
    visit.apply(scene.root);
    EXPECT_EQ(switchesOn, 3);

    // Every label faces the camera and stands outside the box.
    const std::vector<Label> all = labels(scene);
    ASSERT_GE(all.size(), 9u);
    for (const Label& l : all) {
      EXPECT_GT(l.normal.dot(eyes[v] - l.at), 0.0f);
      const bool inside = l.at[0] > 0.01f && l.at[0] < 9.99f && l.at[1] > 0.01f &&
                          l.at[1] < 9.99f && l.at[2] > 0.01f && l.at[2] < 9.99f;
      EXPECT_FALSE(inside) << l.at[0] << " " << l.at[1] << " " << l.at[2];
    }
  }
  for (int d = 0; d < 3; ++d)
    EXPECT_NE(shown[0][d], shown[1][d]) << d;
}

TEST(AutoCubeAxis, IntersectingGraduationsAtSharedCornersLoseTheirLabels)
{
  Cube scene;
  setView(scene.axis, lookFrom(SbVec3f(28, -20, 16), SbVec3f(5, 5, 5)));
  PoCartesianAxis* x = scene.shown(0);
  ASSERT_NE(x, nullptr);
  const int corners[3] = {scene.axis->getShownEdge(0), scene.axis->getShownEdge(1),
                          scene.axis->getShownEdge(2)};
  // Which ends of the x edge meet another shown edge.
  int from, to;
  PiAutoCube::getEdgeCorners(corners[0], from, to);
  bool sharedFrom = false, sharedTo = false;
  for (int d = 1; d < 3; ++d) {
    int a, b;
    PiAutoCube::getEdgeCorners(corners[d], a, b);
    sharedFrom = sharedFrom || a == from || b == from;
    sharedTo = sharedTo || a == to || b == to;
  }
  ASSERT_TRUE(sharedFrom || sharedTo);
  const float* coords = nullptr;
  const int num = x->getMainGradCoords(coords);
  const std::vector<float> main(coords, coords + num);
  EXPECT_EQ(main.front() == 0.0f, !sharedFrom);
  EXPECT_EQ(main.back() == 10.0f, !sharedTo);
  EXPECT_EQ(main.size(), 6u - sharedFrom - sharedTo);

  scene.axis->isIntersectingGradsVisible.setValue(TRUE);
  scene.probe();
  EXPECT_EQ(x->getMainGradCoords(coords), 6);
}

TEST(AutoCubeAxis, GridsAndBackFacesAppearOnlyWhenAskedAndOnlyOnTheFarFaces)
{
  Cube scene;
  const SbVec3f eye(28, -20, 16); // faces +x, -y, +z toward it
  setView(scene.axis, lookFrom(eye, SbVec3f(5, 5, 5)));
  scene.probe();
  for (const char* part : {"backgroundFace", "mainGradGrid", "subGradGrid"})
    EXPECT_EQ(scene.axis->getPart(part, FALSE), nullptr) << part;

  scene.axis->isBackgroundFacesVisible.setValue(TRUE);
  scene.probe();
  const GeometryProbe faces(scene.axis->getPart("backgroundFace", FALSE));
  EXPECT_NEAR(faces.area(), 300.0, 1e-3); // the faces at x = 0, y = 10 and z = 0
  for (const GeometryProbe::Triangle& t : faces.triangles()) {
    const SbVec3f c = (t.v[0] + t.v[1] + t.v[2]) / 3.0f;
    EXPECT_TRUE(c[0] == 0.0f || c[1] == 10.0f || c[2] == 0.0f);
  }

  scene.axis->isGridLinesXVisible.setValue(TRUE);
  PoCartesianAxis* x = scene.shown(0);
  const float* coords = nullptr;
  const int numMain = x->getMainGradCoords(coords);
  const GeometryProbe grid(scene.axis->getPart("mainGradGrid", FALSE));
  // One line per main graduation on each of the two far faces that run along x.
  ASSERT_EQ(int(grid.segments().size()), 2 * numMain);
  for (const GeometryProbe::Segment& s : grid.segments()) {
    EXPECT_EQ(s.a[0], s.b[0]);
    EXPECT_NEAR(s.length(), 10.0, 1e-5);
    EXPECT_NE(std::find(coords, coords + numMain, s.a[0]), coords + numMain);
    EXPECT_TRUE((s.a[1] == 10.0f && s.b[1] == 10.0f) || (s.a[2] == 0.0f && s.b[2] == 0.0f));
  }
  // Sub lines at the sub graduations, here one between every two main ones.
  x->tickSubDef.setValue(PoAxis::NUM_SUB_TICK);
  x->tickNumOrPeriod.setValue(1);
  scene.axis->touchKit();
  scene.probe();
  const int numSub = x->getSubGradCoords(coords);
  ASSERT_GE(numSub, 4);
  const GeometryProbe sub(scene.axis->getPart("subGradGrid", FALSE));
  ASSERT_EQ(int(sub.segments().size()), 2 * numSub);
  for (const GeometryProbe::Segment& s : sub.segments())
    EXPECT_NE(std::find(coords, coords + numSub, s.a[0]), coords + numSub);
}

TEST(AutoCubeAxis, AxisTypesChooseTheMemberClasses)
{
  Cube scene;
  setView(scene.axis, lookFrom(SbVec3f(28, -20, 16), SbVec3f(5, 5, 5)));
  scene.axis->yAxisType.setValue(PoAutoCubeAxis::LOGARITHMIC);
  scene.axis->zAxisType.setValue(PoAutoCubeAxis::GENERALIZED);
  scene.probe();
  EXPECT_TRUE(scene.shown(0)->isOfType(PoLinearAxis::getClassTypeId()));
  EXPECT_TRUE(scene.shown(1)->isOfType(PoLogAxis::getClassTypeId()));
  EXPECT_TRUE(scene.shown(2)->isOfType(PoGenAxis::getClassTypeId()));
  EXPECT_TRUE(scene.axis->getPart("yAxis76", FALSE)->isOfType(PoLogAxis::getClassTypeId()));
  // The title goes to the shown member, visible.
  EXPECT_EQ(scene.shown(0)->titleString.getValue(), SbString("x"));
  EXPECT_EQ(scene.shown(0)->titleVisibility.getValue(), int(PoAxis::VISIBILITY_ON));
}

TEST(AutoCubeAxis, BadBoxesAndViewsPostAMessageAndShowNothing)
{
  Cube scene;
  setView(scene.axis, lookFrom(SbVec3f(28, -20, 16), SbVec3f(5, 5, 5)));
  scene.axis->isBackgroundFacesVisible.setValue(TRUE);
  ASSERT_FALSE(scene.probe().empty());
  {
    scene.axis->end.setValue(10, 0, 10);
    ErrorCatcher errors;
    EXPECT_TRUE(scene.probe().empty());
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(scene.axis->getShownEdge(0), -1);
  }
  scene.axis->end.setValue(10, 10, 10);
  EXPECT_FALSE(scene.probe().empty());
  {
    scene.axis->viewingMatrix.setValue(SbMatrix(NAN, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1));
    ErrorCatcher errors;
    EXPECT_TRUE(scene.probe().empty());
    EXPECT_EQ(errors.count(), 1);
    EXPECT_TRUE(errors.contains("PoAutoCubeAxis::rebuild"));
  }
}

TEST(AutoCubeAxis, FileKeepsTheFieldsAndTheChoice)
{
  expectCreatable("PoAutoCubeAxis", "PoBaseAxis");
  Cube scene;
  setView(scene.axis, lookFrom(SbVec3f(-18, 30, -14), SbVec3f(5, 5, 5)));
  scene.axis->isGridLinesYVisible.setValue(TRUE);
  scene.axis->zAxisType.setValue(PoAutoCubeAxis::LOGARITHMIC);
  static_cast<PoLinearAxis*>(scene.axis->getPart("xAxis65", FALSE))->step.setValue(2.5f);
  scene.probe();
  SoSeparator* back = readBackWithoutBuiltGeometry(scene.root);
  ASSERT_NE(back, nullptr);
  PoAutoCubeAxis* read = static_cast<PoAutoCubeAxis*>(back->getChild(0));
  ASSERT_TRUE(read->isOfType(PoAutoCubeAxis::getClassTypeId()));
  EXPECT_TRUE(read->viewingMatrix.getValue().equals(scene.axis->viewingMatrix.getValue(), 1e-5f));
  EXPECT_TRUE(read->isGridLinesYVisible.getValue());
  EXPECT_EQ(read->zAxisType.getValue(), int(PoAutoCubeAxis::LOGARITHMIC));
  // What was tuned on a member comes back with it.
  PoLinearAxis* tuned = static_cast<PoLinearAxis*>(read->getPart("xAxis65", FALSE));
  ASSERT_TRUE(tuned && tuned->isOfType(PoLinearAxis::getClassTypeId()));
  EXPECT_FLOAT_EQ(tuned->step.getValue(), 2.5f);
  GeometryProbe probe(back);
  EXPECT_TRUE(read->getPart("zAxis07", FALSE)->isOfType(PoLogAxis::getClassTypeId()));
  for (int d = 0; d < 3; ++d)
    EXPECT_EQ(read->getShownEdge(d), scene.axis->getShownEdge(d)) << d;
  back->unref();
}

// Rendering hands the camera's matrices to the node.
class AutoCubeAxisRender : public gridlux::test::OffscreenFixture {};

TEST_F(AutoCubeAxisRender, ARenderStoresTheCameraMatricesAndChoosesFromThem)
{
  SoSeparator* root = new SoSeparator;
  root->ref();
  SoPerspectiveCamera* camera = new SoPerspectiveCamera;
  camera->position.setValue(-18, 30, -14);
  camera->pointAt(SbVec3f(5, 5, 5), SbVec3f(0, 0, 1));
  camera->nearDistance.setValue(0.1f);
  camera->farDistance.setValue(1000.0f);
  root->addChild(camera);
  PbDomain domain(0, 0, 0, 10, 10, 10);
  PoAutoCubeAxis* cube = new PoAutoCubeAxis(SbVec3f(0, 0, 0), SbVec3f(10, 10, 10));
  cube->setDomain(&domain);
  root->addChild(cube);
  render(root);
  const View view = lookFrom(SbVec3f(-18, 30, -14), SbVec3f(5, 5, 5));
  EXPECT_TRUE(cube->viewingMatrix.getValue().equals(view.viewing, 1e-4f));
  EXPECT_TRUE(cube->projectionMatrix.getValue().equals(view.projection, 1e-4f));
  PiAutoCube reference;
  ASSERT_TRUE(reference.compute(SbVec3f(0, 0, 0), SbVec3f(10, 10, 10), view.toClip()));
  for (int d = 0; d < 3; ++d)
    EXPECT_EQ(cube->getShownEdge(d), reference.getChoice(d).edge) << d;
  root->unref();
}

} // namespace
