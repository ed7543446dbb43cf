// A box of axes whose graduations move to the edges that face the viewer.
#include <Gridlux/axes/PoAutoCubeAxis.h>

#include <Gridlux/axes/PiAutoCube.h>
#include <Gridlux/axes/PoGenAxis.h>
#include <Gridlux/axes/PoLinearAxis.h>
#include <Gridlux/axes/PoLogAxis.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/elements/SoModelMatrixElement.h>
#include <Inventor/elements/SoProjectionMatrixElement.h>
#include <Inventor/elements/SoViewingMatrixElement.h>
#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoPolygonOffset.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShapeHints.h>
#include <Inventor/nodes/SoSwitch.h>

#include <algorithm>
#include <cmath>

PO_KIT_SOURCE(PoAutoCubeAxis);

namespace {

// Part names in PiAutoCube's edge order.
const char* const kAxisParts[12] = {"xAxis03", "xAxis12", "xAxis65", "xAxis74",
                                    "yAxis01", "yAxis76", "yAxis45", "yAxis32",
                                    "zAxis07", "zAxis34", "zAxis25", "zAxis16"};
const char* const kSwitchParts[12] = {
    "xAxisSwitch03", "xAxisSwitch12", "xAxisSwitch65", "xAxisSwitch74",
    "yAxisSwitch01", "yAxisSwitch76", "yAxisSwitch45", "yAxisSwitch32",
    "zAxisSwitch07", "zAxisSwitch34", "zAxisSwitch25", "zAxisSwitch16"};

// Sets a field only when its value changes, so that members rebuild only when they must.
template <class Field, class Value> void setIfChanged(Field& field, const Value& value)
{
  if (!(field.getValue() == value))
    field.setValue(value);
}

// A group of two-point lines, or null when there are none.
SoGroup* makeSegments(const std::vector<SbVec3f>& points)
{
  if (points.empty())
    return nullptr;
  SoGroup* group = new SoGroup;
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(points.size()), points.data());
  SoLineSet* lines = new SoLineSet;
  const std::vector<int32_t> counts(points.size() / 2, 2);
  lines->numVertices.setValues(0, int(counts.size()), counts.data());
  group->addChild(coords);
  group->addChild(lines);
  return group;
}

} // namespace

void PoAutoCubeAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoAutoCubeAxis, PoBaseAxis, "PoBaseAxis");
}

PoAutoCubeAxis::PoAutoCubeAxis()
{
  init(SbVec3f(0, 0, 0), SbVec3f(1, 1, 1));
}

PoAutoCubeAxis::PoAutoCubeAxis(const SbVec3f& startValue, const SbVec3f& endValue)
{
  init(startValue, endValue);
}

void PoAutoCubeAxis::init(const SbVec3f& startValue, const SbVec3f& endValue)
{
  SO_KIT_CONSTRUCTOR(PoAutoCubeAxis);
  SO_KIT_ADD_CATALOG_ENTRY(xAxisSwitch03, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xAxis03, PoCartesianAxis, PoLinearAxis, TRUE, xAxisSwitch03, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(xAxisSwitch12, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xAxis12, PoCartesianAxis, PoLinearAxis, TRUE, xAxisSwitch12, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(xAxisSwitch65, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xAxis65, PoCartesianAxis, PoLinearAxis, TRUE, xAxisSwitch65, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(xAxisSwitch74, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(xAxis74, PoCartesianAxis, PoLinearAxis, TRUE, xAxisSwitch74, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yAxisSwitch01, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yAxis01, PoCartesianAxis, PoLinearAxis, TRUE, yAxisSwitch01, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yAxisSwitch76, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yAxis76, PoCartesianAxis, PoLinearAxis, TRUE, yAxisSwitch76, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yAxisSwitch45, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yAxis45, PoCartesianAxis, PoLinearAxis, TRUE, yAxisSwitch45, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(yAxisSwitch32, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(yAxis32, PoCartesianAxis, PoLinearAxis, TRUE, yAxisSwitch32, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zAxisSwitch07, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zAxis07, PoCartesianAxis, PoLinearAxis, TRUE, zAxisSwitch07, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zAxisSwitch34, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zAxis34, PoCartesianAxis, PoLinearAxis, TRUE, zAxisSwitch34, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zAxisSwitch25, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zAxis25, PoCartesianAxis, PoLinearAxis, TRUE, zAxisSwitch25, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(zAxisSwitch16, SoSwitch, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(zAxis16, PoCartesianAxis, PoLinearAxis, TRUE, zAxisSwitch16, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundFaceSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundFaceApp, SoAppearanceKit, TRUE, backgroundFaceSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundFace, SoGroup, TRUE, backgroundFaceSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradGridSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradGridApp, SoAppearanceKit, TRUE, mainGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(mainGradGrid, SoGroup, TRUE, mainGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradGridSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradGridApp, SoAppearanceKit, TRUE, subGradGridSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(subGradGrid, SoGroup, TRUE, subGradGridSep, "", TRUE);

  SO_KIT_ADD_FIELD(start, (SbVec3f(0, 0, 0)));
  SO_KIT_ADD_FIELD(end, (SbVec3f(1, 1, 1)));
  SO_KIT_ADD_FIELD(xTitle, (""));
  SO_KIT_ADD_FIELD(yTitle, (""));
  SO_KIT_ADD_FIELD(zTitle, (""));
  SO_KIT_ADD_FIELD(isGridLinesXVisible, (FALSE));
  SO_KIT_ADD_FIELD(isGridLinesYVisible, (FALSE));
  SO_KIT_ADD_FIELD(isGridLinesZVisible, (FALSE));
  SO_KIT_ADD_FIELD(isIntersectingGradsVisible, (FALSE));
  SO_KIT_ADD_FIELD(isBackgroundFacesVisible, (FALSE));
  SO_KIT_ADD_FIELD(modellingMatrix, (SbMatrix::identity()));
  SO_KIT_ADD_FIELD(viewingMatrix, (SbMatrix::identity()));
  SO_KIT_ADD_FIELD(projectionMatrix, (SbMatrix::identity()));
  SO_KIT_ADD_FIELD(xAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(yAxisType, (LINEAR));
  SO_KIT_ADD_FIELD(zAxisType, (LINEAR));
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LINEAR);
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, LOGARITHMIC);
  SO_KIT_DEFINE_ENUM_VALUE(AxisType, GENERALIZED);
  SO_KIT_SET_SF_ENUM_TYPE(xAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(yAxisType, AxisType);
  SO_KIT_SET_SF_ENUM_TYPE(zAxisType, AxisType);
  SO_KIT_INIT_INSTANCE();

  if (startValue != SbVec3f(0, 0, 0))
    start.setValue(startValue);
  if (endValue != SbVec3f(1, 1, 1))
    end.setValue(endValue);
  for (int edge = 0; edge < 12; ++edge)
    buildAxis(edge, LINEAR);
  setMemberParts(std::vector<SbName>(kAxisParts, kAxisParts + 12));
  setUpConnections(TRUE, TRUE);
}

PoAutoCubeAxis::~PoAutoCubeAxis() = default;

int PoAutoCubeAxis::getShownEdge(int direction) const
{
  return direction >= 0 && direction < 3 ? m_shownEdge[direction] : -1;
}

PoCartesianAxis* PoAutoCubeAxis::getAxis(int edge) const
{
  SoSwitch* holder = static_cast<SoSwitch*>(
      const_cast<PoAutoCubeAxis*>(this)->getAnyPart(kSwitchParts[edge], FALSE));
  SoNode* axis = const_cast<PoAutoCubeAxis*>(this)->getAnyPart(kAxisParts[edge], FALSE);
  return holder && axis ? static_cast<PoCartesianAxis*>(axis) : nullptr;
}

PoAutoCubeAxis::AxisType PoAutoCubeAxis::getAxisType(int direction) const
{
  const SoSFEnum* const fields[3] = {&xAxisType, &yAxisType, &zAxisType};
  const int type = fields[direction]->getValue();
  if (type >= LINEAR && type <= GENERALIZED)
    return AxisType(type);
  PoDebugError::post("PoAutoCubeAxis::rebuild", "axis type %d is not an AxisType; LINEAR used",
                     type);
  return LINEAR;
}

void PoAutoCubeAxis::buildAxis(int edge, AxisType type)
{
  PoCartesianAxis* axis;
  if (type == LOGARITHMIC)
    axis = new PoLogAxis;
  else if (type == GENERALIZED)
    axis = new PoGenAxis;
  else
    axis = new PoLinearAxis;
  // An arrow at the end of a box edge would point into the next edge's labels.
  axis->arrowVisibility.setValue(PoAxis::VISIBILITY_OFF);
  axis->enableDomainTransform(FALSE);
  setAnyPart(kAxisParts[edge], axis);
}

void PoAutoCubeAxis::GLRender(SoGLRenderAction* action)
{
  // The matrices of this render become the node's: a change rebuilds it in the pre-pass
  // below. Reading the elements also makes render caches above depend on them.
  SoState* state = action->getState();
  const SbMatrix& model = SoModelMatrixElement::get(state);
  const SbMatrix& viewing = SoViewingMatrixElement::get(state);
  const SbMatrix& projection = SoProjectionMatrixElement::get(state);
  if (modellingMatrix.getValue() != model || viewingMatrix.getValue() != viewing ||
      projectionMatrix.getValue() != projection) {
    const SbBool notifyWasOn = enableNotify(FALSE);
    setIfChanged(modellingMatrix, model);
    setIfChanged(viewingMatrix, viewing);
    setIfChanged(projectionMatrix, projection);
    enableNotify(notifyWasOn);
  }
  inherited::GLRender(action);
}

void PoAutoCubeAxis::rebuildWithoutMatrix()
{
  rebuild();
}

void PoAutoCubeAxis::resetAllParts()
{
  for (int edge = 0; edge < 12; ++edge) {
    SoSwitch* holder = static_cast<SoSwitch*>(getAnyPart(kSwitchParts[edge], TRUE));
    setIfChanged(holder->whichChild, SO_SWITCH_NONE);
  }
  for (int& edge : m_shownEdge)
    edge = -1;
  setAnyPart("backgroundFace", nullptr);
  setAnyPart("mainGradGrid", nullptr);
  setAnyPart("subGradGrid", nullptr);
}

void PoAutoCubeAxis::rebuild()
{
  static const char* method = "PoAutoCubeAxis::rebuild";
  preRebuild();
  const SbVec3f a = start.getValue(), b = end.getValue();
  const SbVec3f min(std::min(a[0], b[0]), std::min(a[1], b[1]), std::min(a[2], b[2]));
  const SbVec3f max(std::max(a[0], b[0]), std::max(a[1], b[1]), std::max(a[2], b[2]));
  const bool finite = FigureShapesXP::checkFiniteFields(this);
  if (!finite || !(min[0] < max[0] && min[1] < max[1] && min[2] < max[2])) {
    if (finite)
      PoDebugError::post(method, "the box from start to end is flat; nothing is drawn");
    resetAllParts();
    postRebuild();
    return;
  }

  // Members of the wrong class for their direction's type are replaced.
  const SoType memberTypes[3] = {PoLinearAxis::getClassTypeId(), PoLogAxis::getClassTypeId(),
                                 PoGenAxis::getClassTypeId()};
  for (int d = 0; d < 3; ++d) {
    const AxisType type = getAxisType(d);
    for (int edge = 4 * d; edge < 4 * d + 4; ++edge) {
      PoCartesianAxis* axis = getAxis(edge);
      if (!axis || axis->getTypeId() != memberTypes[type])
        buildAxis(edge, type);
    }
  }

  // Box coordinates reach the screen through the domain transform and the stored matrices.
  SbMatrix toClip = SbMatrix::identity();
  const SoMatrixTransform* domainNode =
      static_cast<const SoMatrixTransform*>(getAnyPart("domainTransform", FALSE));
  if (domainNode)
    toClip = domainNode->matrix.getValue();
  toClip.multRight(modellingMatrix.getValue());
  toClip.multRight(viewingMatrix.getValue());
  toClip.multRight(projectionMatrix.getValue());

  PiAutoCube cube;
  if (!cube.compute(min, max, toClip)) {
    PoDebugError::post(method, "the matrices place no viewer in front of the box; nothing is "
                       "drawn");
    resetAllParts();
    postRebuild();
    return;
  }

  for (int d = 0; d < 3; ++d) {
    m_shownEdge[d] = cube.getChoice(d).edge;
    for (int edge = 4 * d; edge < 4 * d + 4; ++edge) {
      SoSwitch* holder = static_cast<SoSwitch*>(getAnyPart(kSwitchParts[edge], TRUE));
      const bool shown = edge == m_shownEdge[d];
      setIfChanged(holder->whichChild, shown ? 0 : SO_SWITCH_NONE);
      if (shown)
        initAxis(edge, cube, min, max);
    }
  }
  eliminateIntersectingGrads(min, max);
  drawGridLines(cube);
  drawBackgroundFaces(cube, min, max);
  postRebuild();
}

void PoAutoCubeAxis::initAxis(int edge, const PiAutoCube& cube, const SbVec3f& min,
                              const SbVec3f& max)
{
  PoCartesianAxis* axis = getAxis(edge);
  const int d = PiAutoCube::getEdgeDirection(edge);
  const PiAutoCube::Choice& choice = cube.getChoice(d);
  int from, to;
  PiAutoCube::getEdgeCorners(edge, from, to);
  const SbVec3f origin = PiAutoCube::getCorner(min, max, from);
  const int type = typeFor(d, choice.labelFace / 2);

  // The member's frame: x along the edge, local "above" w; its text faces u x w.
  float along, across;
  const SbMatrix frame =
      PoCartesianAxis::getAxisMatrix(type, origin, SbVec3f(1, 1, 1), along, across);
  SbVec3f u(0, 0, 0);
  u[d] = 1.0f;
  SbVec3f w(frame[1][0], frame[1][1], frame[1][2]);
  w.normalize();
  const bool above = w.dot(PiAutoCube::getFaceNormal(choice.labelFace)) > 0.0f;
  // Mirrored when its face looks away from the viewer. Annotation text stands in the screen
  // plane along its projected reading direction, which the mirror turns the right way too.
  const bool mirrored = u.cross(w).dot(PiAutoCube::getFaceNormal(choice.textFace)) < 0.0f;
  const SbVec3f middle = 0.5f * (origin + PiAutoCube::getCorner(min, max, to));
  const int path = cube.choosePath(middle, u, w, mirrored);

  const SoSFString* const titles[3] = {&xTitle, &yTitle, &zTitle};
  setIfChanged(axis->start, origin);
  setIfChanged(axis->end, max[d]);
  setIfChanged(axis->type, type);
  setIfChanged(axis->gradPosition, above ? PoAxis::GRAD_ABOVE : PoAxis::GRAD_BELOW);
  setIfChanged(axis->gradPath, path);
  setIfChanged(axis->reverseFlag, mirrored ? PoAxis::AXIS_REVERSE : PoAxis::AXIS_NO_REVERSE);
  setIfChanged(axis->titleString, titles[d]->getValue());
  setIfChanged(axis->titleVisibility, PoAxis::VISIBILITY_ON);
  setIfChanged(axis->titlePosition, PoAxis::TITLE_MIDDLE);
  setIfChanged(axis->titlePath, path);
  setIfChanged(axis->tickFirstGrad, 1);
  setIfChanged(axis->tickLastGrad, 1);
  PbDomain* own = m_domain != &m_defaultDomain ? m_domain : nullptr;
  if (own && axis->getDomain() != own)
    axis->setDomain(own);
}

void PoAutoCubeAxis::getMemberGrads(int edge, std::vector<float>& main,
                                    std::vector<float>* sub) const
{
  PoCartesianAxis* axis = getAxis(edge);
  main.clear();
  if (sub)
    sub->clear();
  if (!axis)
    return;
  // A traversal of the member alone brings its graduations up to date; they depend on its
  // fields only, not on the text attributes or formats of the scene.
  SoGetBoundingBoxAction probe((SbViewportRegion()));
  probe.apply(axis);
  const float* coords = nullptr;
  const int num = axis->getMainGradCoords(coords);
  main.assign(coords, coords + num);
  if (sub) {
    const int numSub = axis->getSubGradCoords(coords);
    sub->assign(coords, coords + numSub);
  }
}

void PoAutoCubeAxis::eliminateIntersectingGrads(const SbVec3f& min, const SbVec3f& max)
{
  if (isIntersectingGradsVisible.getValue())
    return;
  int uses[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  for (int edge : m_shownEdge)
    if (edge >= 0) {
      int from, to;
      PiAutoCube::getEdgeCorners(edge, from, to);
      ++uses[from];
      ++uses[to];
    }
  std::vector<float> main;
  for (int d = 0; d < 3; ++d) {
    const int edge = m_shownEdge[d];
    if (edge < 0)
      continue;
    int from, to;
    PiAutoCube::getEdgeCorners(edge, from, to);
    if (uses[from] < 2 && uses[to] < 2)
      continue;
    getMemberGrads(edge, main, nullptr);
    if (main.empty())
      continue;
    const float tolerance = 1e-4f * (max[d] - min[d]);
    PoCartesianAxis* axis = getAxis(edge);
    if (uses[from] > 1 && std::fabs(main.front() - min[d]) <= tolerance)
      setIfChanged(axis->tickFirstGrad, 2);
    if (uses[to] > 1 && std::fabs(main.back() - max[d]) <= tolerance)
      setIfChanged(axis->tickLastGrad, 2);
  }
}

void PoAutoCubeAxis::drawGridLines(const PiAutoCube& cube)
{
  const SoSFBool* const visible[3] = {&isGridLinesXVisible, &isGridLinesYVisible,
                                      &isGridLinesZVisible};
  std::vector<SbVec3f> mainPoints, subPoints;
  std::vector<float> main, sub;
  for (int d = 0; d < 3; ++d) {
    if (!visible[d]->getValue() || m_shownEdge[d] < 0)
      continue;
    getMemberGrads(m_shownEdge[d], main, &sub);
    cube.getGridSegments(d, main.data(), int(main.size()), mainPoints);
    cube.getGridSegments(d, sub.data(), int(sub.size()), subPoints);
  }
  setAnyPart("mainGradGrid", makeSegments(mainPoints));
  setAnyPart("subGradGrid", makeSegments(subPoints));
}

void PoAutoCubeAxis::drawBackgroundFaces(const PiAutoCube& cube, const SbVec3f& min,
                                         const SbVec3f& max)
{
  std::vector<SbVec3f> points;
  if (isBackgroundFacesVisible.getValue())
    for (int face = 0; face < 6; ++face) {
      if (cube.isFaceFront(face))
        continue;
      int corners[4];
      PiAutoCube::getFaceCorners(face, corners);
      // Seen from inside the box, so walked the other way round.
      for (int i = 3; i >= 0; --i)
        points.push_back(PiAutoCube::getCorner(min, max, corners[i]));
    }
  if (points.empty()) {
    setAnyPart("backgroundFace", nullptr);
    return;
  }
  SoGroup* group = new SoGroup;
  SoPolygonOffset* offset = new SoPolygonOffset;
  group->addChild(offset);
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
  group->addChild(hints);
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(points.size()), points.data());
  group->addChild(coords);
  SoFaceSet* faces = new SoFaceSet;
  const std::vector<int32_t> counts(points.size() / 4, 4);
  faces->numVertices.setValues(0, int(counts.size()), counts.data());
  group->addChild(faces);
  setAnyPart("backgroundFace", group);
}
