// Start-up: one registration per class, elements with stacks of their own enabled in every action.
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoBevelEdgeElement.h>
#include <Gridlux/attributes/PoCellFilterElement.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoDateFormatMappingElement.h>
#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/attributes/PoProfileElement.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoFieldwork.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/base/PoNode.h>
#include <Gridlux/mesh/nodes/PoMesh1DFilterElement.h>
#include <Gridlux/mesh/nodes/PoMesh1DHintsElement.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/SoType.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetMatrixAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoHandleEventAction.h>
#include <Inventor/actions/SoRayPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/elements/SoTextOutlineEnabledElement.h>
#include <Inventor/lists/SoTypeList.h>
#include <Inventor/misc/SoState.h>

#include <gtest/gtest.h>

#include "ClassTable.h"

#include <cctype>
#include <memory>
#include <set>
#include <string>

namespace {

using gridlux_test::ClassRow;
using gridlux_test::kClasses;


TEST(Registration, EveryClassOnceWithItsParentAndInitIsIdempotent)
{
  PoGridlux::init();
  for (const ClassRow& row : kClasses) {
    SoType type = SoType::fromName(row.name);
    ASSERT_FALSE(type.isBad()) << row.name;
    EXPECT_EQ(type.getParent(), SoType::fromName(row.parent)) << row.name;
  }
  const SoType before = SoType::fromName("PoChartwork");
  SoTypeList nodesBefore;
  const int numBefore = SoType::getAllDerivedFrom(SoNode::getClassTypeId(), nodesBefore);
  PoGridlux::init();
  PoBase::init();
  SoTypeList nodesAfter;
  EXPECT_EQ(SoType::getAllDerivedFrom(SoNode::getClassTypeId(), nodesAfter), numBefore);
  EXPECT_EQ(SoType::fromName("PoChartwork"), before);

  // Registration follows the start-up order: parents first, families in their fixed order.
  EXPECT_LT(PoDebugError::getClassTypeId().getKey(), PoBase::getClassTypeId().getKey());
  EXPECT_LT(PoBase::getClassTypeId().getKey(), PoChartwork::getClassTypeId().getKey());
  EXPECT_LT(PoChartwork::getClassTypeId().getKey(), PoFieldwork::getClassTypeId().getKey());
  EXPECT_LT(PoFieldwork::getClassTypeId().getKey(), PoDomainElement::getClassTypeId().getKey());
  EXPECT_LT(PoMiscTextAttrElement::getClassTypeId().getKey(), PoNode::getClassTypeId().getKey());
  // With the error type the table makes the whole list, and no library class is missing from it.
  EXPECT_EQ(std::size(kClasses) + 1, 183u);
  EXPECT_EQ(PoDebugError::getClassTypeId().getName(), SbName("DebugError"));
  std::set<std::string> listed;
  for (const ClassRow& row : kClasses)
    listed.insert(row.name);
  for (int key = 0; key < SoType::getNumTypes(); ++key) {
    const std::string name = SoType::fromKey(uint16_t(key)).getName().getString();
    if (name.size() > 2 && name.rfind("Po", 0) == 0 && std::isupper(static_cast<unsigned char>(name[2])))
      EXPECT_TRUE(listed.count(name)) << name << " is registered but not listed";
  }
  // The table lists the classes in start-up order.
  for (size_t i = 1; i < std::size(kClasses); ++i)
    EXPECT_LT(SoType::fromName(kClasses[i - 1].name).getKey(),
              SoType::fromName(kClasses[i].name).getKey())
      << kClasses[i - 1].name << " before " << kClasses[i].name;
}

TEST(Registration, ClassMutexesExist)
{
  PoGridlux::init();
  EXPECT_NE(PoBase::getClassMutex(), nullptr);
  EXPECT_NE(PoChartwork::getClassMutex(), nullptr);
  EXPECT_NE(PoFieldwork::getClassMutex(), nullptr);
  EXPECT_NE(PoNode::getClassMutex(), nullptr);
  EXPECT_NE(PoBase::getClassMutex(), PoChartwork::getClassMutex());
}

TEST(Registration, ElementsHaveOwnStacksAndAreEnabledInTheNineActions)
{
  PoGridlux::init();
  const int stacks[] = {PoDomainElement::getClassStackIndex(),
                        PoNumericDisplayFormatElement::getClassStackIndex(),
                        PoMiscTextAttrElement::getClassStackIndex(),
                        PoDataMappingElement::getClassStackIndex(),
                        PoIsovaluesListElement::getClassStackIndex(),
                        PoCellFilterElement::getClassStackIndex(),
                        PoBevelEdgeElement::getClassStackIndex(),
                        PoLabelHintsElement::getClassStackIndex(),
                        PoDateFormatMappingElement::getClassStackIndex(),
                        PoMeshElement::getClassStackIndex(),
                        PoMesh1DFilterElement::getClassStackIndex(),
                        PoMesh1DHintsElement::getClassStackIndex(),
                        PoProfileElement::getClassStackIndex()};
  std::set<int> distinct(std::begin(stacks), std::end(stacks));
  EXPECT_EQ(distinct.size(), std::size(stacks));

  const SbViewportRegion viewport(10, 10);
  std::unique_ptr<SoAction> actions[] = {
    std::make_unique<SoCallbackAction>(),
    std::make_unique<SoGLRenderAction>(viewport),
    std::make_unique<SoGetMatrixAction>(viewport),
    std::make_unique<SoSearchAction>(),
    std::make_unique<SoGetBoundingBoxAction>(viewport),
    std::make_unique<SoWriteAction>(),
    std::make_unique<SoHandleEventAction>(viewport),
    std::make_unique<SoRayPickAction>(viewport),
    std::make_unique<SoGetPrimitiveCountAction>(),
  };
  for (auto& action : actions) {
    for (int stack : stacks)
      EXPECT_TRUE(action->getState()->isElementEnabled(stack))
        << action->getTypeId().getName().getString();
  }
  // Text outlining is set by the kits during rendering, so rendering must carry the element.
  EXPECT_TRUE(actions[1]->getState()->isElementEnabled(
    SoTextOutlineEnabledElement::getClassStackIndex()));
}

TEST(Registration, ElementsStartWithTheirDefaultObjects)
{
  PoGridlux::init();
  SoCallbackAction action;
  SoState* state = action.getState();
  EXPECT_EQ(PoDomainElement::get(state), PoDomainElement::getDefault());
  EXPECT_EQ(PoMiscTextAttrElement::get(state), PoMiscTextAttrElement::getDefault());
  EXPECT_EQ(PoNumericDisplayFormatElement::get(state), PoNumericDisplayFormatElement::getDefault());
  EXPECT_EQ(PoDataMappingElement::get(state), nullptr);
  EXPECT_EQ(PoDateFormatMappingElement::get(state), PoDateFormatMappingElement::getDefault());
  ASSERT_NE(PoDateFormatMappingElement::getDefault(), nullptr);
  ASSERT_NE(PoDomainElement::getDefault(), nullptr);
  float x0, y0, z0, x1, y1, z1;
  PoDomainElement::getDefault()->getDomain(x0, y0, z0, x1, y1, z1);
  EXPECT_EQ(x0, 0.0f);
  EXPECT_EQ(z1, 1.0f);
  EXPECT_EQ(PoMiscTextAttrElement::getDefault()->isOutliningEnabled(), 1);
}

TEST(Registration, VersionAndProductName)
{
  EXPECT_STREQ(PoGridlux::getVersion(), "5.0.4");
  EXPECT_STREQ(PoGridlux::getProductName(), "Gridlux");
}

} // namespace
