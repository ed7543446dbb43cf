// A plain copy of a scene with library kits and views, ready for the toolkit's VRML 2 conversion.
#include <Gridlux/views/PoConvertGuts.h>

#include <Gridlux/base/PoBase.h>
#include <Gridlux/platform/SoAnnoText3.h>
#include <Gridlux/views/PoBaseView.h>

#include <Inventor/misc/SoChildList.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoBlinker.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>
#include <Inventor/nodes/SoSwitch.h>
#include <Inventor/nodes/SoText3.h>
#include <Inventor/nodes/SoTransformSeparator.h>
#include <Inventor/nodes/SoTransformation.h>

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

} // namespace

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
  return group;
}
