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

#include <memory>
#include <set>

namespace {

struct ClassRow {
  const char* name;
  const char* parent;
};

// The library's classes known so far, with their parents.
const ClassRow kClasses[] = {
  {"PoBase", "BaseKit"},         {"PoChartwork", "PoBase"},
  {"PoRectangle", "PoChartwork"}, {"PoParallelogram", "PoChartwork"}, {"PoCircle", "PoChartwork"},
  {"PoCircleCenterRadius", "PoCircle"}, {"PoCircleThreePoints", "PoCircle"},
  {"PoCircleArc", "PoChartwork"}, {"PoCircleArcCtrPtAngle", "PoCircleArc"},
  {"PoCircleArcCtrTwoPts", "PoCircleArc"}, {"PoCircleArcThreePts", "PoCircleArc"},
  {"PoCircleArcCtrRadTwoAngle", "PoCircleArc"}, {"PoLabelField", "PoChartwork"},
  {"PoCurve", "PoChartwork"},
  {"PoParallelogram3", "PoChartwork"}, {"PoCircle3", "PoChartwork"},
  {"PoCircle3CenterRadius", "PoCircle3"}, {"PoCircle3ThreePoints", "PoCircle3"},
  {"PoCircleArc3", "PoChartwork"}, {"PoCircleArc3CtrPtAngle", "PoCircleArc3"},
  {"PoCircleArc3CtrTwoPts", "PoCircleArc3"},
  {"PoArrow3", "PoChartwork"}, {"PoCoordinateSystemAxis", "PoChartwork"},
  {"PoCircleArc3ThreePts", "PoCircleArc3"},
  {"PoBaseAxis", "PoChartwork"}, {"PoAxis", "PoBaseAxis"}, {"PoCartesianAxis", "PoAxis"},
  {"PoLinearAxis", "PoCartesianAxis"},
  {"PoGenAxis", "PoCartesianAxis"},
  {"PoLogAxis", "PoCartesianAxis"},
  {"PoGroup2Axis", "PoBaseAxis"}, {"PoGroup4Axis", "PoBaseAxis"},
  {"PoGroup6Axis3", "PoBaseAxis"}, {"PoGroup3Axis3", "PoBaseAxis"},
  {"PoAutoCubeAxis", "PoBaseAxis"},
  {"PoPolarAxis", "PoAxis"}, {"PoPolarLinAxis", "PoPolarAxis"},
  {"PoPolarLogAxis", "PoPolarAxis"}, {"PoAngularAxis", "PoAxis"},
  {"PoTimeAxis", "PoAxis"},
  {"PoLegend", "PoChartwork"}, {"PoItemLegend", "PoLegend"}, {"PoValueLegend", "PoLegend"}, {"PoAutoValueLegend", "PoValueLegend"},
  {"PoLinearValueLegend", "PoAutoValueLegend"}, {"PoNonLinearValueLegend1", "PoAutoValueLegend"},
  {"PoNonLinearValueLegend2", "PoAutoValueLegend"}, {"PoNonLinearValueLegend3", "PoAutoValueLegend"},
  {"PoHistogram", "PoChartwork"}, {"PoSingleHistogram", "PoHistogram"}, {"PoMultipleHistogram", "PoHistogram"},
  {"PoPieChart", "PoChartwork"}, {"PoPieChart2D", "PoPieChart"}, {"PoPieChart3D", "PoPieChart"},
  {"PoChart", "PoChartwork"},
  {"PoCurveLine", "PoChart"}, {"PoCurveFilling", "PoCurveLine"},
  {"PoBar", "PoChart"}, {"PoLinearBar", "PoBar"}, {"PoScatter", "PoChart"},
  {"PoLabel", "PoChart"},
  {"PoPieChartRep", "PoChart"},
  {"PoFieldwork", "PoBase"},     {"PoMesh", "PoFieldwork"},
  {"PoMeshProbePoint", "PoMesh"},
  {"PoCellShape", "PoMesh"}, {"PoCellEdges", "PoCellShape"}, {"PoCellFacets", "PoCellShape"},
  {"PoCellIndices", "PoCellShape"},
  {"PoBaseStreamLine", "PoMesh"}, {"PoStreamLine", "PoBaseStreamLine"},
  {"PoStreamSurface", "PoBaseStreamLine"}, {"PoStreamParticleMotion", "PoBaseStreamLine"},
  {"PoStreamPointMotion", "PoStreamParticleMotion"}, {"PoStreamSphereMotion", "PoStreamParticleMotion"},
  {"PoStreamLineMotion", "PoStreamParticleMotion"}, {"PoStreamTadpoleMotion", "PoStreamParticleMotion"},
  {"PoMesh2D", "PoMesh"},        {"PoMesh2DVec", "PoMesh2D"},
  {"PoMeshLines", "PoMesh2D"},
  {"PoMeshFilled", "PoMesh2D"},
  {"PoMeshSides", "PoMesh2D"}, {"PoMeshLimit", "PoMesh2D"},
  {"PoMeshContouring", "PoMesh2D"},
  {"PoMesh3D", "PoMesh"},        {"PoMesh3DVec", "PoMesh3D"},  {"PoMeshSkin", "PoMesh3D"}, {"PoMeshLevelSurf", "PoMesh3D"},
  {"PoMeshCrossSection", "PoMesh3D"}, {"PoMeshCrossContour", "PoMesh3D"},
  {"PoMeshSkeleton", "PoMesh3D"},
  {"PoMesh3DVecCrossSection", "PoMesh3DVec"}, {"PoMesh3DVecGridCrossSection", "PoMesh3DVecCrossSection"},
  {"PoBaseView", "BaseKit"}, {"PoView", "PoBaseView"}, {"PoSceneView", "PoBaseView"},
  {"PoDomainElement", "SoReplacedElement"},
  {"PoNumericDisplayFormatElement", "SoReplacedElement"},
  {"PoIsovaluesListElement", "SoReplacedElement"},
  {"PoDateFormatMappingElement", "SoReplacedElement"},
  {"PoMiscTextAttrElement", "SoReplacedElement"},
  {"PoDataMappingElement", "SoReplacedElement"},
  {"PoCellFilterElement", "SoReplacedElement"},
  {"PoMeshElement", "SoReplacedElement"},
  {"PoBevelEdgeElement", "SoReplacedElement"},
  {"PoMesh1DFilterElement", "SoReplacedElement"}, {"PoMesh1DHintsElement", "SoReplacedElement"},
  {"PoProfileElement", "SoReplacedElement"},
  {"PoLabelHintsElement", "SoReplacedElement"}, {"PoNode", "Node"},
  {"PoDomain", "PoNode"}, {"PoNumericDisplayFormat", "PoNode"},
  {"PoIsovaluesList", "PoNode"}, {"PoDateFormatMapping", "PoNode"}, {"PoMiscTextAttr", "PoNode"},
  {"PoDataMapping", "PoNode"}, {"PoLinearDataMapping", "PoDataMapping"},
  {"PoNonLinearDataMapping", "PoDataMapping"}, {"PoNonLinearDataMapping2", "PoDataMapping"},
  {"PoMeshProperty", "PoNode"}, {"PoCartesianGrid3D", "PoMeshProperty"},
  {"PoParalCartesianGrid3D", "PoMeshProperty"}, {"PoRegularCartesianGrid3D", "PoMeshProperty"},
  {"PoIndexedMesh3D", "PoMeshProperty"}, {"PoHexahedronMesh3D", "PoMeshProperty"},
  {"PoTetrahedronMesh3D", "PoMeshProperty"},
  {"PoCartesianGrid2D", "PoMeshProperty"}, {"PoParalCartesianGrid2D", "PoMeshProperty"},
  {"PoRegularCartesianGrid2D", "PoMeshProperty"}, {"PoPolarGrid2D", "PoMeshProperty"},
  {"PoIndexedMesh2D", "PoMeshProperty"}, {"PoTriangleMesh2D", "PoMeshProperty"},
  {"PoQuadrangleMesh2D", "PoMeshProperty"},
  {"PoIrregularMesh1D", "PoMeshProperty"}, {"PoRegularMesh1D", "PoMeshProperty"},
  {"PoBevelEdge", "PoNode"}, {"PoMesh1DFilter", "PoNode"}, {"PoPeriodIndexFilter", "PoMesh1DFilter"},
  {"PoIndexListFilter", "PoMesh1DFilter"}, {"PoPeriodFilter", "PoMesh1DFilter"},
  {"PoCoordinateListFilter", "PoMesh1DFilter"}, {"PoMesh1DHints", "PoNode"},
  {"PoProfile", "PoNode"}, {"PoCircularProfile", "PoProfile"}, {"PoEllipticProfile", "PoProfile"},
  {"PoSquareProfile", "PoProfile"}, {"PoProfileCoordinate2", "PoProfile"}, {"PoLabelHints", "PoNode"}, {"PoCellFilter", "PoNode"},
  {"PoIntervalCellFilter", "PoCellFilter"},
  {"PoSFMesh", "SField"}, {"PoSFCartesianGrid3D", "PoSFMesh"}, {"PoSFParalCartesianGrid3D", "PoSFMesh"},
  {"PoSFRegularCartesianGrid3D", "PoSFMesh"}, {"PoSFIndexedMesh3D", "PoSFMesh"},
  {"PoSFHexahedronMesh3D", "PoSFMesh"}, {"PoSFTetrahedronMesh3D", "PoSFMesh"},
  {"PoSFCartesianGrid2D", "PoSFMesh"}, {"PoSFPolarGrid2D", "PoSFMesh"},
  {"PoSFParalCartesianGrid2D", "PoSFMesh"}, {"PoSFRegularCartesianGrid2D", "PoSFMesh"},
  {"PoSFIndexedMesh2D", "PoSFMesh"}, {"PoSFTriangleMesh2D", "PoSFMesh"}, {"PoSFQuadrangleMesh2D", "PoSFMesh"},
  {"PoSFIrregularMesh1D", "PoSFMesh"}, {"PoSFRegularMesh1D", "PoSFMesh"},
  {"PoToVRML2Action", "SoToVRML2Action"},
};

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
