// A plain copy of a scene with library kits and views, ready for the toolkit's VRML 2 conversion.
#include <Gridlux/views/PoConvertGuts.h>

#include <Gridlux/base/PoBase.h>
#include <Gridlux/platform/SoAnnoText3.h>
#include <Gridlux/views/PoBaseView.h>

#include <Inventor/SoPath.h>
#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/details/SoFaceDetail.h>
#include <Inventor/elements/SoDrawStyleElement.h>
#include <Inventor/misc/SoChildList.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoPointSet.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoVertexProperty.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoBlinker.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>
#include <Inventor/nodes/SoVertexShape.h>
#include <Inventor/nodes/SoSwitch.h>
#include <Inventor/nodes/SoText3.h>
#include <Inventor/nodes/SoTransformSeparator.h>
#include <Inventor/nodes/SoTransformation.h>

#include <map>
#include <utility>

namespace {

// Whether every child of @p group only moves or draws: then a separator scopes it the same way.
bool holdsOnlyTransformsAndShapes(SoGroup* group)
{
  for (int i = 0; i < group->getNumChildren(); ++i) {
    SoNode* child = group->getChild(i);
    if (!child->isOfType(SoTransformation::getClassTypeId()) &&
        !child->isOfType(SoShape::getClassTypeId()))
      return false;
  }
  return true;
}

// One face shape drawn as lines: where it sits and the edges of its faces' triangles.
struct LineStyledShape {
  SoPath* path = nullptr;
  std::vector<SbVec3f> points;
  std::map<std::pair<int, std::pair<int, int>>, int> edges; // (face, (a, b)) -> count
  std::map<std::pair<float, std::pair<float, float>>, int> pointIndex;
  int face = -1;
  int triangles = 0;

  int indexOf(const SbVec3f& p)
  {
    const auto key = std::make_pair(p[0], std::make_pair(p[1], p[2]));
    auto found = pointIndex.find(key);
    if (found != pointIndex.end())
      return found->second;
    points.push_back(p);
    pointIndex[key] = int(points.size()) - 1;
    return int(points.size()) - 1;
  }
};

struct OutlineCollector {
  std::vector<LineStyledShape> shapes;
  int current = -1;
};

bool isFaceShape(const SoNode* node)
{
  return node->isOfType(SoVertexShape::getClassTypeId()) &&
         !node->isOfType(SoLineSet::getClassTypeId()) &&
         !node->isOfType(SoIndexedLineSet::getClassTypeId()) &&
         !node->isOfType(SoPointSet::getClassTypeId());
}

SoCallbackAction::Response onShapeStart(void* data, SoCallbackAction* action, const SoNode* node)
{
  OutlineCollector* collector = static_cast<OutlineCollector*>(data);
  collector->current = -1;
  if (!isFaceShape(node) ||
      SoDrawStyleElement::get(action->getState()) != SoDrawStyleElement::LINES)
    return SoCallbackAction::CONTINUE;
  LineStyledShape shape;
  shape.path = action->getCurPath()->copy();
  shape.path->ref();
  collector->shapes.push_back(shape);
  collector->current = int(collector->shapes.size()) - 1;
  return SoCallbackAction::CONTINUE;
}

void onTriangle(void* data, SoCallbackAction*, const SoPrimitiveVertex* v1,
                const SoPrimitiveVertex* v2, const SoPrimitiveVertex* v3)
{
  OutlineCollector* collector = static_cast<OutlineCollector*>(data);
  if (collector->current < 0)
    return;
  LineStyledShape& shape = collector->shapes[size_t(collector->current)];
  const SoFaceDetail* detail = dynamic_cast<const SoFaceDetail*>(v1->getDetail());
  // Without a face number every triangle is a face of its own.
  const int face = detail ? detail->getFaceIndex() : -1 - shape.triangles;
  ++shape.triangles;
  const int index[3] = {shape.indexOf(v1->getPoint()), shape.indexOf(v2->getPoint()),
                        shape.indexOf(v3->getPoint())};
  for (int i = 0; i < 3; ++i) {
    int a = index[i], b = index[(i + 1) % 3];
    if (b < a)
      std::swap(a, b);
    ++shape.edges[std::make_pair(face, std::make_pair(a, b))];
  }
}

} // namespace

void PoConvertGuts::outlineLineStyledFaces(SoNode* plain)
{
  if (!plain)
    return;
  OutlineCollector collector;
  SoCallbackAction action;
  action.addPreCallback(SoShape::getClassTypeId(), onShapeStart, &collector);
  action.addTriangleCallback(SoShape::getClassTypeId(), onTriangle, &collector);
  action.apply(plain);

  for (LineStyledShape& shape : collector.shapes) {
    // An edge met once within its face is on the face's outline; one met twice is a diagonal.
    std::vector<int32_t> coordIndex;
    for (const auto& edge : shape.edges) {
      if (edge.second != 1)
        continue;
      coordIndex.push_back(edge.first.second.first);
      coordIndex.push_back(edge.first.second.second);
      coordIndex.push_back(-1);
    }
    SoPath* path = shape.path;
    if (path->getLength() >= 2 && path->getNodeFromTail(1)->isOfType(SoGroup::getClassTypeId())) {
      SoGroup* parent = static_cast<SoGroup*>(path->getNodeFromTail(1));
      const int index = path->getIndexFromTail(0);
      SoVertexProperty* vertices = new SoVertexProperty;
      vertices->vertex.setValues(0, int(shape.points.size()), shape.points.data());
      SoIndexedLineSet* lines = new SoIndexedLineSet;
      lines->vertexProperty = vertices;
      lines->coordIndex.setValues(0, int(coordIndex.size()), coordIndex.data());
      if (index >= 0 && index < parent->getNumChildren() && parent->getChild(index) == path->getTail())
        parent->replaceChild(index, lines);
    }
    path->unref();
  }
}

PoConvertGuts::~PoConvertGuts()
{
  reset();
}

void PoConvertGuts::reset()
{
  for (SceneViewInfo& info : m_views)
    info.view->unref();
  m_views.clear();
}

const PoConvertGuts::SceneViewInfo* PoConvertGuts::getSceneViewInfo(int i) const
{
  return i >= 0 && i < int(m_views.size()) ? &m_views[size_t(i)] : nullptr;
}

SoNode* PoConvertGuts::convertSoBaseKit(SoNode* root)
{
  return root ? copyNode(root) : nullptr;
}

SoNode* PoConvertGuts::convertViewScene(const SceneViewInfo& info)
{
  if (!info.view)
    return nullptr;
  SoNode* scene = info.view->getPart("scene", FALSE);
  if (!scene)
    return nullptr;
  const SbVec2f origin = m_parentOrigin, size = m_parentSize;
  m_parentOrigin = info.origin;
  m_parentSize = info.size;
  SoNode* copy = copyNode(scene);
  m_parentOrigin = origin;
  m_parentSize = size;
  return copy;
}

void PoConvertGuts::copyChildren(SoNode* from, SoGroup* to)
{
  SoChildList* children = from->getChildren();
  for (int i = 0; children && i < children->getLength(); ++i) {
    SoNode* copy = copyNode((*children)[i]);
    if (copy)
      to->addChild(copy);
  }
}

SoNode* PoConvertGuts::copyNode(SoNode* node)
{
  if (node->isOfType(PoBaseView::getClassTypeId())) {
    PoBaseView* view = static_cast<PoBaseView*>(node);
    SceneViewInfo info;
    info.view = view;
    const SbVec2f o = view->getViewportOrigin(), s = view->getViewportSize();
    info.origin.setValue(m_parentOrigin[0] + o[0] * m_parentSize[0],
                         m_parentOrigin[1] + o[1] * m_parentSize[1]);
    info.size.setValue(s[0] * m_parentSize[0], s[1] * m_parentSize[1]);
    view->ref();
    m_views.push_back(info);
    return nullptr;
  }
  if (node->isOfType(SoCallback::getClassTypeId()))
    return nullptr;
  if (node->isOfType(SoBaseKit::getClassTypeId())) {
    SoGroup* group = node->isOfType(PoBase::getClassTypeId()) ? new SoSeparator : new SoGroup;
    copyChildren(node, group);
    return group;
  }
  if (node->isOfType(SoAnnoText3::getClassTypeId())) {
    SoText3* text = new SoText3;
    text->string = static_cast<SoText3*>(node)->string;
    text->spacing = static_cast<SoText3*>(node)->spacing;
    text->justification = static_cast<SoText3*>(node)->justification;
    text->parts = static_cast<SoText3*>(node)->parts;
    return text;
  }
  if (!node->isOfType(SoGroup::getClassTypeId())) {
    // Other nodes with children (the list parts of kits) hold kits to convert too.
    if (!node->getChildren())
      return node;
    SoGroup* group = new SoGroup;
    copyChildren(node, group);
    return group;
  }

  SoGroup* group;
  if (node->isOfType(SoBlinker::getClassTypeId())) {
    SoSwitch* frozen = new SoSwitch;
    frozen->whichChild = static_cast<SoBlinker*>(node)->whichChild.getValue();
    group = frozen;
  } else if (node->isOfType(SoTransformSeparator::getClassTypeId()) &&
             holdsOnlyTransformsAndShapes(static_cast<SoGroup*>(node))) {
    group = new SoSeparator;
  } else {
    group = static_cast<SoGroup*>(node->getTypeId().createInstance());
    if (!group)
      return node;
    group->copyFieldValues(node);
  }
  copyChildren(node, group);
  if (group->isOfType(SoSwitch::getClassTypeId())) {
    // The toolkit's conversion merges a plain group's children into its parent, which under a
    // switch would make each of them a choice of its own: each choice gets a separator.
    for (int i = 0; i < group->getNumChildren(); ++i) {
      SoNode* child = group->getChild(i);
      if (child->isOfType(SoSeparator::getClassTypeId()))
        continue;
      SoSeparator* choice = new SoSeparator;
      choice->addChild(child);
      group->replaceChild(i, choice);
    }
  }
  return group;
}
