// The library's registered classes with their parents, in start-up order, for the tests that go
// through every class.
#ifndef GRIDLUX_TESTS_CLASSTABLE_H
#define GRIDLUX_TESTS_CLASSTABLE_H

#include <cstddef>

namespace gridlux_test {

struct ClassRow {
  const char* name;
  const char* parent;
};

// Every class after PoDebugError (the error type, checked on its own), with its parent: 182 rows.
inline constexpr ClassRow kClasses[] = {
  {"PoBase", "BaseKit"}, {"PoChartwork", "PoBase"}, {"PoRectangle", "PoChartwork"},
  {"PoParallelogram", "PoChartwork"}, {"PoCircle", "PoChartwork"}, {"PoCircleCenterRadius", "PoCircle"},
  {"PoCircleThreePoints", "PoCircle"}, {"PoCircleArc", "PoChartwork"},
  {"PoCircleArcCtrPtAngle", "PoCircleArc"}, {"PoCircleArcCtrTwoPts", "PoCircleArc"},
  {"PoCircleArcThreePts", "PoCircleArc"}, {"PoCircleArcCtrRadTwoAngle", "PoCircleArc"},
  {"PoHighLowClose", "PoChartwork"}, {"PoErrorCurve", "PoChartwork"}, {"PoBiErrorPointField", "PoChartwork"},
  {"PoErrorPointField", "PoChartwork"}, {"PoArrow", "PoChartwork"}, {"PoLabelField", "PoChartwork"},
  {"PoValuedMarkerField", "PoChartwork"}, {"PoCurve", "PoChartwork"}, {"PoParallelogram3", "PoChartwork"},
  {"PoCircle3", "PoChartwork"}, {"PoCircle3CenterRadius", "PoCircle3"},
  {"PoCircle3ThreePoints", "PoCircle3"}, {"PoCircleArc3", "PoChartwork"},
  {"PoCircleArc3CtrPtAngle", "PoCircleArc3"}, {"PoCircleArc3CtrTwoPts", "PoCircleArc3"},
  {"PoArrow3", "PoChartwork"}, {"PoCoordinateSystemAxis", "PoChartwork"}, {"PoCurve3", "PoChartwork"},
  {"PoPointsFieldBars", "PoChartwork"}, {"PoCircleArc3ThreePts", "PoCircleArc3"},
  {"PoBaseAxis", "PoChartwork"}, {"PoAxis", "PoBaseAxis"}, {"PoCartesianAxis", "PoAxis"},
  {"PoLinearAxis", "PoCartesianAxis"}, {"PoGenAxis", "PoCartesianAxis"}, {"PoLogAxis", "PoCartesianAxis"},
  {"PoGroup2Axis", "PoBaseAxis"}, {"PoGroup4Axis", "PoBaseAxis"}, {"PoGroup6Axis3", "PoBaseAxis"},
  {"PoGroup3Axis3", "PoBaseAxis"}, {"PoAutoCubeAxis", "PoBaseAxis"}, {"PoPolarAxis", "PoAxis"},
  {"PoPolarLinAxis", "PoPolarAxis"}, {"PoPolarLogAxis", "PoPolarAxis"}, {"PoAngularAxis", "PoAxis"},
  {"PoTimeAxis", "PoAxis"}, {"PoLegend", "PoChartwork"}, {"PoItemLegend", "PoLegend"},
  {"PoValueLegend", "PoLegend"}, {"PoAutoValueLegend", "PoValueLegend"},
  {"PoLinearValueLegend", "PoAutoValueLegend"}, {"PoNonLinearValueLegend1", "PoAutoValueLegend"},
  {"PoNonLinearValueLegend2", "PoAutoValueLegend"}, {"PoNonLinearValueLegend3", "PoAutoValueLegend"},
  {"PoHistogram", "PoChartwork"}, {"PoSingleHistogram", "PoHistogram"},
  {"PoMultipleHistogram", "PoHistogram"}, {"PoPieChart", "PoChartwork"}, {"PoPieChart2D", "PoPieChart"},
  {"PoPieChart3D", "PoPieChart"}, {"PoChart", "PoChartwork"}, {"PoCurveLine", "PoChart"},
  {"PoRibbon", "PoCurveLine"}, {"PoTube", "PoCurveLine"}, {"PoCurveFilling", "PoCurveLine"},
  {"PoBar", "PoChart"}, {"PoLinearBar", "PoBar"}, {"PoConicBar", "PoBar"}, {"PoCylindricalBar", "PoBar"},
  {"PoProfileBar", "PoBar"}, {"PoGeneralizedBar", "PoBar"}, {"PoScatter", "PoChart"},
  {"PoGeneralizedScatter", "PoChart"}, {"PoLabel", "PoChart"}, {"PoPieChartRep", "PoChart"},
  {"PoFieldwork", "PoBase"}, {"PoMesh", "PoFieldwork"}, {"PoMeshProbePoint", "PoMesh"},
  {"PoCellShape", "PoMesh"}, {"PoCellEdges", "PoCellShape"}, {"PoCellFacets", "PoCellShape"},
  {"PoCellIndices", "PoCellShape"}, {"PoBaseStreamLine", "PoMesh"}, {"PoStreamLine", "PoBaseStreamLine"},
  {"PoStreamSurface", "PoBaseStreamLine"}, {"PoStreamParticleMotion", "PoBaseStreamLine"},
  {"PoStreamPointMotion", "PoStreamParticleMotion"}, {"PoStreamSphereMotion", "PoStreamParticleMotion"},
  {"PoStreamLineMotion", "PoStreamParticleMotion"}, {"PoStreamTadpoleMotion", "PoStreamParticleMotion"},
  {"PoMesh2D", "PoMesh"}, {"PoMesh2DVec", "PoMesh2D"}, {"PoMeshLines", "PoMesh2D"},
  {"PoMeshFilled", "PoMesh2D"}, {"PoMeshSides", "PoMesh2D"}, {"PoMeshLimit", "PoMesh2D"},
  {"PoMeshContouring", "PoMesh2D"}, {"PoMesh3D", "PoMesh"}, {"PoMesh3DVec", "PoMesh3D"},
  {"PoMeshSkin", "PoMesh3D"}, {"PoMeshLevelSurf", "PoMesh3D"}, {"PoMeshCrossSection", "PoMesh3D"},
  {"PoMeshCrossContour", "PoMesh3D"}, {"PoMeshSkeleton", "PoMesh3D"},
  {"PoMesh3DVecCrossSection", "PoMesh3DVec"}, {"PoMesh3DVecGridCrossSection", "PoMesh3DVecCrossSection"},
  {"PoBaseView", "BaseKit"}, {"PoView", "PoBaseView"}, {"PoSceneView", "PoBaseView"},
  {"PoDomainElement", "SoReplacedElement"}, {"PoNumericDisplayFormatElement", "SoReplacedElement"},
  {"PoIsovaluesListElement", "SoReplacedElement"}, {"PoDateFormatMappingElement", "SoReplacedElement"},
  {"PoMiscTextAttrElement", "SoReplacedElement"}, {"PoDataMappingElement", "SoReplacedElement"},
  {"PoCellFilterElement", "SoReplacedElement"}, {"PoMeshElement", "SoReplacedElement"},
  {"PoBevelEdgeElement", "SoReplacedElement"}, {"PoMesh1DFilterElement", "SoReplacedElement"},
  {"PoMesh1DHintsElement", "SoReplacedElement"}, {"PoProfileElement", "SoReplacedElement"},
  {"PoLabelHintsElement", "SoReplacedElement"}, {"PoNode", "Node"}, {"PoDomain", "PoNode"},
  {"PoNumericDisplayFormat", "PoNode"}, {"PoIsovaluesList", "PoNode"}, {"PoDateFormatMapping", "PoNode"},
  {"PoMiscTextAttr", "PoNode"}, {"PoDataMapping", "PoNode"}, {"PoLinearDataMapping", "PoDataMapping"},
  {"PoNonLinearDataMapping", "PoDataMapping"}, {"PoNonLinearDataMapping2", "PoDataMapping"},
  {"PoMeshProperty", "PoNode"}, {"PoCartesianGrid3D", "PoMeshProperty"},
  {"PoParalCartesianGrid3D", "PoMeshProperty"}, {"PoRegularCartesianGrid3D", "PoMeshProperty"},
  {"PoIndexedMesh3D", "PoMeshProperty"}, {"PoHexahedronMesh3D", "PoMeshProperty"},
  {"PoTetrahedronMesh3D", "PoMeshProperty"}, {"PoCartesianGrid2D", "PoMeshProperty"},
  {"PoParalCartesianGrid2D", "PoMeshProperty"}, {"PoRegularCartesianGrid2D", "PoMeshProperty"},
  {"PoPolarGrid2D", "PoMeshProperty"}, {"PoIndexedMesh2D", "PoMeshProperty"},
  {"PoTriangleMesh2D", "PoMeshProperty"}, {"PoQuadrangleMesh2D", "PoMeshProperty"},
  {"PoIrregularMesh1D", "PoMeshProperty"}, {"PoRegularMesh1D", "PoMeshProperty"}, {"PoBevelEdge", "PoNode"},
  {"PoMesh1DFilter", "PoNode"}, {"PoPeriodIndexFilter", "PoMesh1DFilter"},
  {"PoIndexListFilter", "PoMesh1DFilter"}, {"PoPeriodFilter", "PoMesh1DFilter"},
  {"PoCoordinateListFilter", "PoMesh1DFilter"}, {"PoMesh1DHints", "PoNode"}, {"PoProfile", "PoNode"},
  {"PoCircularProfile", "PoProfile"}, {"PoEllipticProfile", "PoProfile"}, {"PoSquareProfile", "PoProfile"},
  {"PoProfileCoordinate2", "PoProfile"}, {"PoLabelHints", "PoNode"}, {"PoCellFilter", "PoNode"},
  {"PoIntervalCellFilter", "PoCellFilter"}, {"PoSFMesh", "SField"}, {"PoSFCartesianGrid3D", "PoSFMesh"},
  {"PoSFParalCartesianGrid3D", "PoSFMesh"}, {"PoSFRegularCartesianGrid3D", "PoSFMesh"},
  {"PoSFIndexedMesh3D", "PoSFMesh"}, {"PoSFHexahedronMesh3D", "PoSFMesh"},
  {"PoSFTetrahedronMesh3D", "PoSFMesh"}, {"PoSFCartesianGrid2D", "PoSFMesh"},
  {"PoSFPolarGrid2D", "PoSFMesh"}, {"PoSFParalCartesianGrid2D", "PoSFMesh"},
  {"PoSFRegularCartesianGrid2D", "PoSFMesh"}, {"PoSFIndexedMesh2D", "PoSFMesh"},
  {"PoSFTriangleMesh2D", "PoSFMesh"}, {"PoSFQuadrangleMesh2D", "PoSFMesh"},
  {"PoSFIrregularMesh1D", "PoSFMesh"}, {"PoSFRegularMesh1D", "PoSFMesh"},
  {"PoToVRML2Action", "SoToVRML2Action"},
};

} // namespace gridlux_test

#endif
