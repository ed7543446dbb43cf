// Property-node base: action routing and the write rule of the two write formats.
#include <Gridlux/base/PoNode.h>

#include <Gridlux/base/FieldDataXP.h>

#include <Gridlux/attributes/PoBevelEdge.h>
#include <Gridlux/attributes/PoCircularProfile.h>
#include <Gridlux/attributes/PoCellFilter.h>
#include <Gridlux/attributes/PoDataMapping.h>
#include <Gridlux/attributes/PoDateFormatMapping.h>
#include <Gridlux/attributes/PoDomain.h>
#include <Gridlux/attributes/PoEllipticProfile.h>
#include <Gridlux/attributes/PoIntervalCellFilter.h>
#include <Gridlux/attributes/PoIsovaluesList.h>
#include <Gridlux/attributes/PoLabelHints.h>
#include <Gridlux/attributes/PoLinearDataMapping.h>
#include <Gridlux/attributes/PoMiscTextAttr.h>
#include <Gridlux/attributes/PoNonLinearDataMapping.h>
#include <Gridlux/attributes/PoNonLinearDataMapping2.h>
#include <Gridlux/attributes/PoNumericDisplayFormat.h>
#include <Gridlux/attributes/PoProfile.h>
#include <Gridlux/attributes/PoProfileCoordinate2.h>
#include <Gridlux/attributes/PoSquareProfile.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/nodes/PoCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoCoordinateListFilter.h>
#include <Gridlux/mesh/nodes/PoHexahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoIndexedMesh2D.h>
#include <Gridlux/mesh/nodes/PoIndexListFilter.h>
#include <Gridlux/mesh/nodes/PoIndexedMesh3D.h>
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>
#include <Gridlux/mesh/nodes/PoMesh1DFilter.h>
#include <Gridlux/mesh/nodes/PoMesh1DHints.h>
#include <Gridlux/mesh/nodes/PoMeshProperty.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoParalCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoPeriodFilter.h>
#include <Gridlux/mesh/nodes/PoPeriodIndexFilter.h>
#include <Gridlux/mesh/nodes/PoPolarGrid2D.h>
#include <Gridlux/mesh/nodes/PoQuadrangleMesh2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid3D.h>
#include <Gridlux/mesh/nodes/PoRegularMesh1D.h>
#include <Gridlux/mesh/nodes/PoTetrahedronMesh3D.h>
#include <Gridlux/mesh/nodes/PoTriangleMesh2D.h>

#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/fields/SoFieldData.h>
#include <Inventor/actions/SoGLRenderAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoGetMatrixAction.h>
#include <Inventor/actions/SoGetPrimitiveCountAction.h>
#include <Inventor/actions/SoHandleEventAction.h>
#include <Inventor/actions/SoPickAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/actions/SoWriteAction.h>

PO_NODE_ABSTRACT_SOURCE(PoNode);

void PoNode::initClass()
{
  PO_NODE_INIT_ABSTRACT_CLASS(PoNode, SoNode, "Node");
}

void PoNode::initClasses()
{
  PoNode::initClass();
  PoDomain::initClass();
  PoNumericDisplayFormat::initClass();
  PoIsovaluesList::initClass();
  PoDateFormatMapping::initClass();
  PoMiscTextAttr::initClass();
  PoDataMapping::initClass();
  PoLinearDataMapping::initClass();
  PoNonLinearDataMapping::initClass();
  PoNonLinearDataMapping2::initClass();
  PoMeshProperty::initClass();
  PoCartesianGrid3D::initClass();
  PoParalCartesianGrid3D::initClass();
  PoRegularCartesianGrid3D::initClass();
  PoIndexedMesh3D::initClass();
  PoHexahedronMesh3D::initClass();
  PoTetrahedronMesh3D::initClass();
  PoCartesianGrid2D::initClass();
  PoParalCartesianGrid2D::initClass();
  PoRegularCartesianGrid2D::initClass();
  PoPolarGrid2D::initClass();
  PoIndexedMesh2D::initClass();
  PoTriangleMesh2D::initClass();
  PoQuadrangleMesh2D::initClass();
  PoIrregularMesh1D::initClass();
  PoRegularMesh1D::initClass();
  PoBevelEdge::initClass();
  PoMesh1DFilter::initClass();
  PoPeriodIndexFilter::initClass();
  PoIndexListFilter::initClass();
  PoPeriodFilter::initClass();
  PoCoordinateListFilter::initClass();
  PoMesh1DHints::initClass();
  PoProfile::initClass();
  PoCircularProfile::initClass();
  PoEllipticProfile::initClass();
  PoSquareProfile::initClass();
  PoProfileCoordinate2::initClass();
  PoLabelHints::initClass();
  PoCellFilter::initClass();
  PoIntervalCellFilter::initClass();
}

PoNode::PoNode()
{
  SO_NODE_CONSTRUCTOR(PoNode);
}

PoNode::~PoNode() = default;

void PoNode::doAction(SoAction*)
{
}

void PoNode::GLRender(SoGLRenderAction* action) { doAction(action); }
void PoNode::callback(SoCallbackAction* action) { doAction(action); }
void PoNode::getBoundingBox(SoGetBoundingBoxAction* action) { doAction(action); }
void PoNode::getMatrix(SoGetMatrixAction* action) { doAction(action); }
void PoNode::handleEvent(SoHandleEventAction* action) { doAction(action); }
void PoNode::pick(SoPickAction* action) { doAction(action); }
void PoNode::getPrimitiveCount(SoGetPrimitiveCountAction* action) { doAction(action); }

void PoNode::search(SoSearchAction* action)
{
  doAction(action);
  SoNode::search(action);
}

void PoNode::write(SoWriteAction* action)
{
  doAction(action);
  if (PoBase::getNodeWriteFormat() == PoBase::WRITE_FORMAT_COMPACT)
    SoNode::write(action);
}

void PoNode::addWriteReference(SoOutput* out, SbBool isFromField)
{
  // Left out of an expanded file altogether, so it must not be counted either.
  if (PoBase::getNodeWriteFormat() == PoBase::WRITE_FORMAT_COMPACT)
    SoNode::addWriteReference(out, isFromField);
}

SbBool PoNode::readInstance(SoInput* in, unsigned short flags)
{
  const FieldDataGuard guard(this, "PoNode::readInstance");
  return inherited::readInstance(in, flags);
}
