// Umbrella header: every public header of the library.
#ifndef GRIDLUX_GRIDLUX_H
#define GRIDLUX_GRIDLUX_H

#include <Gridlux/platform/SbThreadAutoWriteLock.h>
#include <Gridlux/platform/SbThreadRWMutex.h>
#include <Gridlux/platform/SoAnnoText3.h>

#include <Gridlux/base/PbArrayOfFloat.h>
#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/base/PbArrayOfLong.h>
#include <Gridlux/base/PbBase.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoChartwork.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoException.h>
#include <Gridlux/base/PoExceptionHandler.h>
#include <Gridlux/base/PoFieldwork.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/base/PoNode.h>
#include <Gridlux/base/PoTryStart.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNonLinearDataMapping.h>
#include <Gridlux/attributes/PbNonLinearDataMapping2.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PiColorConverter.h>
#include <Gridlux/attributes/PoBevelEdge.h>
#include <Gridlux/attributes/PoBevelEdgeElement.h>
#include <Gridlux/attributes/PoCellFilter.h>
#include <Gridlux/attributes/PoCellFilterElement.h>
#include <Gridlux/attributes/PoDataMapping.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoDateFormatMapping.h>
#include <Gridlux/attributes/PoDateFormatMappingElement.h>
#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/attributes/PoDomainElement.h>
#include <Gridlux/attributes/PoIntervalCellFilter.h>
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/attributes/PoIsovaluesListElement.h>
#include <Gridlux/attributes/PoLabelHints.h>
#include <Gridlux/attributes/PoLabelHintsElement.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/attributes/PoMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNonLinearDataMapping.h>
#include <Gridlux/attributes/PoNonLinearDataMapping2.h>
#include <Gridlux/attributes/PoNumericDisplayFormat.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>

// Mesh data model
#include <Gridlux/mesh/PbCartesianGrid2D.h>
#include <Gridlux/mesh/PbCartesianGrid3D.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbGrid2D.h>
#include <Gridlux/mesh/PbGrid3D.h>
#include <Gridlux/mesh/PbHexahedronCell.h>
#include <Gridlux/mesh/PbHexahedronMesh3D.h>
#include <Gridlux/mesh/PbIndexedMesh2D.h>
#include <Gridlux/mesh/PbIndexedMesh3D.h>
#include <Gridlux/mesh/PbMesh.h>
#include <Gridlux/mesh/PbMesh2D.h>
#include <Gridlux/mesh/PbMesh3D.h>
#include <Gridlux/mesh/PbParalCartesianGrid2D.h>
#include <Gridlux/mesh/PbParalCartesianGrid3D.h>
#include <Gridlux/mesh/PbPixelCell.h>
#include <Gridlux/mesh/PbPolarGrid2D.h>
#include <Gridlux/mesh/PbPyramidCell.h>
#include <Gridlux/mesh/PbQuadrangleCell.h>
#include <Gridlux/mesh/PbQuadrangleMesh2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid2D.h>
#include <Gridlux/mesh/PbRegularCartesianGrid3D.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbTetrahedronMesh3D.h>
#include <Gridlux/mesh/PbTriangleCell.h>
#include <Gridlux/mesh/PbTriangleMesh2D.h>
#include <Gridlux/mesh/PbVoxelCell.h>
#include <Gridlux/mesh/PbWedgeCell.h>
#include <Gridlux/mesh/PiCellOctree.h>
#include <Gridlux/mesh/PiVoronoi2D.h>

// Geometric figures
#include <Gridlux/figures/PiCircleArc.h>
#include <Gridlux/figures/PiCircleArc2.h>
#include <Gridlux/figures/PiCircleArc3.h>
#include <Gridlux/figures/PiCircularPolygon.h>
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

// Text and labels
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiText.h>
#include <Gridlux/text/PiTextTools.h>
#include <Gridlux/text/PoLabelField.h>

#endif
