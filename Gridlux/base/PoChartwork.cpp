// Chart family base and the registration of the chart family.
#include <Gridlux/base/PoChartwork.h>

#include <Gridlux/axes/PoAngularAxis.h>
#include <Gridlux/axes/PoAutoCubeAxis.h>
#include <Gridlux/axes/PoAxis.h>
#include <Gridlux/axes/PoBaseAxis.h>
#include <Gridlux/axes/PoCartesianAxis.h>
#include <Gridlux/axes/PoCoordinateSystemAxis.h>
#include <Gridlux/axes/PoGenAxis.h>
#include <Gridlux/axes/PoGroup2Axis.h>
#include <Gridlux/axes/PoGroup3Axis3.h>
#include <Gridlux/axes/PoGroup4Axis.h>
#include <Gridlux/axes/PoGroup6Axis3.h>
#include <Gridlux/axes/PoLinearAxis.h>
#include <Gridlux/axes/PoLogAxis.h>
#include <Gridlux/axes/PoPolarAxis.h>
#include <Gridlux/axes/PoPolarLinAxis.h>
#include <Gridlux/axes/PoPolarLogAxis.h>
#include <Gridlux/axes/PoTimeAxis.h>
#include <Gridlux/charts/PoBiErrorPointField.h>
#include <Gridlux/charts/PoBar.h>
#include <Gridlux/charts/PoConicBar.h>
#include <Gridlux/charts/PoCurve.h>
#include <Gridlux/charts/PoCurve3.h>
#include <Gridlux/charts/PoCurveFilling.h>
#include <Gridlux/charts/PoCurveLine.h>
#include <Gridlux/charts/PoCylindricalBar.h>
#include <Gridlux/charts/PoErrorCurve.h>
#include <Gridlux/charts/PoErrorPointField.h>
#include <Gridlux/charts/PoHighLowClose.h>
#include <Gridlux/charts/PoGeneralizedBar.h>
#include <Gridlux/charts/PoGeneralizedScatter.h>
#include <Gridlux/charts/PoHistogram.h>
#include <Gridlux/charts/PoLinearBar.h>
#include <Gridlux/charts/PoRibbon.h>
#include <Gridlux/charts/PoScatter.h>
#include <Gridlux/charts/PoTube.h>
#include <Gridlux/charts/PoValuedMarkerField.h>
#include <Gridlux/charts/PoMultipleHistogram.h>
#include <Gridlux/charts/PoSingleHistogram.h>
#include <Gridlux/charts/PoPieChart.h>
#include <Gridlux/charts/PoPieChart2D.h>
#include <Gridlux/charts/PoPieChart3D.h>
#include <Gridlux/charts/PoPieChartRep.h>
#include <Gridlux/charts/PoProfileBar.h>
#include <Gridlux/charts/PoPointsFieldBars.h>
#include <Gridlux/figures/PoArrow.h>
#include <Gridlux/figures/PoArrow3.h>
#include <Gridlux/figures/PoCircle.h>
#include <Gridlux/figures/PoCircle3.h>
#include <Gridlux/figures/PoCircle3CenterRadius.h>
#include <Gridlux/figures/PoCircle3ThreePoints.h>
#include <Gridlux/figures/PoCircleArc.h>
#include <Gridlux/figures/PoCircleArc3.h>
#include <Gridlux/figures/PoCircleArc3CtrPtAngle.h>
#include <Gridlux/figures/PoCircleArc3CtrTwoPts.h>
#include <Gridlux/figures/PoCircleArc3ThreePts.h>
#include <Gridlux/figures/PoCircleArcCtrPtAngle.h>
#include <Gridlux/figures/PoCircleArcCtrRadTwoAngle.h>
#include <Gridlux/figures/PoCircleArcCtrTwoPts.h>
#include <Gridlux/figures/PoCircleArcThreePts.h>
#include <Gridlux/figures/PoCircleCenterRadius.h>
#include <Gridlux/figures/PoCircleThreePoints.h>
#include <Gridlux/figures/PoParallelogram.h>
#include <Gridlux/figures/PoParallelogram3.h>
#include <Gridlux/figures/PoRectangle.h>
#include <Gridlux/mesh/PoChart.h>
#include <Gridlux/text/PoLabel.h>
#include <Gridlux/text/PoLabelField.h>
#include <Gridlux/text/PoAutoValueLegend.h>
#include <Gridlux/text/PoItemLegend.h>
#include <Gridlux/text/PoLegend.h>
#include <Gridlux/text/PoLinearValueLegend.h>
#include <Gridlux/text/PoNonLinearValueLegend1.h>
#include <Gridlux/text/PoNonLinearValueLegend2.h>
#include <Gridlux/text/PoNonLinearValueLegend3.h>
#include <Gridlux/text/PoValueLegend.h>

PO_KIT_ABSTRACT_SOURCE(PoChartwork);

namespace {
int familyInitDone = 0;
}

void PoChartwork::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoChartwork, PoBase, "PoBase");
}

void PoChartwork::initClasses()
{
  // The family's fixed order; every parent comes before its children.
  PoChartwork::initClass();
  PoRectangle::initClass();
  PoParallelogram::initClass();
  PoCircle::initClass();
  PoCircleCenterRadius::initClass();
  PoCircleThreePoints::initClass();
  PoCircleArc::initClass();
  PoCircleArcCtrPtAngle::initClass();
  PoCircleArcCtrTwoPts::initClass();
  PoCircleArcThreePts::initClass();
  PoCircleArcCtrRadTwoAngle::initClass();
  PoHighLowClose::initClass();
  PoErrorCurve::initClass();
  PoBiErrorPointField::initClass();
  PoErrorPointField::initClass();
  PoArrow::initClass();
  PoLabelField::initClass();
  PoValuedMarkerField::initClass();
  PoCurve::initClass();
  PoParallelogram3::initClass();
  PoCircle3::initClass();
  PoCircle3CenterRadius::initClass();
  PoCircle3ThreePoints::initClass();
  PoCircleArc3::initClass();
  PoCircleArc3CtrPtAngle::initClass();
  PoCircleArc3CtrTwoPts::initClass();
  PoArrow3::initClass();
  PoCoordinateSystemAxis::initClass();
  PoCurve3::initClass();
  PoPointsFieldBars::initClass();
  PoCircleArc3ThreePts::initClass();
  PoBaseAxis::initClass();
  PoAxis::initClass();
  PoCartesianAxis::initClass();
  PoLinearAxis::initClass();
  PoGenAxis::initClass();
  PoLogAxis::initClass();
  PoGroup2Axis::initClass();
  PoGroup4Axis::initClass();
  PoGroup6Axis3::initClass();
  PoGroup3Axis3::initClass();
  PoAutoCubeAxis::initClass();
  PoPolarAxis::initClass();
  PoPolarLinAxis::initClass();
  PoPolarLogAxis::initClass();
  PoAngularAxis::initClass();
  PoTimeAxis::initClass();
  PoLegend::initClass();
  PoItemLegend::initClass();
  PoValueLegend::initClass();
  PoAutoValueLegend::initClass();
  PoLinearValueLegend::initClass();
  PoNonLinearValueLegend1::initClass();
  PoNonLinearValueLegend2::initClass();
  PoNonLinearValueLegend3::initClass();
  PoHistogram::initClass();
  PoSingleHistogram::initClass();
  PoMultipleHistogram::initClass();
  PoPieChart::initClass();
  PoPieChart2D::initClass();
  PoPieChart3D::initClass();
  PoChart::initClass();
  PoCurveLine::initClass();
  PoRibbon::initClass();
  PoTube::initClass();
  PoCurveFilling::initClass();
  PoBar::initClass();
  PoLinearBar::initClass();
  PoConicBar::initClass();
  PoCylindricalBar::initClass();
  PoProfileBar::initClass();
  PoGeneralizedBar::initClass();
  PoScatter::initClass();
  PoGeneralizedScatter::initClass();
  PoLabel::initClass();
  PoPieChartRep::initClass();
}

PoChartwork::PoChartwork(CatchActionCB* catchActionCB) : PoBase(catchActionCB)
{
  SO_KIT_CONSTRUCTOR(PoChartwork);
  SO_KIT_INIT_INSTANCE();
  if (!familyInitDone) {
    familyInitDone = 1;
    PoBase::init();
  }
}

PoChartwork::~PoChartwork() = default;
